// Explanations of a run: the trees of fired rules, "why not", the rule card and the
// consultation report, on the boiler example and small knowledge bases, and that looking
// never changes a table file.

#include "StanowiskoWnios.h"
#include "explain/ModelWyjasnien.h"
#include "explain/RaportKonsultacji.h"
#include "explain/StrukturaPrzes.h"
#include "explain/Wyjasnienia.h"
#include "inference/CzytFaktPlik.h"
#include "inference/JezykReg.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <functional>
#include <memory>

using namespace tremida;
using namespace tremida::test;

namespace {

QString tekstPrzykladu(const QString &nazwa)
{
    QFile f(plikPrzykladu(nazwa, nazwa + QStringLiteral(".json")));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The boiler with the input values of its example file, as read before a run.
std::unique_ptr<StanowiskoWnios> kociol(const QStringList &zmiany = {})
{
    auto s = std::make_unique<StanowiskoWnios>(tekstPrzykladu(QStringLiteral("kociol")), zmiany);
    CzytajWartFaktPlik(s->baza, plikPrzykladu(QStringLiteral("kociol"), QStringLiteral("wartosci_faktow.txt")), 1,
                       s->sesja, [](const QString &) {});
    return s;
}

WynikPrzebiegu wprzod(StanowiskoWnios &s)
{
    QStringList konkluzje;
    if (!s.wprzod.Przygotuj(konkluzje))
        return WynikPrzebiegu::Przerwany;
    return s.doKonca(s.wprzod.Start(), [&s] { return s.wprzod.Start(); });
}

const QString Palnik = QStringLiteral("[usterka kotła]=[zanieczyszczony palnik]");

// The stations of the cases, each after its run.
std::unique_ptr<StanowiskoWnios> przypadek(const QString &nazwa)
{
    if (nazwa == u"kocioł bez przebiegu")
        return kociol();
    if (nazwa == u"kocioł w przód" || nazwa == u"kocioł w przód z regułą poziomu 0") {
        const QStringList zmiany =
            nazwa.endsWith(u"0") ? QStringList{QStringLiteral(
                                       "INSERT INTO reguly (IdReg, KodSyst, NazReg, PozReg, KierWniReg, CFReg, PrzesReg, "
                                       "KonklReg) VALUES (109, 1, 'Poziom zero', 0, 'oba', 1, "
                                       "'[kolor płomienia]=[niebieski]', '[stan spalania]=[prawidłowe]')")}
                                 : QStringList{};
        auto s = kociol(zmiany);
        if (wprzod(*s) != WynikPrzebiegu::Zakonczony)
            return nullptr;
        return s;
    }
    if (nazwa == u"kocioł w przód, próg 0,7") {
        auto s = kociol();
        s->konfig.ProgCF = 0.7;
        return wprzod(*s) == WynikPrzebiegu::Zakonczony ? std::move(s) : nullptr;
    }
    if (nazwa == u"kocioł w przód z ponownym odpalaniem") {
        auto s = kociol();
        s->konfig.CzyOdpalUwzgl = true;
        return wprzod(*s) == WynikPrzebiegu::Zakonczony ? std::move(s) : nullptr;
    }
    if (nazwa == u"kocioł wstecz") {
        auto s = kociol();
        return s->wsteczDoKonca(Palnik) == WynikPrzebiegu::Zakonczony ? std::move(s) : nullptr;
    }
    if (nazwa == u"mieszane") {
        auto s = std::make_unique<StanowiskoWnios>(
            QStringLiteral("wnios_wstecz.json"),
            QStringList{QStringLiteral("INSERT INTO reguly (IdReg, KodSyst, NazReg, PozReg, KierWniReg, CFReg, PrzesReg, "
                                       "KonklReg, CzyOdpal, CzyBieUdzWeWnios) VALUES (7, 1, 'R7', 2, 'wstecz', 1, "
                                       "'[D]=[d]', '[H]=[G]', 'nie', 'tak')"),
                        QStringLiteral("UPDATE fakty SET CzyWielWart='tak' WHERE IdFakt=4")});
        return s->mieszDoKonca(QStringLiteral("[H]=[G]")) == WynikPrzebiegu::Zakonczony ? std::move(s) : nullptr;
    }
    if (nazwa == u"cykl") {
        auto s = std::make_unique<StanowiskoWnios>(QStringLiteral("wyjasn_cykl.json"));
        s->konfig.CzyOdpalUwzgl = true;
        s->konfig.MetaReg = konfig::MetaMaksCFReg;
        return wprzod(*s) == WynikPrzebiegu::Zakonczony ? std::move(s) : nullptr;
    }
    for (const QString &norma : konfig::Normy) {
        if (nazwa == QStringLiteral("dwie reguły, ") + norma) {
            auto s = std::make_unique<StanowiskoWnios>(QStringLiteral("wyjasn_agregacja.json"));
            s->konfig.SNormaKonkl = norma;
            return wprzod(*s) == WynikPrzebiegu::Zakonczony ? std::move(s) : nullptr;
        }
    }
    return nullptr;
}

// Every line of the trees, as the terminal prints them.
QStringList linie(const QList<TWezelWyj> &drzewa)
{
    QStringList w;
    for (const TWezelWyj &d : drzewa)
        w << d.linie();
    return w;
}

// Fails unless every expected line occurs, in the given order.
bool wKolejnosci(const QStringList &wszystkie, const QStringList &oczekiwane, QString *brak)
{
    qsizetype od = 0;
    for (const QString &l : oczekiwane) {
        const qsizetype i = wszystkie.indexOf(l, od);
        if (i < 0) {
            *brak = l;
            return false;
        }
        od = i + 1;
    }
    return true;
}


// A canvas that records the texts and pictures of a printout.
class PlotnoNagrywajace : public Plotno {
public:
    struct Napis {
        int strona, x, y;
        QString tekst;
    };
    struct Obraz {
        int strona, szer, wys;
        QString plik;
    };
    QList<Napis> napisy;
    QList<Obraz> obrazy;
    int strona = 1;

    int szerokoscStrony() const override { return 2480; }
    int wysokoscStrony() const override { return 3508; }
    void ustawCzcionke(int, bool, bool) override {}
    int szerokoscTekstu(const QString &t) const override { return 10 * int(t.size()); }
    void piszTekst(int x, int y, const QString &t) override { napisy.append({strona, x, y, t}); }
    void nowaStrona() override { ++strona; }
    bool rysujObraz(int, int, int szer, int wys, const QString &plik) override
    {
        obrazy.append({strona, szer, wys, plik});
        return true;
    }
    QStringList teksty() const
    {
        QStringList w;
        for (const Napis &n : napisy)
            w << n.tekst;
        return w;
    }
};

} // namespace

class TstWyjasnienia : public QObject {
    Q_OBJECT
private slots:
    // The tree of fired rules of a conclusion: its rules with their steps, their premises, an
    // input fact as a leaf with its value, a derived fact opening its earlier firings.
    void jak_data()
    {
        QTest::addColumn<QString>("przypadek");
        QTest::addColumn<QString>("konkluzja");
        QTest::addColumn<QStringList>("oczekiwane");
        QTest::newRow("jedna reguła")
            << QStringLiteral("kocioł w przód") << QStringLiteral("[przegrzanie pary]=[TRUE]")
            << QStringList{
                   QStringLiteral("Konkluzja [przegrzanie pary]=[TRUE] — fakt pośredni „przegrzanie pary”; zagregowany "
                                  "CF 0,81 (s-norma „rozmyta”)"),
                   QStringLiteral("  Reguła 103 „Przegrzanie pary”: poziom 1, kierunek „oba”, CF reguły 0,9"),
                   QStringLiteral("    Krok 5: poziom 1, iteracja 2, kierunek „w przod”, CF konkluzji 0,81"),
                   QStringLiteral("    Przesłanka 1: [temperatura pary]>[temperatura maksymalna pary] (stała prosta "
                                  "„temperatura maksymalna pary” = 540) — fakt wprowadzany, rzeczywisty; wartość 565, CF "
                                  "0,9")};
        QTest::newRow("przez fakt pośredni")
            << QStringLiteral("kocioł w przód") << QStringLiteral(" [usterka kotła] = [zanieczyszczony palnik] ")
            << QStringList{
                   QStringLiteral("Konkluzja [usterka kotła]=[zanieczyszczony palnik] — fakt końcowy „usterka kotła”; "
                                  "zagregowany CF 0,504 (s-norma „rozmyta”)"),
                   QStringLiteral("  Reguła 104 „Zanieczyszczony palnik”: poziom 2, kierunek „oba”, CF reguły 0,8"),
                   QStringLiteral("    Krok 8: poziom 2, iteracja 3, kierunek „w przod”, CF konkluzji 0,504"),
                   QStringLiteral("    Przesłanka 1: [stan spalania]=[niezupełne] — fakt pośredni, wyliczeniowy"),
                   QStringLiteral("      Konkluzja [stan spalania]=[niezupełne] — fakt pośredni „stan spalania”; "
                                  "zagregowany CF 0,63 (s-norma „rozmyta”)"),
                   QStringLiteral("        Reguła 101 „Niezupełne spalanie”: poziom 1, kierunek „oba”, CF reguły 0,9"),
                   QStringLiteral("          Krok 2: poziom 1, iteracja 1, kierunek „w przod”, CF konkluzji 0,63"),
                   QStringLiteral("          Przesłanka 1: [kolor płomienia]=[żółty] — fakt wprowadzany, wyliczeniowy; "
                                  "wartość „żółty”: tak, CF 0,8")};
        QTest::newRow("dwie reguły, rozmyta")
            << QStringLiteral("dwie reguły, rozmyta") << QStringLiteral("[x]=[v]")
            << QStringList{QStringLiteral("Konkluzja [x]=[v] — fakt końcowy „x”; zagregowany CF 0,8 (s-norma „rozmyta”)"),
                           QStringLiteral("  Reguła 1 „Pierwsza”: poziom 1, kierunek „oba”, CF reguły 0,6"),
                           QStringLiteral("    Krok 2: poziom 1, iteracja 1, kierunek „w przod”, CF konkluzji 0,6"),
                           QStringLiteral("  Reguła 2 „Druga”: poziom 1, kierunek „oba”, CF reguły 0,8"),
                           QStringLiteral("    Krok 4: poziom 1, iteracja 2, kierunek „w przod”, CF konkluzji 0,8")};
        QTest::newRow("dwie reguły, algebraiczna")
            << QStringLiteral("dwie reguły, algebraiczna") << QStringLiteral("[x]=[v]")
            << QStringList{QStringLiteral(
                   "Konkluzja [x]=[v] — fakt końcowy „x”; zagregowany CF 0,92 (s-norma „algebraiczna”)")};
        QTest::newRow("dwie reguły, Łukasiewicza")
            << QStringLiteral("dwie reguły, Lukasiewicza") << QStringLiteral("[x]=[v]")
            << QStringList{
                   QStringLiteral("Konkluzja [x]=[v] — fakt końcowy „x”; zagregowany CF 1 (s-norma „Lukasiewicza”)")};
        QTest::newRow("hipoteza pomocnicza wstecz")
            << QStringLiteral("kocioł wstecz") << Palnik
            << QStringList{
                   QStringLiteral("  Reguła 104 „Zanieczyszczony palnik”: poziom 2, kierunek „oba”, CF reguły 0,8"),
                   QStringLiteral("    Krok 6: poziom 2, iteracja 2, kierunek „wstecz”, CF konkluzji 0,504"),
                   QStringLiteral("      Konkluzja [stan spalania]=[niezupełne] — fakt pośredni „stan spalania”; "
                                  "zagregowany CF 0,63 (s-norma „rozmyta”)"),
                   QStringLiteral("          Krok 3: poziom 1, iteracja 1, kierunek „wstecz”, CF konkluzji 0,63")};
        QTest::newRow("mieszane")
            << QStringLiteral("mieszane") << QStringLiteral("[H]=[G]")
            << QStringList{QStringLiteral("  Reguła 7 „R7”: poziom 2, kierunek „wstecz”, CF reguły 1"),
                           QStringLiteral("    Krok 7: poziom 2, iteracja 1, kierunek „wstecz”, CF konkluzji 1"),
                           QStringLiteral("    Przesłanka 1: [D]=[d] — fakt pośredni, wyliczeniowy"),
                           QStringLiteral("        Reguła 6 „Tylko w przód”: poziom 1, kierunek „w przod”, CF reguły 1"),
                           QStringLiteral("          Krok 3: poziom 1, iteracja 1, kierunek „w przod”, CF konkluzji 1")};
        QTest::newRow("reguła odpalona ponownie")
            << QStringLiteral("kocioł w przód z ponownym odpalaniem") << QStringLiteral("[stan spalania]=[niezupełne]")
            << QStringList{QStringLiteral("  Reguła 101 „Niezupełne spalanie”: poziom 1, kierunek „oba”, CF reguły 0,9"),
                           QStringLiteral("    Krok 2: poziom 1, iteracja 1, kierunek „w przod”, CF konkluzji 0,63"),
                           QStringLiteral("    Krok 4: poziom 1, iteracja 2, kierunek „w przod”, CF konkluzji 0,63")};
        QTest::newRow("cykl")
            << QStringLiteral("cykl") << QStringLiteral("[x]=[TRUE]")
            << QStringList{QStringLiteral("  Reguła 1 „Z a”: poziom 1, kierunek „w przod”, CF reguły 0,5"),
                           QStringLiteral("  Reguła 3 „Z y”: poziom 3, kierunek „w przod”, CF reguły 0,95"),
                           QStringLiteral("        Reguła 2 „Z x”: poziom 2, kierunek „w przod”, CF reguły 0,9"),
                           QStringLiteral("              Reguła 1 „Z a” — pokazana wyżej w tym drzewie")};
    }
    void jak()
    {
        QFETCH(QString, przypadek);
        QFETCH(QString, konkluzja);
        QFETCH(QStringList, oczekiwane);
        auto s = ::przypadek(przypadek);
        QVERIFY(s);
        const TWynikWyjasnienia w = wyjasnienia::jak(s->baza, s->konfig, 1, konkluzja);
        QVERIFY2(!w.blad, qPrintable(w.blad.value_or(QString())));
        QCOMPARE(w.drzewa.size(), 1);
        const QStringList l = linie(w.drzewa);
        QString brak;
        QVERIFY2(wKolejnosci(l, oczekiwane, &brak), qPrintable(brak + QStringLiteral("\n---\n") + l.join(u'\n')));
        // A rule is expanded once in a tree; later it is only referred to.
        QStringList rozwiniete;
        std::function<void(const TWezelWyj &)> zbierz = [&](const TWezelWyj &n) {
            if (n.rodzaj == u"regula")
                rozwiniete << n.pola.value(u"idReg").toVariant().toString();
            for (const TWezelWyj &d : n.dzieci)
                zbierz(d);
        };
        zbierz(w.drzewa.first());
        QCOMPARE(QSet<QString>(rozwiniete.begin(), rozwiniete.end()).size(), rozwiniete.size());
        // The windows read only the fired steps for the same tree.
        const TWynikWyjasnienia z = wyjasnienia::jak(s->baza, s->konfig, 1, konkluzja, TZakresKrokow::Odpalenia);
        QVERIFY(!z.blad);
        QCOMPARE(linie(z.drzewa), l);
        QCOMPARE(z.drzewa.first().json(), w.drzewa.first().json());
    }

