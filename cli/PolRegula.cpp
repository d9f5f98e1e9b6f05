// check-rule: the one-rule syntax check of a stored rule.

#include "Cli.h"

#include "rules/KontrReg.h"
#include "store/KontrRegula.h"
#include "store/Konwersje.h"
#include "store/Warunki.h"

namespace tremida::cli {

int polecenieCheckRule(Kontekst &k, const QStringList &argumenty)
{
    bool json = false;
    QStringList reszta;
    for (const QString &a : argumenty) {
        if (a == QStringLiteral("--json"))
            json = true;
        else
            reszta.append(a);
    }
    const QString polecenie = QStringLiteral("check-rule");
    if (reszta.size() != 1 || reszta[0].startsWith(QStringLiteral("--")))
        return bladUzycia(k, polecenie, QStringLiteral("Podaj kod jednej reguły."));
    const auto idReg = tekstNaInt(reszta[0]);
    if (!idReg)
        return bladUzycia(k, polecenie, QStringLiteral("Kod reguły musi być liczbą całkowitą."));
    auto pokaz = [&](const QString &t) { json ? k.komunikatJson(t) : k.komunikat(t); };

    if (!k.baza.plikIstnieje(Tabela::Reguly) || !k.baza.czyDolaczona(Tabela::Reguly)) {
        pokaz(komunikatBrakPliku(Tabela::Reguly));
        return Porazka;
    }
    QString bladOdczytu;
    const auto regula = regulaOKodzie(k.baza, *idReg, &bladOdczytu);
    if (!regula) {
        pokaz(bladOdczytu.isEmpty() ? QStringLiteral("Reguły o kodzie %1 nie znaleziono w tabeli reguł.").arg(*idReg)
                                    : bladOdczytu);
        return Porazka;
    }

    TDaneReg dane;
    QString blad;
    if (!dane.wczytaj(k.baza, regula->KodSyst, &blad)) {
        pokaz(blad);
        return Porazka;
    }
    const TWynikKontrSkladni wynik = KontrSkladniReg(polaZRekordu(*regula), dane, k.konfig);
    for (const QString &t : wynik.komunikaty())
        pokaz(t);
    return wynik.poprawna ? Sukces : Porazka;
}

} // namespace tremida::cli
