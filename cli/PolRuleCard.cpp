// rule-card: the card of one rule (texts, syntax check, structure, facts and constants).

#include "WypisWyjasnien.h"

namespace tremida::cli {

int polecenieRuleCard(Kontekst &k, const QStringList &argumenty)
{
    const QString pol = QStringLiteral("rule-card");
    ArgumentyWyjasnien a;
    if (const auto blad = czytajArgumentyWyjasnien(k, pol, argumenty, MiejsceKonkluzji::Brak, a))
        return *blad;
    if (!a.kod)
        return bladUzycia(k, pol, QStringLiteral("Podaj kod reguły."));
    const TWynikWyjasnienia w = wyjasnienia::kartaReguly(k.baza, k.konfig, *a.kod);
    return wypiszWyjasnienie(k, w, a.json, QString(), QStringLiteral("karta"), true);
}

} // namespace tremida::cli