    // Every conclusion of the run, in the order reached; a conclusion not reached and a text that
    // is no conclusion are refused with their messages.
    void jakWszystkieIOdmowy()
    {
        auto s = przypadek(QStringLiteral("kocioł w przód"));
        QVERIFY(s);
        const TWynikWyjasnienia w = wyjasnienia::jak(s->baza, s->konfig, 1);
        QStringList korzenie;
        for (const TWezelWyj &d : w.drzewa)
            korzenie << d.pola.value(u"konkluzja").toString();
        QCOMPARE(korzenie, QStringList({QStringLiteral("[stan spalania]=[niezupełne]"),
                                        QStringLiteral("[przegrzanie pary]=[TRUE]"), Palnik,
                                        QStringLiteral("[usterka kotła]=[niesprawny zawór bezpieczeństwa]"),
                                        QStringLiteral("[usterka kotła]=[uszkodzony przegrzewacz]"),
                                        QStringLiteral("[zalecane obniżenie mocy]=[obniżenie mocy wg temperatury]")}));
        QCOMPARE(wyjasnienia::konkluzjePrzebiegu(s->baza, 1), korzenie);
        QCOMPARE(*wyjasnienia::jak(s->baza, s->konfig, 1, QStringLiteral("[stan spalania]=[prawidłowe]")).blad,
                 QStringLiteral("Konkluzja [stan spalania]=[prawidłowe] nie została osiągnięta w ostatnim przebiegu "
                                "wnioskowania systemu o kodzie 1. Odpowiedź na pytanie, dlaczego, daje „dlaczego nie”."));
        QCOMPARE(*wyjasnienia::jak(s->baza, s->konfig, 1, QStringLiteral("stan spalania")).blad,
                 QStringLiteral("Tekst stan spalania nie jest konkluzją postaci [fakt]=[wartość]."));
        QCOMPARE(*wyjasnienia::jak(s->baza, s->konfig, 7).blad, QStringLiteral("System ekspercki o kodzie 7 nie istnieje."));
        // The model of the windows holds the same trees and finds the node of a step.
        TModelWyjasnien model;
        model.ustaw(w.drzewa);
        QCOMPARE(model.rowCount(), 6);
        // The first node of step 8 is the rule that fired in it, under its conclusion.
        const QModelIndex regula = model.indeksKroku(8);
        QVERIFY(regula.isValid());
        QCOMPARE(model.data(regula).toString(),
                 QStringLiteral("Reguła 104 „Zanieczyszczony palnik”: poziom 2, kierunek „oba”, CF reguły 0,8"));
        QCOMPARE(model.data(model.parent(regula)).toString().left(50),
                 QStringLiteral("Konkluzja [usterka kotła]=[zanieczyszczony palnik]"));
        QVERIFY(!model.parent(model.parent(regula)).isValid());
        const QModelIndex krok = model.index(0, 0, regula);
        QCOMPARE(model.data(krok).toString(),
                 QStringLiteral("Krok 8: poziom 2, iteracja 3, kierunek „w przod”, CF konkluzji 0,504"));
        QCOMPARE(model.data(krok, TModelWyjasnien::RolaKroku).toInt(), 8);
        QCOMPARE(model.data(model.index(1, 0, regula), TModelWyjasnien::RolaKroku), QVariant());
    }

