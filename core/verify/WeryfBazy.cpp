#include "WeryfBazy.h"

#include "KontrBazy.h"
#include "IndeksDanychReg.h"
#include "Odczyt.h"
#include "rules/DaneReg.h"
#include "store/Baza.h"
#include "store/Rekordy.h"

namespace tremida {

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
    // An empty table: its progress bar stands at 0 and the message is shown.
    auto pusta = [&](PrzebiegWeryf p, const QString &t) {
        postep(p, 0, 1);
        komunikat(t);
    };
    // One pass over the records: the progress bar before each check, the first failed
    // check ends the verification (false).
    auto przebieg = [&](PrzebiegWeryf p, const auto &rekordy, const auto &kontrola) {
        const int maks = int(rekordy.size());
        for (int n = 0; n < maks; ++n) {
            postep(p, n + 1, maks);
            if (!kontrola(rekordy[n]))
                return false;
        }
        return true;
    };
    TKontrBazy kontr(baza, konfig, kodSyst, TrybKontrBazy::Weryfikacja,
                     [&](const TUsterkaBazy &u) { komunikat(u.tekst); });

    if (!pelna) {
        const auto wprowadzane = weryf::faktyWprowadzane(baza, kodSyst);
        if (baza.blad())
            return wynik;
        if (wprowadzane.isEmpty()) {
            komunikat(QStringLiteral("Brak faktów wprowadzanych w tabeli faktów. Proces wnioskowania nie będzie "
                                     "możliwy."));
            return wynik;
        }
        if (!przebieg(PrzebiegWeryf::Fakty, wprowadzane,
                      [&](const TRekFakt &f) { return kontr.przygotujFaktWprowadzany(f); }))
            return wynik;
        ok(PrzebiegWeryf::Fakty);
        wynik.czysta = true;
        return wynik;
    }

    // Facts.
    const auto fakty = weryf::fakty(baza, kodSyst);
    if (baza.blad())
        return wynik;
    if (fakty.isEmpty()) {
        pusta(PrzebiegWeryf::Fakty, QStringLiteral("Tabela faktów jest pusta. Proces wnioskowania nie będzie możliwy."));
        return wynik;
    }
    if (!przebieg(PrzebiegWeryf::Fakty, fakty, [&](const TRekFakt &f) { return kontr.kontrFakt(f); }))
        return wynik;
    ok(PrzebiegWeryf::Fakty);

    // Constants: an empty table is allowed, the rules pass checks the constants they use.
    const auto stale = weryf::stale(baza, kodSyst);
    if (baza.blad())
        return wynik;
    if (stale.isEmpty())
        pusta(PrzebiegWeryf::Stale,
              QStringLiteral("Tabela stałych bazy wiedzy jest pusta.\n\rJest to dopuszczalne, jeśli w regułach nie "
                             "występują stałe.\n\rObecność stałych w regułach będzie jeszcze skontrolowana.\n\r"
                             "Proces weryfikacji będzie kontynuowany"));
    if (!przebieg(PrzebiegWeryf::Stale, stale, [&](const TRekStala &s) { return kontr.kontrStala(s); }))
        return wynik;
    ok(PrzebiegWeryf::Stale);

    // Rules, checked against the tables as the passes before left them.
    kontr.wyczyscZastrzezenia();
    const auto reguly = weryf::reguly(baza, kodSyst);
    if (baza.blad())
        return wynik;
    if (reguly.isEmpty()) {
        pusta(PrzebiegWeryf::Reguly,
              QStringLiteral("Tabela reguł bazy wiedzy jest pusta.\n\rProces wnioskowania nie będzie możliwy."));
        return wynik;
    }
    TDaneReg dane;
    if (!dane.wczytaj(baza, kodSyst) && baza.blad())
        return wynik;
    const TIndeksDanychReg indeks(dane);
    if (!przebieg(PrzebiegWeryf::Reguly, reguly, [&](const TRekReg &r) { return kontr.kontrRegula(r, indeks); }))
        return wynik;
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
