#include "JezykReg.h"

#include "KomunikatyWnios.h"
#include "rules/KontrReg.h"

namespace tremida::jezyk {

TRamkaWnios::TRamkaWnios()
{
    ogon = kom::przerwanie();
    ostatniaLiniaP3 = QStringLiteral("Proces wnioskowania będzie mimo wszystko kontynuowany.");
}

QString TRamkaWnios::szczegol(IdUsterki id) const
{
    if (id == IdUsterki::P4)
        return QStringLiteral("Błąd składni reguły. Stwierdzono inny niż \"=\" operator w odniesieniu do faktu "
                              "wyliczeniowego.");
    return TRamkaReg::szczegol(id);
}

QString TRamkaWnios::komunikat(const TUsterkaReg &u) const
{
    // Constants are resolved against the actual facts: their findings name the premise only.
    if (literaUsterki(u.id) == u'C')
        return kom::ramkaB(u.kodReg, u.nrPrzes, kom::szczegolStalej(u.id));
    return TRamkaReg::komunikat(u);
}

namespace {
const TRamkaWnios &ramka()
{
    static const TRamkaWnios r;
    return r;
}
} // namespace

QString komunikat(IdUsterki id, const QString &kod, int nrPrzes)
{
    TUsterkaReg u;
    u.id = id;
    u.kodReg = kod;
    u.nrPrzes = nrPrzes;
    return ramka().komunikat(u);
}

std::optional<QString> kontrolaNawiasow(const QString &kod, const QString &przesReg, const QString &konklReg)
{
    const QList<IdUsterki> usterki = UsterkiNawiasow(przesReg, konklReg);
    if (usterki.isEmpty())
        return std::nullopt;
    return komunikat(usterki.first(), kod);
}

TRedukcja redukuj(const QString &tekstTokenow, const QString &kod, const TParKonfig &konfig)
{
    const TWynikRedukcji r = RedukujPolePrzesReg(tekstTokenow, kod, ramka(), konfig);
    TRedukcja wynik;
    switch (r.stan) {
    case TWynikRedukcji::Stan::Token:
        wynik.wartosc = r.wartosc;
        wynik.cf = r.cf;
        break;
    case TWynikRedukcji::Stan::Usterka:
        wynik.komunikat = r.usterki.isEmpty() ? QString() : r.usterki.last().tekst;
        break;
    case TWynikRedukcji::Stan::BezWartosci:
        break;
    }
    return wynik;
}

} // namespace tremida::jezyk