    // Why a conclusion was not reached: each rule concluding it with its last step or why it
    // was never examined, and its premise field evaluated now, token by token, without asking.
    void dlaczegoNie_data()
    {
        QTest::addColumn<QString>("przypadek");
        QTest::addColumn<QString>("konkluzja");
        QTest::addColumn<QStringList>("oczekiwane");
        QTest::newRow("przesłanka FALSE")
            << QStringLiteral("kocioł w przód") << QStringLiteral("[stan spalania]=[prawidłowe]")
            << QStringList{
                   QStringLiteral("Dlaczego nie: [stan spalania]=[prawidłowe]"),
                   QStringLiteral("  Konkluzja nie została osiągnięta w ostatnim przebiegu wnioskowania (wnioskowanie w "
                                  "przód)."),
                   QStringLiteral("  Reguła 102 „Prawidłowe spalanie”: poziom 1, kierunek „oba”, CF reguły 1"),
                   QStringLiteral("    Ostatni krok 18 (poziom 1, iteracja 7, kierunek „w przod”, reguła nieodpalona): "
                                  "„Reguła nieprzyjęta na stos do \"odpalenia\". Pole przesłankowe reguły zwraca wartość "
                                  "logiczną FALSE”"),
                   QStringLiteral("    Ocena reguły teraz (bez pytań i bez zapisu): pole przesłankowe FALSE, CF 0,7; CF "
                                  "konkluzji 0,7 (próg CF 0,05): „Reguła nieprzyjęta na stos do \"odpalenia\". Pole "
                                  "przesłankowe reguły zwraca wartość logiczną FALSE”"),
                   QStringLiteral("      AND → FALSE, CF 0,7"),
                   QStringLiteral("        Przesłanka 1: [kolor płomienia]=[niebieski] — fakt wprowadzany, wyliczeniowy; "
                                  "wartość „niebieski”: nie, CF 1 → FALSE, CF 1"),
                   QStringLiteral("        Przesłanka 2: [dymienie z komina]=[FALSE] — fakt wprowadzany, logiczny; wartość "
                                  "TRUE, CF 0,7 → FALSE, CF 0,7")};
        QTest::newRow("przesłanka UNKNOWN, reguła innego kierunku")
            << QStringLiteral("kocioł wstecz") << QStringLiteral("[usterka kotła]=[uszkodzony przegrzewacz]")
            << QStringList{
                   QStringLiteral("  Konkluzja nie została osiągnięta w ostatnim przebiegu wnioskowania (wnioskowanie "
                                  "wstecz)."),
                   QStringLiteral("    Reguła nie była badana w ostatnim przebiegu: bierze udział tylko we wnioskowaniu w "
                                  "przód, a ostatni przebieg (wnioskowanie wstecz) nie miał kroków w przód."),
                   QStringLiteral("    Ocena reguły teraz (bez pytań i bez zapisu): pole przesłankowe UNKNOWN, CF 0; CF "
                                  "konkluzji 0 (próg CF 0,05): „Reguła nieprzyjęta na stos do \"odpalenia\". Pole "
                                  "przesłankowe reguły zwraca wartość logiczną UNKNOWN, na skutek nieokreślonych wartości "
                                  "faktów w polu przesłankowym”"),
                   QStringLiteral("      AND → UNKNOWN, CF 0"),
                   QStringLiteral("        Przesłanka 1: [przegrzanie pary]=[TRUE] — fakt pośredni, logiczny; bez wartości "
                                  "→ UNKNOWN, CF 0"),
                   QStringLiteral("        Przesłanka 2: [ciśnienie pary]<=[ciśnienie dopuszczalne] (stała prosta "
                                  "„ciśnienie dopuszczalne” = 13,5) — fakt wprowadzany, rzeczywisty; wartość 12,8, CF 1 "
                                  "→ TRUE, CF 1")};
        QTest::newRow("próg CF")
            << QStringLiteral("kocioł w przód, próg 0,7") << QStringLiteral("[stan spalania]=[niezupełne]")
            << QStringList{
                   QStringLiteral("    Ostatni krok 20 (poziom 1, iteracja 5, kierunek „w przod”, reguła nieodpalona): "
                                  "„Reguła nieprzyjęta na stos do \"odpalenia\". Pole przesłankowe zwraca wprawdzie TRUE, "
                                  "jednak wartość CF pola przesłankowego poniżej progu”"),
                   QStringLiteral("    Ocena reguły teraz (bez pytań i bez zapisu): pole przesłankowe TRUE, CF 0,7; CF "
                                  "konkluzji 0,63 (próg CF 0,7): „Reguła nieprzyjęta na stos do \"odpalenia\". Pole "
                                  "przesłankowe zwraca wprawdzie TRUE, jednak wartość CF pola przesłankowego poniżej "
                                  "progu”"),
                   QStringLiteral("      AND → TRUE, CF 0,7"), QStringLiteral("        OR → TRUE, CF 1")};
        QTest::newRow("nigdy nie badana: poziom")
            << QStringLiteral("kocioł w przód z regułą poziomu 0") << QStringLiteral("[stan spalania]=[prawidłowe]")
            << QStringList{QStringLiteral("  Reguła 109 „Poziom zero”: poziom 0, kierunek „oba”, CF reguły 1"),
                           QStringLiteral("    Reguła nie była badana w ostatnim przebiegu: jej poziom 0 leży poza "
                                          "przedziałem [1,10] poziomów reguł (parametr MaxPozReg).")};
        QTest::newRow("nigdy nie badana: niepotrzebna")
            << QStringLiteral("kocioł wstecz") << QStringLiteral("[usterka kotła]=[niesprawny zawór bezpieczeństwa]")
            << QStringList{
                   QStringLiteral("    Reguła nie była badana w ostatnim przebiegu: nie była potrzebna: jej konkluzja nie "
                                  "była w przebiegu wstecz ani hipotezą główną, ani hipotezą pomocniczą."),
                   QStringLiteral("    Ocena reguły teraz (bez pytań i bez zapisu): pole przesłankowe TRUE, CF 1; CF "
                                  "konkluzji 0,85 (próg CF 0,05): „Reguła została przyjęta na stos do \"odpalenia\", "
                                  "jednak \"nieodpalona\", gdyż trwa jeszcze faza generowania stosu”")};
        QTest::newRow("bez przebiegu, fakt wprowadzany bez wartości")
            << QStringLiteral("kocioł bez przebiegu") << QStringLiteral("[usterka kotła]=[niesprawny zawór bezpieczeństwa]")
            << QStringList{QStringLiteral("  System nie ma kroków trajektorii: w systemie nie przeprowadzono jeszcze "
                                          "wnioskowania albo jego trajektorię usunięto."),
                           QStringLiteral("    Reguła nie była badana w ostatnim przebiegu: system nie ma kroków "
                                          "trajektorii."),
                           QStringLiteral("        Przesłanka 1: [ciśnienie pary]<=[ciśnienie dopuszczalne] (stała prosta "
                                          "„ciśnienie dopuszczalne” = 13,5) — fakt wprowadzany, rzeczywisty; wartość 12,8, "
                                          "CF 1 (wczytana z pliku) → TRUE, CF 1")};
        QTest::newRow("żadna reguła")
            << QStringLiteral("kocioł w przód") << QStringLiteral("[usterka kotła]=[pęknięty walczak]")
            << QStringList{QStringLiteral("  Żadna reguła systemu nie ma tej konkluzji (fakt „usterka kotła”, wartość "
                                          "„pęknięty walczak”).")};
    }
    void dlaczegoNie()
    {
        QFETCH(QString, przypadek);
        QFETCH(QString, konkluzja);
        QFETCH(QStringList, oczekiwane);
        auto s = ::przypadek(przypadek);
        QVERIFY(s);
        const auto przed = skrotyPlikowTabel(s->folder.sciezka());
        const TWynikWyjasnienia w = wyjasnienia::dlaczegoNie(s->baza, s->konfig, 1, konkluzja);
        QVERIFY2(!w.blad, qPrintable(w.blad.value_or(QString())));
        QCOMPARE(w.drzewa.size(), 1);
        const QStringList l = linie(w.drzewa);
        QString brak;
        QVERIFY2(wKolejnosci(l, oczekiwane, &brak), qPrintable(brak + QStringLiteral("\n---\n") + l.join(u'\n')));
        QCOMPARE(skrotyPlikowTabel(s->folder.sciezka()), przed);
        QVERIFY(s->uzytkownik.zdarzenia.isEmpty() || przypadek != u"kocioł bez przebiegu");
    }

