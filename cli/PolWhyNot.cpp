// why-not: why the last run of a system did not reach a conclusion.

#include "WypisWyjasnien.h"

namespace tremida::cli {

int polecenieWhyNot(Kontekst &k, const QStringList &argumenty)
{
    const QString pol = QStringLiteral("why-not");
    std::optional<int> kodSyst;
    std::optional<QString> konkluzja;
    bool json = false;
    for (const QString &a : argumenty) {
        if (a == u"--json")
            json = true;
        else if (!kodSyst && kodArgumentu(a))
            kodSyst = kodArgumentu(a);
        else if (kodSyst && !konkluzja)
            konkluzja = a;
        else
            return bladUzycia(k, pol, QStringLiteral("Nieznany argument: %1").arg(a));
    }
    if (!kodSyst || !konkluzja)
        return bladUzycia(k, pol, QStringLiteral("Podaj kod systemu i tekst konkluzji."));
    const TWynikWyjasnienia w = wyjasnienia::dlaczegoNie(k.baza, k.konfig, *kodSyst, *konkluzja);
    return wypiszWyjasnienie(k, w, json, QString(), QStringLiteral("drzewo"), true);
}

} // namespace tremida::cli
