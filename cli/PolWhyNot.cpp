// why-not: why the last run of a system did not reach a conclusion.

#include "WypisWyjasnien.h"

namespace tremida::cli {

int polecenieWhyNot(Kontekst &k, const QStringList &argumenty)
{
    const QString pol = QStringLiteral("why-not");
    ArgumentyWyjasnien a;
    if (const auto blad = czytajArgumentyWyjasnien(k, pol, argumenty, MiejsceKonkluzji::PoKodzie, a))
        return *blad;
    if (!a.kod || !a.konkluzja)
        return bladUzycia(k, pol, QStringLiteral("Podaj kod systemu i tekst konkluzji."));
    const TWynikWyjasnienia w = wyjasnienia::dlaczegoNie(k.baza, k.konfig, *a.kod, *a.konkluzja);
    return wypiszWyjasnienie(k, w, a.json, QString(), QStringLiteral("drzewo"), true);
}

} // namespace tremida::cli