    // An input fact without value is not asked for: its premise is UNKNOWN, the note says that
    // a run would ask, and nothing is written (no "nzn" mark).
    void dlaczegoNieBezPytania()
    {
        StanowiskoWnios s(tekstPrzykladu(QStringLiteral("kociol")));
        const QStringList przed = s.sql(QStringLiteral("SELECT WartFakt, WartPoprzFakt FROM fakty ORDER BY IdFakt"));
        const TWynikWyjasnienia w = wyjasnienia::dlaczegoNie(s.baza, s.konfig, 1, QStringLiteral("[przegrzanie pary]=[TRUE]"));
        QVERIFY(!w.blad);
        QVERIFY(linie(w.drzewa).contains(QStringLiteral(
            "      Przesłanka 1: [temperatura pary]>[temperatura maksymalna pary] (stała prosta „temperatura maksymalna "
            "pary” = 540) — fakt wprowadzany, rzeczywisty; bez wartości → UNKNOWN, CF 0 (wnioskowanie zapytałoby o "
            "wartość faktu)")));
        QVERIFY(s.uzytkownik.zdarzenia.isEmpty());
        QCOMPARE(s.sql(QStringLiteral("SELECT WartFakt, WartPoprzFakt FROM fakty ORDER BY IdFakt")), przed);
        QVERIFY(wyjasnienia::dlaczegoNie(s.baza, s.konfig, 1, QStringLiteral("przegrzanie")).blad);
    }

