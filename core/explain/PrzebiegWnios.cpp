#include "PrzebiegWnios.h"

#include "DostepWyjasn.h"
#include "inference/DostepWnios.h"
#include "rules/Logika.h"
#include "rules/Skaner.h"
#include "store/Slowa.h"

#include <QMap>
#include <QSet>
#include <climits>

namespace tremida {

std::optional<TKluczKonkl> kluczKonkluzji(const QString &tekst)
{
    const auto k = SkanujKonkl(tekst);
    if (!k)
        return std::nullopt;
    return TKluczKonkl{k->nazFakt, k->wart};
}

bool TPrzebiegWnios::wczytaj(Baza &baza, int kod, TZakresKrokow zakres)
{
    *this = TPrzebiegWnios();
    kodSyst = kod;
    const auto syst = dostep::system(baza, kod);
    if (!syst)
        return false;
    nazSyst = syst->NazSyst;
    m_regulySystemu = wyjasn::regulySystemu(baza, kod);
    for (const TRekReg &r : m_regulySystemu)
        m_reguly.insert(r.IdReg, r);
    kroki = wyjasn::krokiSystemu(baza, kod, zakres == TZakresKrokow::Odpalenia);
    for (int i = 0; i < kroki.size(); ++i) {
        const TRekTraj &t = kroki[i];
        if (!m_reguly.contains(t.KodRegTraj)) {
            // A step may name a rule moved to another system since; a rule that is gone stays
            // unknown.
            if (const auto r = dostep::regula(baza, t.KodRegTraj))
                m_reguly.insert(r->IdReg, *r);
        }
        if (t.CzyOdpalTraj != slowa::Tak)
            continue;
        TOdpalenie o;
        o.indeks = i;
        o.krok = t.IdKrokTraj;
        o.idReg = t.KodRegTraj;
        o.kierunek = t.KierWniTraj;
        o.cf = t.CFKonklRegTraj.value_or(0.0);
        if (const TRekReg *r = regula(t.KodRegTraj)) {
            o.konkl = r->KonklReg;
            o.klucz = kluczKonkluzji(r->KonklReg);
        }
        odpalenia.append(o);
    }
    return true;
}

const TRekReg *TPrzebiegWnios::regula(int idReg) const
{
    const auto it = m_reguly.constFind(idReg);
    return it == m_reguly.constEnd() ? nullptr : &*it;
}

bool TPrzebiegWnios::maKierunek(const QString &kierunek) const
{
    for (const TRekTraj &t : kroki)
        if (t.KierWniTraj == kierunek)
            return true;
    return false;
}

QString TPrzebiegWnios::metoda() const
{
    if (kroki.isEmpty())
        return {};
    const bool wprzod = maKierunek(slowa::WPrzod);
    const bool wstecz = maKierunek(slowa::Wstecz) || maKierunek(slowa::Falsyf);
    QString m = wprzod && wstecz ? QStringLiteral("wnioskowanie mieszane")
                : wstecz         ? QStringLiteral("wnioskowanie wstecz")
                                 : QStringLiteral("wnioskowanie w przód");
    if (maKierunek(slowa::Falsyf))
        m += QStringLiteral(" z falsyfikacją hipotezy głównej");
    return m;
}

std::optional<QString> TPrzebiegWnios::hipoteza() const
{
    // Every iteration of a backward run begins with the rules of the main hypothesis.
    for (const TRekTraj &t : kroki) {
        if (t.KierWniTraj != slowa::Wstecz)
            continue;
        if (const TRekReg *r = regula(t.KodRegTraj))
            return r->KonklReg;
        return std::nullopt;
    }
    return std::nullopt;
}

QString TPrzebiegWnios::data() const { return kroki.isEmpty() ? QString() : kroki.first().DataRek; }

QList<TKonkluzjaPrzebiegu> TPrzebiegWnios::konkluzje() const
{
    QList<TKonkluzjaPrzebiegu> wynik;
    for (const TOdpalenie &o : odpalenia) {
        if (!o.klucz)
            continue;
        bool jest = false;
        for (const TKonkluzjaPrzebiegu &k : wynik)
            jest = jest || k.klucz == *o.klucz;
        if (!jest)
            wynik.append({o.konkl, *o.klucz});
    }
    return wynik;
}

QList<int> TPrzebiegWnios::odpaleniaKonkluzji(const TKluczKonkl &klucz, int przedKrokiem) const
{
    QList<int> wynik;
    for (int i = 0; i < odpalenia.size(); ++i)
        if (odpalenia[i].krok < przedKrokiem && odpalenia[i].klucz == klucz)
            wynik.append(i);
    return wynik;
}

QList<int> TPrzebiegWnios::odpaleniaFaktu(const QString &fakt, int przedKrokiem) const
{
    QList<int> wynik;
    for (int i = 0; i < odpalenia.size(); ++i)
        if (odpalenia[i].krok < przedKrokiem && odpalenia[i].klucz && odpalenia[i].klucz->fakt == fakt)
            wynik.append(i);
    return wynik;
}

double TPrzebiegWnios::zagregowany(const QList<TOdpalenie> &wszystkie, const QList<int> &odp,
                                   const TParKonfig &konfig)
{
    QMap<int, double> ostatni; // rule code -> CF of its last firing; QMap keeps code order
    for (int i : odp)
        ostatni[wszystkie[i].idReg] = wszystkie[i].cf;
    std::optional<double> agreg;
    for (double cf : ostatni)
        agreg = agreg ? SNormaCF(konfig.SNormaKonkl, *agreg, cf) : cf;
    return agreg.value_or(0.0);
}

QList<TPokazana> TPrzebiegWnios::pokazane(const TParKonfig &konfig) const
{
    const std::optional<QString> hip = hipoteza();
    const std::optional<TKluczKonkl> kluczHip = hip ? kluczKonkluzji(*hip) : std::nullopt;
    auto pokazana = [&](const TOdpalenie &o) {
        if (o.kierunek == slowa::WPrzod)
            return !hip || o.konkl == *hip;
        if (o.kierunek == slowa::Wstecz)
            return hip && o.konkl == *hip;
        // Falsification shows the conclusions about the hypothesis's fact other than it.
        if (!kluczHip)
            return true;
        return o.klucz && o.klucz->fakt == kluczHip->fakt && o.konkl != *hip;
    };
    QList<TPokazana> wynik;
    for (int i = 0; i < odpalenia.size(); ++i) {
        const TOdpalenie &o = odpalenia[i];
        if (o.konkl.isEmpty() || !pokazana(o))
            continue;
        QList<int> dotad;
        for (int j = 0; j <= i; ++j)
            if (odpalenia[j].kierunek == o.kierunek && odpalenia[j].konkl == o.konkl)
                dotad.append(j);
        wynik.append({i, zagregowany(odpalenia, dotad, konfig)});
    }
    return wynik;
}

} // namespace tremida
