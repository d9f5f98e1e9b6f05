// why-not: why the last run of a system did not reach a conclusion.

#include "WypisWyjasnien.h"

namespace tremida::cli {

int polecenieWhyNot(Kontekst &k, const QStringList &argumenty)
{
    return wykonajPolecenieWyjasnien(
        k, argumenty,
        {QStringLiteral("why-not"), MiejsceKonkluzji::PoKodzie, true,
         QStringLiteral("Podaj kod systemu i tekst konkluzji."), QStringLiteral("drzewo"), true},
        [&k](const ArgumentyWyjasnien &a, QString &) {
            return wyjasnienia::dlaczegoNie(k.baza, k.konfig, *a.kod, *a.konkluzja);
        });
}

} // namespace tremida::cli