    // The rule card: texts, the syntax check with the messages of "Weryfikuj składnię", the
    // structure of the premise field, the facts with their state and the constants.
    void karta_data()
    {
        QTest::addColumn<int>("regula");
        QTest::addColumn<QStringList>("zmiany");
        QTest::addColumn<QStringList>("oczekiwane");
        QTest::newRow("fakt wyliczeniowy, struktura")
            << 101 << QStringList{}
            << QStringList{QStringLiteral("Reguła 101 „Niezupełne spalanie” systemu 1 „Diagnostyka usterek kotła parowego”"),
                           QStringLiteral("    Poziom reguły: 1"), QStringLiteral("    CF reguły: 0,9"),
                           QStringLiteral("    IF (pole przesłankowe): ([kolor płomienia]=[żółty]"),
                           QStringLiteral("    OR [kolor płomienia]=[czerwony])"),
                           QStringLiteral("  Kontrola składni reguły: Składnia reguły poprawna."),
                           QStringLiteral("    Składnia reguły poprawna."), QStringLiteral("  Struktura pola przesłankowego"),
                           QStringLiteral("    AND"), QStringLiteral("      OR"),
                           QStringLiteral("        Przesłanka 1: [kolor płomienia]=[żółty]"),
                           QStringLiteral("        Przesłanka 2: [kolor płomienia]=[czerwony]"),
                           QStringLiteral("      Przesłanka 3: [dymienie z komina]=[TRUE]"),
                           QStringLiteral("    Fakt 103 „kolor płomienia”: wprowadzany, wyliczeniowy, jednowartościowy, "
                                          "liczba wartości 3"),
                           QStringLiteral("      Wartość 1012 „żółty”: bieżąca iteracja tak, CF 0,8; poprzednia iteracja "
                                          "???, CF 0"),
                           QStringLiteral("      Wartość 1013 „czerwony”: bieżąca iteracja nie, CF 1; poprzednia iteracja "
                                          "???, CF 0"),
                           QStringLiteral("    Fakt 106 „stan spalania”: pośredni, wyliczeniowy, jednowartościowy, liczba "
                                          "wartości 2"),
                           QStringLiteral("    Reguła nie używa stałych.")};
        QTest::newRow("fakt rzeczywisty, stała prosta")
            << 103 << QStringList{}
            << QStringList{QStringLiteral("    Fakt 101 „temperatura pary”: wprowadzany, rzeczywisty"),
                           QStringLiteral("      Jednostka: °C"), QStringLiteral("      Wartość bieżąca: 565, CF 0,9"),
                           QStringLiteral("    Fakt 107 „przegrzanie pary”: pośredni, logiczny"),
                           QStringLiteral("      Wartość bieżąca: TRUE, CF 0,81"),
                           QStringLiteral("    Stała 101 „temperatura maksymalna pary”: prosta, rzeczywista; wartość 540 "
                                          "°C")};
        QTest::newRow("fakt logiczny, stała obliczana")
            << 107 << QStringList{}
            << QStringList{QStringLiteral("    Fakt 107 „przegrzanie pary”: pośredni, logiczny"),
                           QStringLiteral("    Fakt 109 „zalecane obniżenie mocy”: końcowy, rzeczywisty"),
                           QStringLiteral("    Stała 104 „obniżenie mocy wg temperatury”: obliczana, rzeczywista; A = "
                                          "0,5, B = -270; argument: fakt 101 „temperatura pary” (rzeczywisty, wartość "
                                          "565); wartość 12,5 %")};
        QTest::newRow("stała obliczana bez wartości")
            << 107 << QStringList{QStringLiteral("UPDATE fakty SET WartFakt='?\?\?' WHERE IdFakt=101")}
            << QStringList{QStringLiteral("    Stała 104 „obniżenie mocy wg temperatury”: obliczana, rzeczywista; A = "
                                          "0,5, B = -270; argument: fakt 101 „temperatura pary” (rzeczywisty, wartość "
                                          "?\?\?); bez wartości (argument bez wartości)")};
        QTest::newRow("ostrzeżenie kontroli składni")
            << 104 << QStringList{QStringLiteral("UPDATE reguly SET OpisKonklReg=NULL WHERE IdReg=104")}
            << QStringList{QStringLiteral("  Kontrola składni reguły: Składnia reguły poprawna z zastrzeżeniem."),
                           QStringLiteral("    Opis konkluzji reguły pusty. Opis ten nie warunkuje procesu wnioskowania, "
                                          "jednak jest zalecany."),
                           QStringLiteral("    Kontrola składni reguły będzie kontynuowana."),
                           QStringLiteral("    Składnia reguły poprawna z zastrzeżeniem.")};
        QTest::newRow("błąd kontroli składni")
            << 104 << QStringList{QStringLiteral("UPDATE reguly SET PrzesReg='NOT [stan paliwa]=[złe]' WHERE IdReg=104")}
            << QStringList{QStringLiteral("  Kontrola składni reguły: Błąd składni reguły."),
                           QStringLiteral("    Kod reguły: 104, przesłanka   1 licząc od początku pola przesłankowego."),
                           QStringLiteral("    Błąd składni reguły. W tabeli faktów nie znaleziono faktu o nazwie "
                                          "wyspecyfikowanej w przesłance."),
                           QStringLiteral("    NOT"), QStringLiteral("      Przesłanka 1: [stan paliwa]=[złe]"),
                           QStringLiteral("    Faktu „stan paliwa” nie ma w tabeli faktów systemu.")};
    }
    void karta()
    {
        QFETCH(int, regula);
        QFETCH(QStringList, zmiany);
        QFETCH(QStringList, oczekiwane);
        auto s = przypadek(QStringLiteral("kocioł w przód"));
        QVERIFY(s);
        for (const QString &z : zmiany)
            QVERIFY(s->sql(z).isEmpty());
        const auto przed = skrotyPlikowTabel(s->folder.sciezka());
        const TWynikWyjasnienia w = wyjasnienia::kartaReguly(s->baza, s->konfig, regula);
        QVERIFY2(!w.blad, qPrintable(w.blad.value_or(QString())));
        const QStringList l = linie(w.drzewa);
        QString brak;
        QVERIFY2(wKolejnosci(l, oczekiwane, &brak), qPrintable(brak + QStringLiteral("\n---\n") + l.join(u'\n')));
        QCOMPARE(skrotyPlikowTabel(s->folder.sciezka()), przed);
        QCOMPARE(*wyjasnienia::kartaReguly(s->baza, s->konfig, 999).blad,
                 QStringLiteral("Reguły o kodzie 999 nie znaleziono w tabeli reguł."));
    }

