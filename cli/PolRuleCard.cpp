// rule-card: the card of one rule (texts, syntax check, structure, facts and constants).

#include "WypisWyjasnien.h"

namespace tremida::cli {

int polecenieRuleCard(Kontekst &k, const QStringList &argumenty)
{
    const QString pol = QStringLiteral("rule-card");
    std::optional<int> idReg;
    bool json = false;
    for (const QString &a : argumenty) {
        if (a == u"--json")
            json = true;
        else if (!idReg && kodArgumentu(a))
            idReg = kodArgumentu(a);
        else
            return bladUzycia(k, pol, QStringLiteral("Nieznany argument: %1").arg(a));
    }
    if (!idReg)
        return bladUzycia(k, pol, QStringLiteral("Podaj kod reguły."));
    const TWynikWyjasnienia w = wyjasnienia::kartaReguly(k.baza, k.konfig, *idReg);
    return wypiszWyjasnienie(k, w, json, QString(), QStringLiteral("karta"), true);
}

} // namespace tremida::cli
