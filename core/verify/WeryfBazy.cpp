#include "WeryfBazy.h"

#include "KontrBazy.h"
#include "Odczyt.h"
#include "rules/DaneReg.h"
#include "store/Rekordy.h"

namespace tremida {

namespace {

const QString ParIdSyst = QStringLiteral(":ParIdSyst");

} // namespace

QString opisPrzebiegu(PrzebiegWeryf przebieg, bool pelna)
{
    switch (przebieg) {
    case PrzebiegWeryf::Fakty:
        return pelna ? QStringLiteral("Pełna weryfikacja faktów:") : QStringLiteral("Skrócona weryfikacja faktów:");
    case PrzebiegWeryf::Stale:
        return QStringLiteral("Pełna weryfikacja stałych:");
    case PrzebiegWeryf::Reguly:
        return QStringLiteral("Pełna weryfikacja reguł:");
    }
    return QString();
}

QString komunikatBazaZweryfikowana()
{
    return QStringLiteral("Baza wiedzy została zweryfikowana. Celem kontynuacji procesu wnioskowania, wybierz teraz "
                          "opcję menu głównego Wnioskowanie-Realizacja procesu wnioskowania.");
}

namespace {

TWynikWeryf weryfikuj(Baza &baza, const TParKonfig &konfig, int kodSyst, bool pelna, const TWidokWeryf &widok)
{
    TWynikWeryf wynik;
    auto komunikat = [&](const QString &t) {
        if (widok.komunikat)
            widok.komunikat(t);
    };
    auto postep = [&](PrzebiegWeryf p, int poz, int maks) {
        if (widok.postep)
            widok.postep(p, poz, maks);
    };
    auto ok = [&](PrzebiegWeryf p) {
        if (widok.ok)
            widok.ok(p);
    };
    TKontrBazy kontr(baza, konfig, kodSyst, TrybKontrBazy::Weryfikacja,
                     [&](const TUsterkaBazy &u) { komunikat(u.tekst); });

    if (!pelna) {
        const auto fakty = weryf::czytajRekordy<TRekFakt>(
            baza, Tabela::Fakty,
            QStringLiteral("SELECT * FROM fakty WHERE KodSyst=:ParIdSyst AND (RodzFakt='wprowadzany') ORDER BY IdFakt"),
            ParIdSyst, kodSyst);
        if (baza.blad())
            return wynik;
        if (fakty.isEmpty()) {
            komunikat(QStringLiteral("Brak faktów wprowadzanych w tabeli faktów. Proces wnioskowania nie będzie "
                                     "możliwy."));
            return wynik;
        }
        const int maks = int(fakty.size());
        for (int n = 0; n < maks; ++n) {
            postep(PrzebiegWeryf::Fakty, n + 1, maks);
            if (!kontr.przygotujFaktWprowadzany(fakty[n]))
                return wynik;
        }
        ok(PrzebiegWeryf::Fakty);
        wynik.czysta = true;
        return wynik;
    }

    // Facts.
    const auto fakty = weryf::czytajRekordy<TRekFakt>(
        baza, Tabela::Fakty, QStringLiteral("SELECT * FROM fakty WHERE KodSyst=:ParIdSyst ORDER BY IdFakt"), ParIdSyst,
        kodSyst);
    if (baza.blad())
        return wynik;
    if (fakty.isEmpty()) {
        postep(PrzebiegWeryf::Fakty, 0, 1);
        komunikat(QStringLiteral("Tabela faktów jest pusta. Proces wnioskowania nie będzie możliwy."));
        return wynik;
    }
    const int maksFakty = int(fakty.size());
    for (int n = 0; n < maksFakty; ++n) {
        postep(PrzebiegWeryf::Fakty, n + 1, maksFakty);
        if (!kontr.kontrFakt(fakty[n]))
            return wynik;
    }
    ok(PrzebiegWeryf::Fakty);

    // Constants.
    const auto stale = weryf::czytajRekordy<TRekStala>(
        baza, Tabela::Stale, QStringLiteral("SELECT * FROM stale WHERE KodSyst=:ParIdSyst ORDER BY IdStala"), ParIdSyst,
        kodSyst);
    if (baza.blad())
        return wynik;
    if (stale.isEmpty()) {
        postep(PrzebiegWeryf::Stale, 0, 1);
        komunikat(QStringLiteral("Tabela stałych bazy wiedzy jest pusta.\n\rJest to dopuszczalne, jeśli w regułach nie "
                                 "występują stałe.\n\rObecność stałych w regułach będzie jeszcze skontrolowana.\n\r"
                                 "Proces weryfikacji będzie kontynuowany"));
    }
    const int maksStale = int(stale.size());
    for (int n = 0; n < maksStale; ++n) {
        postep(PrzebiegWeryf::Stale, n + 1, maksStale);
        if (!kontr.kontrStala(stale[n]))
            return wynik;
    }
    ok(PrzebiegWeryf::Stale);

    // Rules, checked against the tables as the passes before left them.
    kontr.wyczyscZastrzezenia();
    const auto reguly = weryf::czytajRekordy<TRekReg>(
        baza, Tabela::Reguly, QStringLiteral("SELECT * FROM reguly WHERE KodSyst=:ParIdSyst ORDER BY IdReg"), ParIdSyst,
        kodSyst);
    if (baza.blad())
        return wynik;
    if (reguly.isEmpty()) {
        postep(PrzebiegWeryf::Reguly, 0, 1);
        komunikat(QStringLiteral("Tabela reguł bazy wiedzy jest pusta.\n\rProces wnioskowania nie będzie możliwy."));
        return wynik;
    }
    TDaneReg dane;
    if (!dane.wczytaj(baza, kodSyst) && baza.blad())
        return wynik;
    const int maksReguly = int(reguly.size());
    for (int n = 0; n < maksReguly; ++n) {
        postep(PrzebiegWeryf::Reguly, n + 1, maksReguly);
        if (!kontr.kontrRegula(reguly[n], dane))
            return wynik;
    }
    wynik.zZastrzezeniami = kontr.zastrzezenia();
    if (wynik.zZastrzezeniami)
        komunikat(QStringLiteral("Składnia i dane reguł systemu eksperckiego poprawne z zastrzeżeniami."));
    ok(PrzebiegWeryf::Reguly);
    wynik.czysta = true;
    return wynik;
}

} // namespace

TWynikWeryf WeryfikujBazeWiedzy(Baza &baza, const TParKonfig &konfig, int kodSyst, bool pelna,
                                const TWidokWeryf &widok)
{
    // Every reset is kept, whatever the outcome of the checks: the transaction only makes the
    // run fast. A failed read or write ends the verification and undoes its resets.
    Transakcja transakcja(baza);
    TWynikWeryf wynik;
    if (transakcja.zajmij({Tabela::Fakty, Tabela::WartFaktWylicz}))
        wynik = weryfikuj(baza, konfig, kodSyst, pelna, widok);
    if (const auto b = transakcja.zakoncz()) {
        wynik = TWynikWeryf();
        if (widok.komunikat)
            widok.komunikat(komunikatBleduBazy(*b, ogon::Weryfikacja));
    }
    return wynik;
}

} // namespace tremida
