// simulate: what-if runs of the inference of a knowledge base on a scratch copy of the tables -
// a baseline run and one run per case of changed input-fact values - and what each case
// changes in the conclusions. The real tables are only read.

#include "Cli.h"
#include "OpcjePrzebiegu.h"

#include "explain/Symulacja.h"
#include "inference/DostepWnios.h"
#include "store/Konwersje.h"
#include "store/Warunki.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tremida::cli {

namespace {

const QString NazwaZmian = QStringLiteral("zmiany");

QString nazwaMetody(MetodaWnios m)
{
    switch (m) {
    case MetodaWnios::WPrzod: return QStringLiteral("wnioskowanie w przód");
    case MetodaWnios::Wstecz: return QStringLiteral("wnioskowanie wstecz");
    case MetodaWnios::Mieszane: return QStringLiteral("wnioskowanie mieszane");
    }
    return {};
}

QString metodaJson(MetodaWnios m)
{
    switch (m) {
    case MetodaWnios::WPrzod: return QStringLiteral("forward");
    case MetodaWnios::Wstecz: return QStringLiteral("backward");
    case MetodaWnios::Mieszane: return QStringLiteral("mixed");
    }
    return {};
}

// A message on one line.
QString wJednejLinii(const QString &t) { return QString(t).replace(QStringLiteral("\n\r"), QStringLiteral(" ")); }

QString opisZmian(const TPrzypadekSymulacji &p)
{
    if (p.zmiany.isEmpty())
        return QStringLiteral("bez zmian wartości faktów");
    QStringList opisy;
    for (const TZmianaFaktu &z : p.zmiany) {
        QStringList wartosci;
        for (const TOdpowiedz &o : z.wartosci)
            wartosci << (o.wartosc == u"???" ? o.wartosc
                                             : QStringLiteral("%1 z CF %2").arg(o.wartosc,
                                                                                 realNaTekst(tekstNaReal(o.cf).value_or(0))));
        opisy << QStringLiteral("[%1] (fakt %2) = %3").arg(z.nazwa).arg(z.idFakt).arg(wartosci.join(QStringLiteral(", ")));
    }
    return opisy.join(QStringLiteral("; "));
}

QString stanPrzebiegu(const TWynikProby &w)
{
    if (!w.wykonana)
        return QStringLiteral("niewykonany");
    return w.przebieg.koniec == KoniecPrzebiegu::Zakonczony ? QStringLiteral("zakończony") : QStringLiteral("przerwany");
}

void wypiszTekst(Kontekst &k, const TSkryptPrzebiegu &skrypt, const QString &nazSyst,
                 const QList<TPrzypadekSymulacji> &przypadki, const TWynikSymulacji &wynik)
{
    QTextStream &o = k.out;
    o << QStringLiteral("Symulacja: system %1 (%2), %3").arg(skrypt.kodSyst).arg(nazSyst, nazwaMetody(skrypt.metoda));
    if (!skrypt.hipoteza.isEmpty())
        o << QStringLiteral(", hipoteza główna %1").arg(skrypt.hipoteza);
    o << ".\n";
    for (const TPrzypadekSymulacji &p : przypadki)
        o << QStringLiteral("Przypadek „%1”: %2.\n").arg(p.nazwa, opisZmian(p));
    o << '\n';

    // The table of conclusions x runs: the baseline's conclusions first, then those that only
    // cases show, in the order they appear.
    QList<const TWynikProby *> przebiegi{&wynik.bazowy};
    QStringList naglowek{QStringLiteral("Konkluzja"), QStringLiteral("przebieg bazowy")};
    for (qsizetype i = 0; i < przypadki.size(); ++i) {
        przebiegi << &wynik.przypadki[i];
        naglowek << przypadki[i].nazwa;
    }
    QList<QList<TKonklWyniku>> konkluzje;
    QStringList wiersze;
    for (const TWynikProby *w : przebiegi) {
        konkluzje << konkluzjeWyniku(*w);
        for (const TKonklWyniku &kw : konkluzje.last())
            if (!wiersze.contains(kw.konkluzja))
                wiersze << kw.konkluzja;
    }
    o << naglowek.join(u'\t') << '\n';
    for (const QString &tekst : std::as_const(wiersze)) {
        QStringList wiersz{tekst};
        for (const QList<TKonklWyniku> &lista : std::as_const(konkluzje)) {
            QString cf = QStringLiteral("-");
            for (const TKonklWyniku &kw : lista)
                if (kw.konkluzja == tekst)
                    cf = realNaTekst(kw.cf);
            wiersz << cf;
        }
        o << wiersz.join(u'\t') << '\n';
    }
    if (!skrypt.hipoteza.isEmpty()) {
        QStringList wiersz{QStringLiteral("Hipoteza główna udowodniona")};
        for (const TWynikProby *w : przebiegi)
            wiersz << (w->wykonana ? (w->przebieg.udowodniona ? QStringLiteral("tak") : QStringLiteral("nie"))
                                   : QStringLiteral("-"));
        o << wiersz.join(u'\t') << '\n';
    }
    QStringList wiersz{QStringLiteral("Przebieg")};
    for (const TWynikProby *w : przebiegi)
        wiersz << stanPrzebiegu(*w);
    o << wiersz.join(u'\t') << "\n\n";

    auto przerwanie = [&](const TWynikProby &w, const QString &wciecie) {
        if (!w.wykonana)
            o << wciecie << QStringLiteral("przebieg niewykonany: %1\n").arg(wJednejLinii(w.blad));
        else if (w.przebieg.koniec != KoniecPrzebiegu::Zakonczony)
            o << wciecie << QStringLiteral("przebieg przerwany komunikatem: %1\n").arg(wJednejLinii(w.ostatniKomunikat()));
    };
    if (!wynik.bazowy.wykonana || wynik.bazowy.przebieg.koniec != KoniecPrzebiegu::Zakonczony) {
        o << QStringLiteral("Przebieg bazowy:\n");
        przerwanie(wynik.bazowy, QStringLiteral("  "));
    }
    for (qsizetype i = 0; i < przypadki.size(); ++i) {
        const TWynikProby &w = wynik.przypadki[i];
        o << QStringLiteral("Przypadek „%1” wobec przebiegu bazowego:\n").arg(przypadki[i].nazwa);
        if (!w.wykonana) {
            przerwanie(w, QStringLiteral("  "));
            continue;
        }
        const TRoznicaSymulacji r = porownaj(wynik.bazowy, w);
        for (const TKonklWyniku &kw : r.pojawiajaSie)
            o << QStringLiteral("  pojawia się %1 z CF %2\n").arg(kw.konkluzja, realNaTekst(kw.cf));
        for (const TKonklWyniku &kw : r.znikaja)
            o << QStringLiteral("  znika %1 z CF %2\n").arg(kw.konkluzja, realNaTekst(kw.cf));
        for (const TZmianaCF &z : r.zmienioneCF)
            o << QStringLiteral("  zmienia się CF %1: z %2 na %3\n").arg(z.konkluzja, realNaTekst(z.przed), realNaTekst(z.po));
        const bool hipotezaZmieniona = !skrypt.hipoteza.isEmpty() && wynik.bazowy.wykonana &&
                                       wynik.bazowy.przebieg.udowodniona != w.przebieg.udowodniona;
        if (hipotezaZmieniona)
            o << (w.przebieg.udowodniona ? QStringLiteral("  hipoteza główna zostaje udowodniona\n")
                                         : QStringLiteral("  hipoteza główna przestaje być udowodniona\n"));
        if (r.bezZmian() && !hipotezaZmieniona)
            o << QStringLiteral("  konkluzje bez zmian\n");
        przerwanie(w, QStringLiteral("  "));
    }
    o.flush();
}

QJsonObject przebiegJson(const TWynikProby &w, bool zHipoteza)
{
    QJsonObject o;
    o.insert(QStringLiteral("completed"), w.wykonana && w.przebieg.koniec == KoniecPrzebiegu::Zakonczony);
    if (!w.wykonana) {
        o.insert(QStringLiteral("error"), w.blad);
        return o;
    }
    o.insert(QStringLiteral("proven"), zHipoteza ? QJsonValue(w.przebieg.udowodniona) : QJsonValue());
    QJsonArray konkluzje;
    for (const TKonkluzjaProby &kp : w.konkluzje)
        konkluzje.append(QJsonObject{{QStringLiteral("rule"), kp.regula},
                                     {QStringLiteral("conclusion"), kp.konkluzja},
                                     {QStringLiteral("cf"), kp.cf},
                                     {QStringLiteral("aggregatedCf"), kp.cfZagreg},
                                     {QStringLiteral("factKind"), kp.rodzFakt}});
    o.insert(QStringLiteral("conclusions"), konkluzje);
    o.insert(QStringLiteral("finalMessage"), w.ostatniKomunikat());
    o.insert(QStringLiteral("messages"), QJsonArray::fromStringList(w.komunikaty));
    return o;
}

QJsonArray konkluzjeJson(const QList<TKonklWyniku> &lista)
{
    QJsonArray a;
    for (const TKonklWyniku &kw : lista)
        a.append(QJsonObject{{QStringLiteral("conclusion"), kw.konkluzja}, {QStringLiteral("cf"), kw.cf}});
    return a;
}

void wypiszJson(Kontekst &k, const TSkryptPrzebiegu &skrypt, const QList<TPrzypadekSymulacji> &przypadki,
                const TWynikSymulacji &wynik)
{
    const bool zHipoteza = !skrypt.hipoteza.isEmpty();
    QJsonArray lista;
    for (qsizetype i = 0; i < przypadki.size(); ++i) {
        const TWynikProby &w = wynik.przypadki[i];
        QJsonArray zmiany;
        for (const TZmianaFaktu &z : przypadki[i].zmiany) {
            QJsonArray wartosci;
            for (const TOdpowiedz &o : z.wartosci)
                wartosci.append(QJsonObject{{QStringLiteral("value"), o.wartosc},
                                            {QStringLiteral("cf"), tekstNaReal(o.cf).value_or(0.0)}});
            zmiany.append(QJsonObject{
                {QStringLiteral("fact"), z.idFakt}, {QStringLiteral("name"), z.nazwa}, {QStringLiteral("values"), wartosci}});
        }
        QJsonObject p{{QStringLiteral("name"), przypadki[i].nazwa},
                      {QStringLiteral("changes"), zmiany},
                      {QStringLiteral("run"), przebiegJson(w, zHipoteza)}};
        if (w.wykonana) {
            const TRoznicaSymulacji r = porownaj(wynik.bazowy, w);
            QJsonArray zmienione;
            for (const TZmianaCF &z : r.zmienioneCF)
                zmienione.append(QJsonObject{{QStringLiteral("conclusion"), z.konkluzja},
                                             {QStringLiteral("baselineCf"), z.przed},
                                             {QStringLiteral("cf"), z.po}});
            p.insert(QStringLiteral("appeared"), konkluzjeJson(r.pojawiajaSie));
            p.insert(QStringLiteral("disappeared"), konkluzjeJson(r.znikaja));
            p.insert(QStringLiteral("changedCf"), zmienione);
        }
        lista.append(p);
    }
    const QJsonObject calosc{{QStringLiteral("system"), skrypt.kodSyst},
                             {QStringLiteral("method"), metodaJson(skrypt.metoda)},
                             {QStringLiteral("hypothesis"), zHipoteza ? QJsonValue(skrypt.hipoteza) : QJsonValue()},
                             {QStringLiteral("baseline"), przebiegJson(wynik.bazowy, zHipoteza)},
                             {QStringLiteral("cases"), lista}};
    k.zdarzenieJson(QJsonDocument(calosc).toJson(QJsonDocument::Compact));
}

} // namespace

