#include "Warunki.h"

#include "Baza.h"

#include <utility>
#include <vector>

namespace tremida {

namespace {

struct Wymog {
    Tabela tabela;
    const QString &przyrostek;
};

std::vector<Wymog> wymogi(Polecenie p)
{
    using T = Tabela;
    namespace P = Przyrostek;
    switch (p) {
    case Polecenie::OtwTabSyst:
    case Polecenie::DrukTabSyst: return {{T::Systemy, P::Brak}};
    case Polecenie::OtwTabFakt: return {{T::Systemy, P::S1}, {T::Fakty, P::Brak}};
    case Polecenie::DrukTabFakt: return {{T::Systemy, P::Brak}, {T::Fakty, P::Brak}, {T::WartFaktWylicz, P::Brak}};
    case Polecenie::OtwTabWartFaktWylicz:
        return {{T::Systemy, P::S1}, {T::Fakty, P::S2}, {T::WartFaktWylicz, P::Brak}};
    case Polecenie::OtwTabStale: return {{T::Systemy, P::S1}, {T::Stale, P::Brak}};
    case Polecenie::OtwTabReg:
        return {{T::Systemy, P::S1}, {T::Fakty, P::S3}, {T::WartFaktWylicz, P::S3}, {T::Reguly, P::Brak}};
    case Polecenie::DrukTabReg: return {{T::Systemy, P::Brak}, {T::Reguly, P::Brak}};
    case Polecenie::OtwTabTraj: return {{T::Systemy, P::S1}, {T::Trajektoria, P::Brak}};
    case Polecenie::OtwTabPlikMult: return {{T::PlikiMult, P::Brak}};
    case Polecenie::KontrSpojnBazy:
        return {{T::Systemy, P::S4}, {T::Fakty, P::S4}, {T::WartFaktWylicz, P::S4}, {T::Stale, P::S4},
                {T::Reguly, P::S4}};
    case Polecenie::WyborSyst:
        return {{T::Systemy, P::S5}, {T::Fakty, P::S5}, {T::WartFaktWylicz, P::S5}, {T::Stale, P::S5},
                {T::Reguly, P::S5}, {T::Trajektoria, P::S5}};
    case Polecenie::DrukTabStale: return {{T::Systemy, P::Brak}, {T::Stale, P::Brak}};
    case Polecenie::DrukTabTraj: return {{T::Systemy, P::Brak}, {T::Trajektoria, P::Brak}};
    case Polecenie::DrukTabPlikMult: return {{T::PlikiMult, P::Brak}};
    case Polecenie::DrukTabPlikMultSyst:
        return {{T::Systemy, P::Brak}, {T::Fakty, P::Brak}, {T::Reguly, P::Brak}, {T::PlikiMult, P::Brak}};
    case Polecenie::ZapisFaktPlik: return {{T::Systemy, P::Brak}, {T::Fakty, P::Brak}, {T::WartFaktWylicz, P::Brak}};
    }
    return {};
}

bool czyDruk(Polecenie p)
{
    return p == Polecenie::DrukTabSyst || p == Polecenie::DrukTabFakt || p == Polecenie::DrukTabReg ||
           p == Polecenie::DrukTabStale || p == Polecenie::DrukTabTraj || p == Polecenie::DrukTabPlikMultSyst;
}

// "Stwierdzono brak na dysku pliku <file> <phrase>."
QString brakPliku(Tabela t)
{
    const OpisTabeli &o = opisTabeli(t);
    return QStringLiteral("Stwierdzono brak na dysku pliku ") + o.plik() + u' ' + o.fraza + u'.';
}

} // namespace

QString komunikatBrakPliku(Tabela t, const QString &przyrostek)
{
    return brakPliku(t) + QStringLiteral("\n\rOpcja nie zostanie zrealizowana.") + przyrostek;
}

QString komunikatBrakTabeliIlustracjiFaktow()
{
    return brakPliku(Tabela::PlikiMult) + QStringLiteral("\n\rObrazy i filmy ilustrujące fakty nie będą dostępne.");
}

QString komunikatWadliwyPlik(const QString &problem, const QString &przyrostek)
{
    return problem + QStringLiteral("\n\rOpcja nie zostanie zrealizowana.") + przyrostek;
}

QString komunikatPustaTabelaSyst()
{
    return QStringLiteral("Tabela systemów eksperckich (baz wiedzy) pusta. Opcja nie zostanie zrealizowana.");
}

std::optional<QString> sprawdzWarunki(Polecenie p, Baza &baza)
{
    baza.synchronizuj();
    for (const Wymog &w : wymogi(p)) {
        if (!baza.plikIstnieje(w.tabela))
            return komunikatBrakPliku(w.tabela, w.przyrostek);
        // A file that is there but is not the table it should be is never taken for one.
        if (const auto problem = baza.problemPliku(w.tabela))
            return komunikatWadliwyPlik(*problem, w.przyrostek);
    }
    if (czyDruk(p) && baza.liczbaRekordow(Tabela::Systemy) <= 0)
        return komunikatPustaTabelaSyst();
    return std::nullopt;
}

} // namespace tremida
