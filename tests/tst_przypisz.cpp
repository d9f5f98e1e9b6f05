// Entry of input-fact values during inference: checks, messages and what is stored.

#include "BazaTestowa.h"
#include "TekstyCzytFakt.h"
#include "inference/DostepWnios.h"
#include "inference/PrzypiszWartFakt.h"

#include <QSqlQuery>
#include <QTest>

using namespace tremida;
using namespace tremida::test;

Q_DECLARE_METATYPE(WynikPrzypisania)

namespace {

// Five input facts without values (real, integer, logical, single- and multi-valued enumerated),
// with the messages shown while values are assigned to them.
struct Stanowisko : BazaTestowa {
    TParKonfig konfig;
    QStringList komunikaty;
    PokazKomunikat pokaz = [this](const QString &t) { komunikaty << t; };
    Stanowisko() : BazaTestowa(QStringLiteral("przypisz.json")) {}
    // The rows of a query, fields joined by "|", rows by ";".
    QString pole(const QString &sql) { return wierszeZapytania(baza, sql).join(u';'); }
};

// A value and CF assigned to a scalar fact: the result, the messages shown and the fact's
// values afterwards: value, previous value and CF joined by a bar.
struct PrzypisanieSkalara {
    int fakt;
    QString wartosc, cf;
    WynikPrzypisania wynik;
    QStringList komunikaty;
    QString zapis;
};

// Values of an enumerated fact chosen with their CFs: the outcome, the messages, the rows
// stored (CzyFaktMaWartAkt|CFWartFaktWyliczAkt each) and the previous value of the fact.
struct Wyliczeniowy {
    int fakt;
    QStringList wybory, cfy;
    WynikPrzypisania wynik;
    QStringList komunikaty;
    QString wiersze, poprz;
};

} // namespace

Q_DECLARE_METATYPE(PrzypisanieSkalara)
Q_DECLARE_METATYPE(Wyliczeniowy)

class TstPrzypisz : public QObject {
    Q_OBJECT
private slots:
    void skalar_data()
    {
        QTest::addColumn<PrzypisanieSkalara>("p");

        const auto P = WynikPrzypisania::Przypisane;
        const auto O = WynikPrzypisania::Odrzucone;
        const auto B = WynikPrzypisania::BezWartosci;
        QTest::newRow("real with comma") << PrzypisanieSkalara{.fakt = 1, .wartosc = "12,5", .cf = "1", .wynik = P,
            .komunikaty = {A1}, .zapis = "12,5||1"};
        QTest::newRow("real with point") << PrzypisanieSkalara{.fakt = 1, .wartosc = "12.5", .cf = "0,9", .wynik = P,
            .komunikaty = {A1}, .zapis = "12.5||0.9"};
        QTest::newRow("real letters R5") << PrzypisanieSkalara{.fakt = 1, .wartosc = "abc", .cf = "1", .wynik = O,
            .komunikaty = {QStringLiteral("Forma wartości faktu wadliwa. Nie konwertuje się do wartości rzeczywistej."
                                          "\n\rByć może wprowadziłeś kropkę dziesiętną w miejsce przecinka. Sprawdź i "
                                          "popraw.")}, .zapis = "???||0.5"};
        QTest::newRow("integer with comma R6") << PrzypisanieSkalara{.fakt = 2, .wartosc = "5,0", .cf = "1", .wynik = O,
            .komunikaty = {QStringLiteral("Forma wartości faktu wadliwa. Nie konwertuje się do wartości całkowitej. "
                                          "Popraw.")}, .zapis = "???||0.5"};
        QTest::newRow("logical stored as typed") << PrzypisanieSkalara{.fakt = 3, .wartosc = "true", .cf = "1",
            .wynik = P, .komunikaty = {A1}, .zapis = "true||1"};
        QTest::newRow("logical UNKNOWN R7") << PrzypisanieSkalara{.fakt = 3, .wartosc = "UNKNOWN", .cf = "1",
            .wynik = O,
            .komunikaty = {QStringLiteral("Forma wartości faktu wadliwa. Nie konwertuje się do wartości logicznej. "
                                          "Popraw.")}, .zapis = "???||0.5"};
        QTest::newRow("CF with letters R8") << PrzypisanieSkalara{.fakt = 1, .wartosc = "1", .cf = "x", .wynik = O,
            .komunikaty = {QStringLiteral("Forma CF wartości faktu wadliwa. Nie konwertuje się do wartości "
                                          "rzeczywistej.\n\rByć może wprowadziłeś kropkę dziesiętną w miejsce "
                                          "przecinka. Sprawdź i popraw.")}, .zapis = "???||0.5"};
        QTest::newRow("CF above 1 R9") << PrzypisanieSkalara{.fakt = 1, .wartosc = "1", .cf = "1,2", .wynik = O,
            .komunikaty = {QStringLiteral("CF wartości faktu zpoza przedziału dopuszczalnego [0,1].\n\rPopraw.")},
            .zapis = "???||0.5"};
        QTest::newRow("CF below threshold R10 stored") << PrzypisanieSkalara{.fakt = 1, .wartosc = "1", .cf = "0,01",
            .wynik = P,
            .komunikaty = {QStringLiteral("CF wartości faktu poniżej progu określonego w pliku konfiguracyjnym.\n\r"
                                          "Proces wnioskowania będzie kontynuowany, jednak reguły mające ten fakt w "
                                          "polu przesłankowym mogą nie zostać \"odpalone\"."),
                           A1}, .zapis = "1||0.01"};
        QTest::newRow("no value ???") << PrzypisanieSkalara{.fakt = 1, .wartosc = "???", .cf = "", .wynik = B,
            .komunikaty = {N}, .zapis = "???|nzn|0.5"};
        // An emptied edit is stored as "???", which every reader takes for no value.
        QTest::newRow("no value empty") << PrzypisanieSkalara{.fakt = 2, .wartosc = "", .cf = "", .wynik = B,
            .komunikaty = {N}, .zapis = "???|nzn|0.5"};
    }