int polecenieSimulate(Kontekst &k, const QStringList &argumenty)
{
    const QString pol = QStringLiteral("simulate");
    TOpcjePrzebiegu opcje;
    QList<TZmianaFaktu> zmiany;
    bool saZmiany = false;
    QList<TPrzypadekSymulacji> przypadki;
    const auto wlasna = [&](const QString &a, const QString *nastepny) -> TOpcjaWlasna {
        if (!nastepny || (a != u"--change" && a != u"--case"))
            return {};
        if (a == u"--change") {
            saZmiany = true;
            if (const auto blad = dodajZmiane(zmiany, *nastepny))
                return {0, *blad};
            return {2, QString()};
        }
        TPrzypadekSymulacji p;
        if (const auto blad = przypadekZTekstu(*nastepny, p))
            return {0, *blad};
        for (const TPrzypadekSymulacji &inny : std::as_const(przypadki))
            if (inny.nazwa == p.nazwa)
                return {0, QStringLiteral("Przypadek \"%1\" podano dwa razy.").arg(p.nazwa)};
        przypadki << p;
        return {2, QString()};
    };
    if (const auto kod = czytajOpcjePrzebiegu(k, pol, argumenty, opcje, wlasna))
        return *kod;
    // The --change options make one case; without any case, the unchanged run is compared with
    // the baseline.
    if (saZmiany || przypadki.isEmpty()) {
        for (const TPrzypadekSymulacji &p : std::as_const(przypadki))
            if (p.nazwa == NazwaZmian)
                return bladUzycia(k, pol, QStringLiteral("Nazwa przypadku \"%1\" jest zajęta przez --change.").arg(NazwaZmian));
        przypadki.prepend({NazwaZmian, zmiany});
    }
    const TSkryptPrzebiegu &skrypt = opcje.skrypt;

    TOdpowiedzi odpowiedzi;
    if (!opcje.plikOdpowiedzi.isEmpty()) {
        QString blad;
        if (!wczytajOdpowiedzi(opcje.plikOdpowiedzi, odpowiedzi, &blad)) {
            k.err << blad << '\n';
            return Porazka;
        }
    }
    if (const auto brak = sprawdzWarunki(tremida::Polecenie::WyborSyst, k.baza)) {
        k.komunikat(*brak);
        return Porazka;
    }
    const auto syst = dostep::system(k.baza, skrypt.kodSyst);
    if (!syst) {
        if (k.baza.blad())
            k.komunikat(komunikatBleduBazy(*k.baza.blad(), ogon::Opcja));
        else
            k.err << QStringLiteral("W tabeli systemów nie ma systemu o kodzie %1.\n").arg(skrypt.kodSyst);
        return Porazka;
    }
    for (TPrzypadekSymulacji &p : przypadki) {
        if (const auto blad = sprawdzZmiany(k.baza, skrypt.kodSyst, p.zmiany)) {
            k.komunikat(p.nazwa == NazwaZmian && saZmiany ? *blad : QStringLiteral("Przypadek „%1”: %2").arg(p.nazwa, *blad));
            return Porazka;
        }
    }
    TKopiaRobocza kopia;
    QString blad;
    if (!kopia.utworz(k.baza, &blad)) {
        k.komunikat(blad);
        return Porazka;
    }
    const TWynikSymulacji wynik = Symuluj(kopia, k.konfig, skrypt, odpowiedzi, przypadki);
    if (opcje.json)
        wypiszJson(k, skrypt, przypadki, wynik);
    else
        wypiszTekst(k, skrypt, syst->NazSyst, przypadki, wynik);
    return wynik.pelny() ? Sukces : Porazka;
}

} // namespace tremida::cli