    // The structure of a premise field as the reduction reads it, and the token of each part
    // given by the reduction from the premises' tokens [TRUE][0.50], [FALSE][0.70], [TRUE][0.90].
    void struktura_data()
    {
        QTest::addColumn<QString>("pole");
        QTest::addColumn<QString>("oczekiwana");
        QTest::newRow("jedna przesłanka") << QStringLiteral("[a]=[x]") << QStringLiteral("1");
        QTest::newRow("AND przed OR") << QStringLiteral("[a]=[x] OR [b]=[y] AND [c]=[z]")
                                      << QStringLiteral("OR(1,AND(2,3)=FALSE 0.70)=TRUE 0.70");
        QTest::newRow("od lewej") << QStringLiteral("[a]=[x] AND [b]=[y] OR [c]=[z]")
                                  << QStringLiteral("OR(AND(1,2)=FALSE 0.50,3)=TRUE 0.90");
        QTest::newRow("łańcuch AND") << QStringLiteral("[a]=[x] AND [b]=[y] AND [c]=[z]")
                                     << QStringLiteral("AND(1,2,3)=FALSE 0.50");
        QTest::newRow("NOT nawiasu") << QStringLiteral("NOT ([a]=[x] OR [b]=[y])\nAND [c]=[z]")
                                     << QStringLiteral("AND(NOT(OR(1,2)=TRUE 0.70)=FALSE 0.70,3)=FALSE 0.70");
        QTest::newRow("NOT przesłanki") << QStringLiteral("NOT [a]=[x] OR [b]=[y]")
                                        << QStringLiteral("OR(NOT(1)=FALSE 0.50,2)=FALSE 0.70");
        QTest::newRow("nawiasy wokół jednej") << QStringLiteral("(((([a]=[x]))))") << QStringLiteral("1");
        QTest::newRow("dwa NOT") << QStringLiteral("NOT NOT [a]=[x]") << QStringLiteral("błąd");
        QTest::newRow("brak operatora") << QStringLiteral("[a]=[x] [b]=[y]") << QStringLiteral("błąd");
        QTest::newRow("nawias niezamknięty") << QStringLiteral("([a]=[x] AND [b]=[y]") << QStringLiteral("błąd");
        QTest::newRow("operator bez argumentu") << QStringLiteral("[a]=[x] AND") << QStringLiteral("błąd");
    }
    void struktura()
    {
        QFETCH(QString, pole);
        QFETCH(QString, oczekiwana);
        const TStrukturaPrzes s(SkanujPolePrzes(pole));
        if (oczekiwana == u"błąd") {
            QVERIFY(!s.poprawna());
            return;
        }
        QVERIFY(s.poprawna());
        const QStringList tokeny = {QStringLiteral("[TRUE][0.50]"), QStringLiteral("[FALSE][0.70]"),
                                    QStringLiteral("[TRUE][0.90]")};
        const TParKonfig konfig;
        std::function<QString(const TWezelStruktury &)> opis = [&](const TWezelStruktury &w) -> QString {
            if (w.rodzaj == TWezelStruktury::Rodzaj::Przeslanka)
                return QString::number(w.przeslanka + 1);
            QStringList d;
            for (const TWezelStruktury &x : w.dzieci)
                d << opis(x);
            const jezyk::TRedukcja r = jezyk::redukuj(s.tekstTokenow(w, tokeny), QStringLiteral("1"), konfig);
            return TStrukturaPrzes::nazwa(w.rodzaj) + u'(' + d.join(u',') + QStringLiteral(")=") +
                   tekstWartLog(r.wartosc.value_or(TWartLog::Unknown)) + u' ' + QString::number(r.cf, 'f', 2);
        };
        QCOMPARE(opis(s.korzen()), oczekiwana);
    }

