// rule-card: the card of one rule (texts, syntax check, structure, facts and constants).

#include "WypisWyjasnien.h"

namespace tremida::cli {

int polecenieRuleCard(Kontekst &k, const QStringList &argumenty)
{
    return wykonajPolecenieWyjasnien(
        k, argumenty,
        {QStringLiteral("rule-card"), MiejsceKonkluzji::Brak, false, QStringLiteral("Podaj kod reguły."),
         QStringLiteral("karta"), true},
        [&k](const ArgumentyWyjasnien &a, QString &) { return wyjasnienia::kartaReguly(k.baza, k.konfig, *a.kod); });
}

} // namespace tremida::cli
