#include "OpcjePrzebiegu.h"

#include "store/Konwersje.h"

namespace tremida::cli {

std::optional<int> czytajOpcjePrzebiegu(
    Kontekst &k, const QString &pol, const QStringList &argumenty, TOpcjePrzebiegu &opcje,
    const std::function<TOpcjaWlasna(const QString &argument, const QString *nastepny)> &wlasna)
{
    TSkryptPrzebiegu &skrypt = opcje.skrypt;
    std::optional<int> kodSyst;
    QString metoda;
    for (qsizetype i = 0; i < argumenty.size(); ++i) {
        const QString &a = argumenty[i];
        const bool jestNastepny = i + 1 < argumenty.size();
        TOpcjaWlasna w;
        if (a == u"--method" && jestNastepny) {
            metoda = argumenty[++i];
        } else if (a == u"--hypothesis" && jestNastepny) {
            skrypt.hipoteza = argumenty[++i];
        } else if (a == u"--facts" && jestNastepny) {
            skrypt.plikFaktow = argumenty[++i];
        } else if (a == u"--no-verify") {
            skrypt.weryfikacja = false;
        } else if (a == u"--answers" && jestNastepny) {
            opcje.plikOdpowiedzi = argumenty[++i];
        } else if (a == u"--close-after" && jestNastepny) {
            const auto n = tekstNaInt(argumenty[++i]);
            if (!n || *n < 1)
                return bladUzycia(k, pol, QStringLiteral("--close-after wymaga liczby całkowitej dodatniej."));
            skrypt.zamknijPo = *n;
        } else if (a == u"--set" && jestNastepny) {
            if (const auto blad = ustawParametr(k.konfig, argumenty[++i]))
                return bladUzycia(k, pol, tekstDoWyswietlenia(*blad));
        } else if (a == u"--falsify" && jestNastepny) {
            skrypt.falsyfikujace << argumenty[++i];
        } else if (a == u"--falsify-all") {
            skrypt.falsyfikujWszystkie = true;
        } else if (a == u"--json") {
            opcje.json = true;
        } else if (wlasna && a.startsWith(QStringLiteral("--")) &&
                   ((w = wlasna(a, jestNastepny ? &argumenty[i + 1] : nullptr)).zuzyte > 0 || !w.blad.isEmpty())) {
            if (!w.blad.isEmpty())
                return bladUzycia(k, pol, w.blad);
            i += w.zuzyte - 1;
        } else if (!a.startsWith(u'-') && !kodSyst) {
            kodSyst = tekstNaInt(a);
            if (!kodSyst)
                return bladUzycia(k, pol, QStringLiteral("Kod systemu musi być liczbą całkowitą."));
        } else {
            return bladUzycia(k, pol, QStringLiteral("Nieznany argument: %1").arg(a));
        }
    }
    if (!kodSyst)
        return bladUzycia(k, pol, QStringLiteral("Podaj kod systemu."));
    const auto metodaWnios = metodaONazwie(metoda);
    if (!metodaWnios)
        return bladUzycia(k, pol, QStringLiteral("Podaj --method forward, backward lub mixed."));
    if (*metodaWnios != MetodaWnios::WPrzod && skrypt.hipoteza.isEmpty())
        return bladUzycia(k, pol, QStringLiteral("Metoda %1 wymaga --hypothesis.").arg(metoda));
    skrypt.kodSyst = *kodSyst;
    skrypt.metoda = *metodaWnios;
    return std::nullopt;
}

} // namespace tremida::cli