    // The report: the header on every page, the run, each conclusion shown with its CFs, texts
    // and pictures at their ratio with their captions, then the trees of the final conclusions.
    void raport()
    {
        auto s = przypadek(QStringLiteral("kocioł w przód"));
        QVERIFY(s);
        const auto przed = skrotyPlikowTabel(s->folder.sciezka());
        QVERIFY(!brakRaportuKonsultacji(s->baza, 1));
        PlotnoNagrywajace p;
        QString blad;
        QVERIFY2(drukujRaportKonsultacji(s->baza, 1, s->konfig, p, false, QDate(2024, 3, 5), &blad), qPrintable(blad));
        QCOMPARE(skrotyPlikowTabel(s->folder.sciezka()), przed);
        const QStringList t = p.teksty();
        QVERIFY(p.strona >= 2);
        for (int strona = 1; strona <= p.strona; ++strona) {
            QStringList naStronie;
            for (const auto &n : p.napisy)
                if (n.strona == strona)
                    naStronie << n.tekst;
            QVERIFY(naStronie.contains(QStringLiteral("RAPORT Z KONSULTACJI SYSTEMU EKSPERCKIEGO (BAZY WIEDZY)")));
            QVERIFY(naStronie.contains(QStringLiteral("Numer strony wydruku: %1").arg(strona, 2)));
            QVERIFY(naStronie.contains(QStringLiteral("Data wydruku:  5. 3.2024")));
        }
        QString brak;
        QVERIFY2(wKolejnosci(t, {QStringLiteral("Metoda wnioskowania: wnioskowanie w przód"),
                                 QStringLiteral("Konkluzja 1: [stan spalania]=[niezupełne]"),
                                 QStringLiteral("Stopień pewności konkluzji: 0,63; zagregowany stopień pewności konkluzji: 0,63"),
                                 QStringLiteral("Konkluzja dotyczy faktu: pośredniego"),
                                 QStringLiteral("Konkluzja 3: [usterka kotła]=[zanieczyszczony palnik]"),
                                 QStringLiteral("Film „czyszczenie_palnika.avi”: Film: kolejne kroki czyszczenia dysz palnika."),
                                 QStringLiteral("Konkluzja 4: [usterka kotła]=[niesprawny zawór bezpieczeństwa]"),
                                 QStringLiteral("Zawór bezpieczeństwa sprężynowy: grzybek, sprężyna, śruba nastawcza."),
                                 QStringLiteral("Konkluzja 6: [zalecane obniżenie mocy]=[obniżenie mocy wg temperatury]"),
                                 QStringLiteral("DRZEWA \"ODPALONYCH\" REGUŁ DOJŚCIA DO KONKLUZJI KOŃCOWYCH")},
                             &brak),
                 qPrintable(brak));
        QVERIFY(!t.contains(QStringLiteral("Hipoteza główna: [usterka kotła]=[zanieczyszczony palnik]")));
        // Two pictures of rules, at their height-to-width ratios 1 and 0.75.
        QCOMPARE(p.obrazy.size(), 2);
        QVERIFY(p.obrazy[0].plik.endsWith(QStringLiteral("/zawor.jpg")));
        QCOMPARE(p.obrazy[0].wys, p.obrazy[0].szer);
        QVERIFY(p.obrazy[1].plik.endsWith(QStringLiteral("/przegrzewacz.bmp")));
        QCOMPARE(p.obrazy[1].wys, qRound(p.obrazy[1].szer * 0.75));
        // The trees of the four conclusions about a final fact start at the left margin; the
        // intermediate conclusions appear inside them only.
        const int lewy = 300;
        QStringList korzenie;
        for (const auto &n : p.napisy)
            if (n.x == lewy && n.tekst.startsWith(QStringLiteral("Konkluzja [")))
                korzenie << n.tekst.section(u' ', 1, 1);
        QCOMPARE(korzenie, QStringList({QStringLiteral("[usterka"), QStringLiteral("[usterka"),
                                        QStringLiteral("[usterka"), QStringLiteral("[zalecane")}));
    }

