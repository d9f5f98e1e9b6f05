// explain: the trees of fired rules that led to the conclusions of a system's last run.

#include "WypisWyjasnien.h"

namespace tremida::cli {

int polecenieExplain(Kontekst &k, const QStringList &argumenty)
{
    const QString pol = QStringLiteral("explain");
    ArgumentyWyjasnien a;
    if (const auto blad = czytajArgumentyWyjasnien(k, pol, argumenty, MiejsceKonkluzji::PoOpcji, a))
        return *blad;
    if (!a.kod)
        return bladUzycia(k, pol, QStringLiteral("Podaj kod systemu."));
    const TWynikWyjasnienia w = wyjasnienia::jak(k.baza, k.konfig, *a.kod, a.konkluzja);
    QString naglowek;
    if (!w.blad) {
        const TPrzebiegWnios &p = w.przebieg;
        naglowek = p.pusty() ? QStringLiteral("System %1 „%2”: w tabeli trajektorii brak kroków ostatniego przebiegu "
                                              "wnioskowania.")
                                   .arg(p.kodSyst)
                                   .arg(p.nazSyst)
                             : QStringLiteral("System %1 „%2”; ostatni przebieg wnioskowania: %3, %4, kroków %5, "
                                              "\"odpaleń\" reguł %6.")
                                   .arg(p.kodSyst)
                                   .arg(p.nazSyst, p.metoda(), p.data())
                                   .arg(p.kroki.size())
                                   .arg(p.odpalenia.size());
        if (const auto hip = p.hipoteza())
            naglowek += QStringLiteral("\nHipoteza główna: ") + *hip;
        if (!p.pusty() && w.drzewa.isEmpty())
            naglowek += QStringLiteral("\nW ostatnim przebiegu wnioskowania nie została osiągnięta żadna konkluzja.");
    }
    return wypiszWyjasnienie(k, w, a.json, naglowek, QStringLiteral("drzewa"), false);
}

} // namespace tremida::cli
