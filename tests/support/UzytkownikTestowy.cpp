#include "UzytkownikTestowy.h"

#include "inference/PrzypiszWartFakt.h"
#include "store/Konwersje.h"

namespace tremida::test {

void UzytkownikTestowy::czytajFakt(TKontekstCzytFakt &k)
{
    zdarzenia << QStringLiteral("pytanie %1").arg(k.fakt.IdFakt);
    const PokazKomunikat pokaz = [this](const QString &t) { zdarzenia << t; };
    const QList<Odp> lista = odpowiedzi.value(k.fakt.IdFakt);
    WynikPrzypisania wynik;
    if (k.fakt.TypFakt == QStringLiteral("wyliczeniowy")) {
        QList<TWierszWylicz> wiersze;
        for (const auto &w : k.wartosci) {
            TWierszWylicz r{w.IdWartFaktWylicz, w.CzyFaktMaWartAkt, realNaTekst(w.CFWartFaktWyliczAkt.value_or(0))};
            for (const Odp &o : lista)
                if (o.wart == w.WartFaktWylicz)
                    r = {w.IdWartFaktWylicz, QStringLiteral("tak"), o.cf};
            wiersze << r;
        }
        wynik = PrzypiszWartFaktWylicz(baza, konfig, k.fakt, wiersze, pokaz);
    } else {
        const Odp o = lista.value(0, {QStringLiteral("???"), QString()});
        wynik = PrzypiszWartFaktSkalar(baza, konfig, k.fakt, o.wart, o.cf, pokaz);
    }
    // As the dialog: a value that could not be saved closes it without OK.
    k.zamknietyOk = wynik != WynikPrzypisania::BladZapisu;
}

void UzytkownikTestowy::pokazKonkluzje(const TWizKonkl &w)
{
    zdarzenia << QStringLiteral("konkluzja %1 cf=%2 zagreg=%3 %4 obrazy=%5 filmy=%6")
                     .arg(w.idReg)
                     .arg(realNaTekst(w.cfKonkl), realNaTekst(w.cfZagreg), w.rodzFakt)
                     .arg(w.liczbaObrazow)
                     .arg(w.liczbaFilmow);
}

void UzytkownikTestowy::pokazFalsyfikacje(const QString &, const QStringList &kandydaci)
{
    zdarzenia << QStringLiteral("falsyfikacja ") + kandydaci.join(u'|');
}

void UzytkownikTestowy::uwagaFazyMieszanej(int faza)
{
    if (zapisujFazy)
        zdarzenia << QStringLiteral("faza %1").arg(faza);
}

} // namespace tremida::test
