#include "Wyjasnienia.h"

#include "DlaczegoNie.h"
#include "DostepWyjasn.h"
#include "DrzewoOdpalen.h"
#include "KartaReg.h"
#include "inference/DostepWnios.h"
#include "rules/DaneReg.h"

namespace tremida {

QJsonObject TWynikWyjasnienia::opisJson() const
{
    QJsonObject syst{{QStringLiteral("kod"), przebieg.kodSyst}, {QStringLiteral("nazwa"), przebieg.nazSyst}};
    const auto hip = przebieg.hipoteza();
    QJsonObject p{{QStringLiteral("metoda"), przebieg.metoda()},
                  {QStringLiteral("data"), przebieg.data()},
                  {QStringLiteral("hipoteza"), hip ? QJsonValue(*hip) : QJsonValue()},
                  {QStringLiteral("liczbaKrokow"), int(przebieg.kroki.size())},
                  {QStringLiteral("liczbaOdpalen"), int(przebieg.odpalenia.size())}};
    return {{QStringLiteral("system"), syst}, {QStringLiteral("przebieg"), p}};
}

namespace wyjasnienia {

namespace {

QString brakSystemu(int kodSyst) { return QStringLiteral("System ekspercki o kodzie %1 nie istnieje.").arg(kodSyst); }

// Tests the files, reads the run and the system's facts, values and constants; false with
// the message in w.blad.
bool wczytaj(Baza &baza, int kodSyst, TWynikWyjasnienia &w, TDaneReg &dane, const TOdczytWyjasn &odczyt,
             TZakresKrokow zakres)
{
    QString blad;
    if (!w.przebieg.wczytaj(baza, kodSyst, zakres))
        w.blad = odczyt.blad() ? *odczyt.blad() : brakSystemu(kodSyst);
    else if (!dane.wczytaj(baza, kodSyst, &blad))
        w.blad = odczyt.blad() ? *odczyt.blad() : blad;
    return !w.blad;
}

// The end of a call: a read that failed on the way makes the whole answer a failure.
TWynikWyjasnienia zakoncz(TWynikWyjasnienia w, const TOdczytWyjasn &odczyt)
{
    if (const auto b = odczyt.blad()) {
        w.blad = b;
        w.drzewa.clear();
    }
    return w;
}

} // namespace

namespace {

// The frame of an explanation of a system's run: the files tested, one reading, the run and
// the system's facts, values and constants read, then `buduj` fills the trees (or the error).
template <typename Buduj>
TWynikWyjasnienia wyjasnienieSystemu(Baza &baza, int kodSyst, TZakresKrokow zakres, Buduj buduj)
{
    TWynikWyjasnienia w;
    if ((w.blad = wyjasn::warunkiWyjasnien(baza)))
        return w;
    TOdczytWyjasn odczyt(baza);
    TDaneReg dane;
    if (!wczytaj(baza, kodSyst, w, dane, odczyt, zakres))
        return w;
    buduj(w, dane);
    return zakoncz(std::move(w), odczyt);
}

QString nieKonkluzja(const QString &tekst)
{
    return QStringLiteral("Tekst %1 nie jest konkluzją postaci [fakt]=[wartość].").arg(tekst.trimmed());
}

} // namespace

TWynikWyjasnienia jak(Baza &baza, const TParKonfig &konfig, int kodSyst, const std::optional<QString> &konkluzja,
                      TZakresKrokow zakres)
{
    return wyjasnienieSystemu(baza, kodSyst, zakres, [&](TWynikWyjasnienia &w, const TDaneReg &dane) {
        const TDrzewoOdpalen budowa(w.przebieg, dane, konfig);
        if (!konkluzja) {
            w.drzewa = budowa.wszystkie();
        } else if (!kluczKonkluzji(*konkluzja)) {
            w.blad = nieKonkluzja(*konkluzja);
        } else if (auto d = budowa.drzewo(*konkluzja)) {
            w.drzewa.append(*d);
        } else {
            w.blad = QStringLiteral("Konkluzja %1 nie została osiągnięta w ostatnim przebiegu wnioskowania systemu o "
                                    "kodzie %2. Odpowiedź na pytanie, dlaczego, daje „dlaczego nie”.")
                         .arg(konkluzja->trimmed())
                         .arg(kodSyst);
        }
    });
}

TWynikWyjasnienia dlaczegoNie(Baza &baza, const TParKonfig &konfig, int kodSyst, const QString &konkluzja)
{
    return wyjasnienieSystemu(baza, kodSyst, TZakresKrokow::Wszystkie, [&](TWynikWyjasnienia &w, const TDaneReg &dane) {
        const TDlaczegoNie budowa(baza, w.przebieg, dane, konfig);
        if (auto d = budowa.drzewo(konkluzja))
            w.drzewa.append(*d);
        else
            w.blad = nieKonkluzja(konkluzja);
    });
}

TWynikWyjasnienia kartaReguly(Baza &baza, const TParKonfig &konfig, int idReg)
{
    TWynikWyjasnienia w;
    if ((w.blad = wyjasn::warunkiWyjasnien(baza)))
        return w;
    TOdczytWyjasn odczyt(baza);
    const auto reg = dostep::regula(baza, idReg);
    if (!reg) {
        w.blad = odczyt.blad() ? *odczyt.blad() : QStringLiteral("Reguły o kodzie %1 nie znaleziono w tabeli reguł.").arg(idReg);
        return w;
    }
    w.przebieg.kodSyst = reg->KodSyst;
    if (const auto s = dostep::system(baza, reg->KodSyst))
        w.przebieg.nazSyst = s->NazSyst;
    TDaneReg dane;
    QString blad;
    if (!dane.wczytaj(baza, reg->KodSyst, &blad)) {
        w.blad = odczyt.blad() ? *odczyt.blad() : blad;
        return w;
    }
    w.drzewa.append(KartaReguly(*reg, w.przebieg.nazSyst, dane, konfig));
    return zakoncz(std::move(w), odczyt);
}

QStringList konkluzjePrzebiegu(Baza &baza, int kodSyst)
{
    QStringList wynik;
    if (wyjasn::warunkiWyjasnien(baza))
        return wynik;
    TOdczytWyjasn odczyt(baza);
    TPrzebiegWnios p;
    if (!p.wczytaj(baza, kodSyst, TZakresKrokow::Odpalenia) || odczyt.blad())
        return wynik;
    for (const TKonkluzjaPrzebiegu &k : p.konkluzje())
        wynik << k.tekst;
    return wynik;
}

} // namespace wyjasnienia
} // namespace tremida