    void skalar()
    {
        QFETCH(PrzypisanieSkalara, p);
        Stanowisko s;
        const auto f = dostep::fakt(s.baza, p.fakt);
        QVERIFY(f);
        QString wynikWart;
        QCOMPARE(PrzypiszWartFaktSkalar(s.baza, s.konfig, *f, p.wartosc, p.cf, s.pokaz, &wynikWart), p.wynik);
        QCOMPARE(s.komunikaty, p.komunikaty);
        QCOMPARE(
            s.pole(QStringLiteral("SELECT WartFakt, WartPoprzFakt, CFWartFakt FROM fakty WHERE IdFakt=%1").arg(p.fakt)),
            p.zapis);
        if (p.wynik == WynikPrzypisania::Przypisane)
            QCOMPARE(wynikWart, p.wartosc);
    }

    void wyliczeniowy_data()
    {
        QTest::addColumn<Wyliczeniowy>("p");

        const auto P = WynikPrzypisania::Przypisane;
        const auto O = WynikPrzypisania::Odrzucone;
        const auto B = WynikPrzypisania::BezWartosci;
        QTest::newRow("single value") << Wyliczeniowy{.fakt = 4, .wybory = {"tak", "nie"}, .cfy = {"0,8", "0"},
            .wynik = P, .komunikaty = {A2}, .wiersze = "tak|0.8;nie|0", .poprz = ""};
        QTest::newRow("point accepted too") << Wyliczeniowy{.fakt = 4, .wybory = {"???", "tak"}, .cfy = {"0", "0.8"},
            .wynik = P, .komunikaty = {A2}, .wiersze = "???|0;tak|0.8", .poprz = ""};
        QTest::newRow("two values of a single-valued fact R1") << Wyliczeniowy{.fakt = 4, .wybory = {"tak", "tak"},
            .cfy = {"1", "1"}, .wynik = O,
            .komunikaty = {QStringLiteral("Przypisałeś więcej niż jedną wartość do faktu, będącego faktem "
                           "jednowartościowym.\n\rPopraw.")}, .wiersze = "tak|1;???|0", .poprz = ""};
        QTest::newRow("CF out of range R3 keeps earlier rows") << Wyliczeniowy{.fakt = 5,
            .wybory = {"tak", "tak", "nie"}, .cfy = {"0,5", "1,2", "0"}, .wynik = O,
            .komunikaty = {QStringLiteral("CF wartości faktu o kodzie 22 zpoza przedziału dopuszczalnego [0,1].\n\r"
                           "Popraw.")}, .wiersze = "tak|0.5;???|0;???|0", .poprz = ""};
        QTest::newRow("CF form R2") << Wyliczeniowy{.fakt = 5, .wybory = {"tak", "nie", "nie"},
            .cfy = {"0.5.", "0", "0"}, .wynik = O,
            .komunikaty = {QStringLiteral("Forma CF wartości faktu o kodzie 21 wadliwa. Nie konwertuje się do "
                           "wartości rzeczywistej.\n\rByć może wprowadziłeś kropkę dziesiętną w "
                           "miejsce przecinka. Sprawdź i popraw.")}, .wiersze = "???|0;???|0;???|0", .poprz = ""};
        QTest::newRow("multi-valued, three values, one below threshold R4") << Wyliczeniowy{.fakt = 5,
            .wybory = {"tak", "tak", "tak"}, .cfy = {"0,9", "0,01", "1"}, .wynik = P,
            .komunikaty = {QStringLiteral("CF wartości faktu o kodzie 22 poniżej progu określonego w pliku "
                           "konfiguracyjnym.\n\rProces wnioskowania będzie kontynuowany, jednak reguły "
                           "mające ten fakt w polu przesłankowym mogą nie zostać \"odpalone\"."),
                           A2}, .wiersze = "tak|0.9;tak|0.01;tak|1", .poprz = ""};
        QTest::newRow("all rows ??? - nzn") << Wyliczeniowy{.fakt = 5, .wybory = {"???", "???", "???"},
            .cfy = {"0", "0,2", "0"}, .wynik = B, .komunikaty = {N}, .wiersze = "???|0;???|0.2;???|0", .poprz = "nzn"};
    }

    void wyliczeniowy()
    {
        QFETCH(Wyliczeniowy, p);
        Stanowisko s;
        const auto f = dostep::fakt(s.baza, p.fakt);
        QVERIFY(f);
        QList<TWierszWylicz> w;
        const auto rekordy = dostep::wartosciFaktu(s.baza, p.fakt);
        for (qsizetype i = 0; i < rekordy.size(); ++i)
            w.append({rekordy[i].IdWartFaktWylicz, p.wybory[i], p.cfy[i]});
        QCOMPARE(PrzypiszWartFaktWylicz(s.baza, s.konfig, *f, w, s.pokaz), p.wynik);
        QCOMPARE(s.komunikaty, p.komunikaty);
        QCOMPARE(s.pole(QStringLiteral("SELECT CzyFaktMaWartAkt, CFWartFaktWyliczAkt FROM wartoscifaktowwyliczeniowych "
                                       "WHERE KodFakt=%1 ORDER BY IdWartFaktWylicz")
                            .arg(p.fakt)),
                 p.wiersze);
        QCOMPARE(s.pole(QStringLiteral("SELECT WartPoprzFakt FROM fakty WHERE IdFakt=%1").arg(p.fakt)), p.poprz);
    }
};

QTEST_GUILESS_MAIN(TstPrzypisz)
#include "tst_przypisz.moc"
