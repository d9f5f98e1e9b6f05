// write-facts: the values of a system's input facts written to a text file that read-facts
// (and the window reading input-fact values from a file) reads back.

#include "Cli.h"

#include "inference/ZapisFaktPlik.h"
#include "store/Konwersje.h"
#include "store/Warunki.h"

#include <QDate>

namespace tremida::cli {

int polecenieWriteFacts(Kontekst &k, const QStringList &argumenty)
{
    const QString pol = QStringLiteral("write-facts");
    if (argumenty.size() != 2 || argumenty[0].startsWith(u'-') || argumenty[1].startsWith(u'-'))
        return bladUzycia(k, pol, QStringLiteral("Podaj kod systemu i nazwę pliku."));
    const auto kodSyst = tekstNaInt(argumenty[0]);
    if (!kodSyst)
        return bladUzycia(k, pol, QStringLiteral("Kod systemu musi być liczbą całkowitą."));
    if (const auto brak = sprawdzWarunki(tremida::Polecenie::ZapisFaktPlik, k.baza)) {
        k.komunikat(*brak);
        return Porazka;
    }
    const TWynikZapisuFakt wynik = ZapiszWartFaktPlik(k.baza, *kodSyst, argumenty[1], QDate::currentDate());
    if (!wynik.ok) {
        k.komunikat(wynik.blad);
        return Porazka;
    }
    k.komunikat(kom::FaktyZapisaneDoPliku(wynik.liczbaWartosci, argumenty[1]));
    return Sukces;
}

} // namespace tremida::cli