    // A backward run reports its hypothesis and only the conclusion shown; a system without a
    // run has no report.
    void raportWsteczIBezPrzebiegu()
    {
        auto s = przypadek(QStringLiteral("kocioł wstecz"));
        QVERIFY(s);
        PlotnoNagrywajace p;
        QVERIFY(drukujRaportKonsultacji(s->baza, 1, s->konfig, p, true, QDate(2024, 12, 31)));
        const QStringList t = p.teksty();
        QVERIFY(t.contains(QStringLiteral("Metoda wnioskowania: wnioskowanie wstecz")));
        QVERIFY(t.contains(QStringLiteral("Hipoteza główna: [usterka kotła]=[zanieczyszczony palnik]")));
        QVERIFY(t.contains(QStringLiteral("Konkluzja 1: [usterka kotła]=[zanieczyszczony palnik]")));
        QVERIFY(!t.contains(QStringLiteral("Konkluzja 2: [stan spalania]=[niezupełne]")));
        QVERIFY(t.contains(QStringLiteral("Data wydruku: 31.12.2024")));

        StanowiskoWnios bez(tekstPrzykladu(QStringLiteral("kociol")));
        QCOMPARE(*brakRaportuKonsultacji(bez.baza, 1),
                 QStringLiteral("Tabela trajektorii nie ma kroków systemu o kodzie 1: w systemie nie przeprowadzono "
                                "jeszcze wnioskowania. Raport z konsultacji nie zostanie wydrukowany."));
        QCOMPARE(*brakRaportuKonsultacji(bez.baza, 5), QStringLiteral("System ekspercki o kodzie 5 nie istnieje."));
    }

    // What the display showed: forward every firing with the aggregated CF so far; in a mixed
    // run only the hypothesis.
    void pokazane()
    {
        auto s = przypadek(QStringLiteral("dwie reguły, algebraiczna"));
        QVERIFY(s);
        TPrzebiegWnios p;
        QVERIFY(p.wczytaj(s->baza, 1));
        QCOMPARE(p.metoda(), QStringLiteral("wnioskowanie w przód"));
        QVERIFY(!p.hipoteza());
        const QList<TPokazana> w = p.pokazane(s->konfig);
        QCOMPARE(w.size(), 2);
        QCOMPARE(w[0].cfZagreg, 0.6);
        QCOMPARE(w[1].cfZagreg, 0.6 + 0.8 - 0.6 * 0.8);

        auto m = przypadek(QStringLiteral("mieszane"));
        QVERIFY(m);
        TPrzebiegWnios pm;
        QVERIFY(pm.wczytaj(m->baza, 1));
        QCOMPARE(pm.metoda(), QStringLiteral("wnioskowanie mieszane"));
        QCOMPARE(*pm.hipoteza(), QStringLiteral("[H]=[G]"));
        const QList<TPokazana> wm = pm.pokazane(m->konfig);
        QCOMPARE(wm.size(), 1);
        QCOMPARE(pm.odpalenia[wm[0].odpalenie].idReg, 7);
    }
};

QTEST_GUILESS_MAIN(TstWyjasnienia)
#include "tst_wyjasnienia.moc"
