// explain: the trees of fired rules that led to the conclusions of a system's last run.

#include "WypisWyjasnien.h"

namespace tremida::cli {

int polecenieExplain(Kontekst &k, const QStringList &argumenty)
{
    return wykonajPolecenieWyjasnien(
        k, argumenty,
        {QStringLiteral("explain"), MiejsceKonkluzji::PoOpcji, false, QStringLiteral("Podaj kod systemu."),
         QStringLiteral("drzewa"), false},
        [&k](const ArgumentyWyjasnien &a, QString &naglowek) {
            const TWynikWyjasnienia w = wyjasnienia::jak(k.baza, k.konfig, *a.kod, a.konkluzja);
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
            return w;
        });
}

} // namespace tremida::cli
