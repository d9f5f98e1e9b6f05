// Forward chaining and rule evaluation on small knowledge bases, with a recording user.

#include "StanowiskoWnios.h"
#include "TekstyCzytFakt.h"
#include "inference/DostepWnios.h"
#include "inference/PrzypiszWartFakt.h"
#include "inference/WniosWPrzod.h"
#include "store/Konwersje.h"

#include <QSqlQuery>
#include <QTest>

using namespace tremida;
using namespace tremida::test;

namespace {

const QString LF = QStringLiteral("\n\r");

// One knowledge base in a temporary folder with its forward-chaining engine.
struct Stanowisko : StanowiskoWnios {
    TWniosWPrzod &wnios = wprzod;

    explicit Stanowisko(const QString &fixture, const QString &dodatek = QString())
        : StanowiskoWnios(fixture, {}, dodatek)
    {
    }

    // Prepares and runs forward chaining, continuing after every conclusion until the end.
    WynikPrzebiegu uruchom(const QString &hipoteza = QString())
    {
        QStringList konkluzje;
        if (!wnios.Przygotuj(konkluzje))
            return WynikPrzebiegu::Przerwany;
        return doKonca(wnios.Start(hipoteza), [this] { return wnios.Start(); });
    }
};

const QString H2 = QStringLiteral(
    "Hipoteza główna nie została zdefiniowana, tj. wybrana z listy konkluzji. Przy wnioskowaniu w przód nie jest to "
    "wymagane. W procesie wnioskowania zostaną zwizualizowane wszystkie możliwe konkluzje.");
const QString H9 = QStringLiteral("Zakończenie procesu wnioskowania w przód na skutek wyczerpania możliwości procesu.");
const QString PRZYJETA = QStringLiteral(
    "Reguła została przyjęta na stos do \"odpalenia\", jednak \"nieodpalona\", gdyż trwa jeszcze faza generowania "
    "stosu");
const QString ODPALONA = QStringLiteral("Reguła została \"odpalona\" w danym kroku trajektorii wnioskowania");
const QString Q2_1 = QStringLiteral(
    "Stwierdzono, że fakt wprowadzany rzeczywisty o kodzie 1 nie ma przypisanej wartości.\n\rZostanie "
    "zwizualizowany formularz, na którym powinieneś przypisać faktowi wartość oraz CF.\n\rJeśli wyjdziesz z "
    "formularza bez przypisania wartości, to proces wnioskowania będzie\n\rwprawdzie kontynuowany, jednak reguły "
    "mające ten fakt w polu przesłankowym mogą nie\n\rzostać \"odpalone\".");
const QString Q1_2 = QStringLiteral(
    "Stwierdzono, że fakt wprowadzany wyliczeniowy o kodzie 2 nie ma przypisanej żadnej wartości.\n\rZostanie "
    "zwizualizowany formularz, na którym powinieneś przypisać faktowi wartość, lub, jeśli trzeba,\n\rkilka wartości "
    "jeśli fakt jest wielowartościowy, jak również CF tej (tych) wartości.\n\rJeśli wyjdziesz z formularza bez "
    "przypisania wartości, to proces wnioskowania będzie wprawdzie \n\rkontynuowany, jednak reguły mające ten fakt "
    "w polu przesłankowym mogą nie zostać \"odpalone\".");
const QString UNKNOWN = QStringLiteral(
    "Reguła nieprzyjęta na stos do \"odpalenia\". Pole przesłankowe reguły zwraca wartość logiczną UNKNOWN, na "
    "skutek nieokreślonych wartości faktów w polu przesłankowym");

const QString Q3_1_1 = QStringLiteral(
    "Stwierdzono, że fakt wprowadzany rzeczywisty o kodzie 1, będący argumentem stałej\n\robliczanej o kodzie 1, nie "
    "ma przypisanej wartości.\n\rZostanie zwizualizowany formularz, na którym powinieneś przypisać faktowi wartość "
    "oraz CF.\n\rJeśli wyjdziesz z formularza bez przypisania wartości, to proces wnioskowania będzie\n\rwprawdzie "
    "kontynuowany, jednak reguły mające tę stałą w polu przesłankowym mogą nie\n\rzostać \"odpalone\".");

} // namespace

Q_DECLARE_METATYPE(QList<Odp>)

class TstWnios : public QObject {
    Q_OBJECT
private slots:
    // A whole run without hypothesis: questions, firings, displays, trajectory and values.
    void przebiegBezHipotezy()
    {
        Stanowisko s(QStringLiteral("wnios_kociol.json"));
        QCOMPARE(s.sesja.LicznikKrokow, 57);
        s.uzytkownik.odpowiedzi[1] = {{QStringLiteral("600"), QStringLiteral("0,9")}};
        s.uzytkownik.odpowiedzi[2] = {{QStringLiteral("czerwony"), QStringLiteral("0,8")}};
        QCOMPARE(s.uruchom(), WynikPrzebiegu::Zakonczony);
        const QStringList oczekiwane = {
            H2, Q2_1, QStringLiteral("pytanie 1"), A1,
            QStringLiteral("konkluzja 1 cf=0,81 zagreg=0,81 posredni obrazy=0 filmy=0"),
            Q1_2, QStringLiteral("pytanie 2"), A2,
            QStringLiteral("konkluzja 2 cf=0,64 zagreg=0,81 posredni obrazy=0 filmy=0"),
            QStringLiteral("konkluzja 3 cf=0,64 zagreg=0,64 koncowy obrazy=1 filmy=1"), H9};
        QCOMPARE(s.uzytkownik.zdarzenia, oczekiwane);
        // Numbering goes on after the other system's rows; the old rows of system 1 are gone.
        QCOMPARE(s.sql(QStringLiteral("SELECT IdKrokTraj, KodRegTraj, PozRegTraj, IterRegTraj, KierWniTraj, "
                                      "CzyOdpalTraj, ROUND(CFKonklRegTraj, 9), PrzyczNieOdpalTraj FROM trajektoria "
                                      "WHERE KodSyst=1 ORDER BY IdKrokTraj")),
                 QStringList({QStringLiteral("58|1|1|1|w przod|nie|0.81|") + PRZYJETA,
                              QStringLiteral("59|1|1|1|w przod|tak|0.81|") + ODPALONA,
                              QStringLiteral("60|2|1|2|w przod|nie|0.64|") + PRZYJETA,
                              QStringLiteral("61|2|1|2|w przod|tak|0.64|") + ODPALONA,
                              QStringLiteral("62|3|2|3|w przod|nie|0.64|") + PRZYJETA,
                              QStringLiteral("63|3|2|3|w przod|tak|0.64|") + ODPALONA}));
        // Input facts keep their values and lose their marks of earlier runs.
        QCOMPARE(s.sql(QStringLiteral("SELECT WartFakt, WartPoprzFakt, ROUND(CFWartFakt, 9) FROM fakty ORDER BY IdFakt")),
                 QStringList({QStringLiteral("600||0.9"), QStringLiteral("???||"), QStringLiteral("???|???|0"),
                              QStringLiteral("TRUE|???|0.64")}));
        QCOMPARE(s.sql(QStringLiteral("SELECT CzyFaktMaWartAkt, ROUND(CFWartFaktWyliczAkt, 9), CzyFaktMaWartPoprz, "
                                      "ROUND(CFWartFaktWyliczPoprz, 9) FROM wartoscifaktowwyliczeniowych "
                                      "ORDER BY IdWartFaktWylicz")),
                 QStringList({QStringLiteral("tak|0.8||"), QStringLiteral("???|0||"),
                              QStringLiteral("tak|0.64|tak|0.81"), QStringLiteral("???|0|???|0")}));
        QCOMPARE(s.sql(QStringLiteral("SELECT IdReg, CzyOdpal, CzyBieUdzWeWnios, ROUND(CFKonklReg, 9) FROM reguly")),
                 QStringList({QStringLiteral("1|tak|nie|0.81"), QStringLiteral("2|tak|nie|0.64"),
                              QStringLiteral("3|tak|nie|0.64"), QStringLiteral("4|||")}));
    }

    // A premise [x] > [K] whose computed constant K has the input fact x as its argument asks
    // once, at the constant (Q3): the answer, or the "nzn" mark, counts for the premise too.
    void argumentStalejPytanyRaz_data()
    {
        QTest::addColumn<QList<Odp>>("odpowiedz");
        QTest::addColumn<QStringList>("zdarzenia");
        QTest::addColumn<QString>("wartosc");
        QTest::newRow("answered")
            << QList<Odp>{{QStringLiteral("10"), QStringLiteral("1")}}
            << QStringList{H2, Q3_1_1, QStringLiteral("pytanie 1"), A1,
                           QStringLiteral("konkluzja 1 cf=1 zagreg=1 koncowy obrazy=0 filmy=0"), H9}
            << QStringLiteral("10||1");
        QTest::newRow("declared unknown") << QList<Odp>{} << QStringList{H2, Q3_1_1, QStringLiteral("pytanie 1"), N, H9}
                                          << QStringLiteral("???|nzn|0");
    }
    void argumentStalejPytanyRaz()
    {
        QFETCH(QList<Odp>, odpowiedz);
        QFETCH(QStringList, zdarzenia);
        QFETCH(QString, wartosc);
        // One rule [x]>[K] where K = 0,5 * x + 1 is computed from the input fact x itself.
        Stanowisko s(QStringLiteral("argument_stalej.json"));
        if (!odpowiedz.isEmpty())
            s.uzytkownik.odpowiedzi[1] = odpowiedz;
        QCOMPARE(s.uruchom(), WynikPrzebiegu::Zakonczony);
        QCOMPARE(s.uzytkownik.zdarzenia, zdarzenia);
        QCOMPARE(s.sql(QStringLiteral("SELECT WartFakt, WartPoprzFakt, ROUND(CFWartFakt, 9) FROM fakty WHERE IdFakt=1")),
                 QStringList{wartosc});
    }

    // An input fact declared unknown is marked "nzn" and not asked for again in the run.
    void faktNieznanyNiePytanyPonownie()
    {
        Stanowisko s(QStringLiteral("wnios_kociol.json"),
                     QStringLiteral(R"({"reguly": [{"IdReg": 5, "KodSyst": 1, "NazReg": "Znowu", "PozReg": 1,
                        "KierWniReg": "w przod", "CFReg": 1, "PrzesReg": "[temperatura]<[100]",
                        "KonklReg": "[awaria]=[FALSE]"}]})"));
        s.konfig.MetaReg = konfig::MetaMaksCFKonkl;
        QCOMPARE(s.uruchom(), WynikPrzebiegu::Zakonczony);
        QCOMPARE(s.uzytkownik.zdarzenia.count(QStringLiteral("pytanie 1")), 1);
        QCOMPARE(s.uzytkownik.zdarzenia.count(QStringLiteral("pytanie 2")), 1);
        QCOMPARE(s.uzytkownik.zdarzenia.mid(0, 4), QStringList({H2, Q2_1, QStringLiteral("pytanie 1"), N}));
        QCOMPARE(s.sql(QStringLiteral("SELECT WartFakt, WartPoprzFakt FROM fakty WHERE IdFakt IN (1, 2)")),
                 QStringList({QStringLiteral("???|nzn"), QStringLiteral("???|nzn")}));
        QCOMPARE(s.sql(QStringLiteral("SELECT PrzyczNieOdpalTraj FROM trajektoria WHERE KodSyst=1 AND KodRegTraj=5")),
                 QStringList({UNKNOWN}));
        // A new run forgets the marks.
        s.uzytkownik.zdarzenia.clear();
        WybierzSystem(s.baza, 1, s.sesja);
        s.uruchom();
        QCOMPARE(s.uzytkownik.zdarzenia.count(QStringLiteral("pytanie 1")), 1);
    }

    void metaReguly_data()
    {
        QTest::addColumn<QString>("meta");
        QTest::addColumn<QStringList>("pierwszaIteracja");
        // A: CFReg 0.7, premise 0.70 -> 0.49; B: CFReg 0.7, premise 0.90 -> 0.63.
        QTest::newRow("pierwsza: A at once, B not examined")
            << konfig::MetaPierwsza << QStringList({QStringLiteral("10|nie"), QStringLiteral("10|tak")});
        QTest::newRow("CF reguly: tie keeps A")
            << konfig::MetaMaksCFReg
            << QStringList({QStringLiteral("10|nie"), QStringLiteral("11|nie"), QStringLiteral("10|tak")});
        QTest::newRow("CF konkluzji: B")
            << konfig::MetaMaksCFKonkl
            << QStringList({QStringLiteral("10|nie"), QStringLiteral("11|nie"), QStringLiteral("11|tak")});
    }

    void metaReguly()
    {
        QFETCH(QString, meta);
        QFETCH(QStringList, pierwszaIteracja);
        Stanowisko s(QStringLiteral("wnios_meta_reguly.json"));
        s.konfig.MetaReg = meta;
        QCOMPARE(s.uruchom(), WynikPrzebiegu::Zakonczony);
        QCOMPARE(s.sql(QStringLiteral("SELECT KodRegTraj, CzyOdpalTraj FROM trajektoria WHERE IterRegTraj=1 "
                                      "ORDER BY IdKrokTraj")),
                 pierwszaIteracja);
        // Both rules fire in the end, the literal stored without blanks.
        QCOMPARE(s.sql(QStringLiteral("SELECT WartFakt, ROUND(CFWartFakt, 9) FROM fakty WHERE IdFakt>=3")),
                 QStringList({QStringLiteral("1|0.49"), QStringLiteral("2|0.63")}));
    }

    void agregacja_data()
    {
        QTest::addColumn<QString>("rodzina");
        QTest::addColumn<QString>("drugaKonkluzja");
        QTest::newRow("rozmyta") << konfig::Rozmyta << QStringLiteral("konkluzja 2 cf=0,8 zagreg=0,8 koncowy obrazy=0 filmy=0");
        QTest::newRow("algebraiczna") << konfig::Algebraiczna
                                      << QStringLiteral("konkluzja 2 cf=0,8 zagreg=0,92 koncowy obrazy=0 filmy=0");
        QTest::newRow("Lukasiewicza") << konfig::Lukasiewicza
                                      << QStringLiteral("konkluzja 2 cf=0,8 zagreg=1 koncowy obrazy=0 filmy=0");
    }

    void agregacja()
    {
        QFETCH(QString, rodzina);
        QFETCH(QString, drugaKonkluzja);
        Stanowisko s(QStringLiteral("wnios_agregacja.json"));
        s.konfig.SNormaKonkl = rodzina;
        QCOMPARE(s.uruchom(), WynikPrzebiegu::Zakonczony);
        QCOMPARE(s.uzytkownik.zdarzenia,
                 QStringList({H2, QStringLiteral("konkluzja 1 cf=0,6 zagreg=0,6 koncowy obrazy=0 filmy=0"),
                              drugaKonkluzja, H9}));
        QCOMPARE(s.sql(QStringLiteral("SELECT WartFakt, CFWartFakt, WartPoprzFakt, CFWartPoprzFakt FROM fakty "
                                      "WHERE IdFakt=2")),
                 QStringList({QStringLiteral("12,5|0.8|12,5|0.6")}));
    }

    // Only conclusions written exactly alike, letter case included, are aggregated.
    void agregacjaTegoSamegoTekstu()
    {
        Stanowisko s(QStringLiteral("wnios_agregacja_tekstu.json"));
        s.konfig.SNormaKonkl = konfig::Algebraiczna;
        QCOMPARE(s.uruchom(), WynikPrzebiegu::Zakonczony);
        QCOMPARE(s.uzytkownik.zdarzenia,
                 QStringList({H2, QStringLiteral("konkluzja 1 cf=0,6 zagreg=0,6 koncowy obrazy=0 filmy=0"),
                              QStringLiteral("konkluzja 2 cf=0,8 zagreg=0,8 koncowy obrazy=0 filmy=0"),
                              QStringLiteral("konkluzja 3 cf=0,5 zagreg=0,8 koncowy obrazy=0 filmy=0"), H9}));
    }

    void hipoteza_data()
    {
        QTest::addColumn<QString>("hipoteza");
        QTest::addColumn<QStringList>("zdarzenia");
        const QString H1 = QStringLiteral(
            "Hipoteza główna została zdefiniowana, tj. wybrana z listy konkluzji. W procesie wnioskowania zostaną "
            "zwizualizowane wyłącznie konkluzje zgodne z hipotezą główną.");
        QTest::newRow("udowodniona")
            << QStringLiteral("[awaria]=[true]")
            << QStringList({H1,
                            QStringLiteral("Hipoteza główna została udowodniona na podstawie reguły o kodzie 3.") +
                                LF + QStringLiteral("Zostanie zwizualizowany formularz konkluzji reguły.") + LF +
                                QStringLiteral("Zagregowany CF konkluzji będzie obliczany i wizualizowany na tym "
                                               "formularzu sukcesywnie."),
                            QStringLiteral("konkluzja 3 cf=0,27 zagreg=0,27 koncowy obrazy=1 filmy=1"),
                            QStringLiteral("Hipoteza główna została wykazana. Zakończenie procesu wnioskowania w "
                                           "przód na skutek wyczerpania możliwości procesu.")});
        QTest::newRow("niewykazana, inny zapis")
            << QStringLiteral("[awaria]=[TRUE]")
            << QStringList({H1, QStringLiteral("Hipoteza główna nie została wykazana. Zakończenie procesu "
                                               "wnioskowania w przód na skutek wyczerpania możliwości procesu.")});
    }

    // With a hypothesis only the rules proving it are shown; the others fire silently.
    void hipoteza()
    {
        QFETCH(QString, hipoteza);
        QFETCH(QStringList, zdarzenia);
        Stanowisko s(QStringLiteral("wnios_kociol.json"),
                     QStringLiteral(R"({"fakty": [{"IdFakt": 9, "KodSyst": 1, "NazFakt": "t2",
                        "RodzFakt": "wprowadzany", "TypFakt": "rzeczywisty", "WartFakt": "600", "CFWartFakt": 0.3}]})"));
        QSqlQuery q = s.baza.zapytanie();
        QVERIFY(q.exec(QStringLiteral("UPDATE reguly SET PrzesReg='[t2]>[500]' WHERE IdReg=1")));
        QVERIFY(q.exec(QStringLiteral("UPDATE reguly SET KierWniReg='wstecz' WHERE IdReg=2")));
        QCOMPARE(s.uruchom(hipoteza), WynikPrzebiegu::Zakonczony);
        QCOMPARE(s.uzytkownik.zdarzenia, zdarzenia);
    }

    void bledy_data()
    {
        QTest::addColumn<QString>("przesReg");
        QTest::addColumn<QString>("konklReg");
        QTest::addColumn<QString>("komunikat");
        const QString END = LF + QStringLiteral("Nastąpi przerwanie procesu wnioskowania.");
        QTest::newRow("P1 fakt nieznany") << QStringLiteral("[t2]>[1] AND [brak]=[x]") << QStringLiteral("[awaria]=[TRUE]")
                                          << QStringLiteral("Kod reguły: 7, przesłanka   2 licząc od początku pola "
                                                            "przesłankowego.") +
                                                 LF +
                                                 QStringLiteral("Błąd składni reguły. W tabeli faktów nie znaleziono "
                                                                "faktu o nazwie wyspecyfikowanej w przesłance.") +
                                                 END;
        QTest::newRow("S1 nawiasy") << QStringLiteral("([t2]>[1]") << QStringLiteral("[awaria]=[TRUE]")
                                    << QStringLiteral("Kod reguły: 7.") + LF + QStringLiteral("Błąd składni reguły.") +
                                           LF +
                                           QStringLiteral("Niezgodność liczby nawiasów zwykłych otwierających i "
                                                          "zamykających w polu przesłankowym.") +
                                           END;
        QTest::newRow("N4 calkowity z przecinkiem") << QStringLiteral("[n]>[1]") << QStringLiteral("[awaria]=[TRUE]")
                                                    << QStringLiteral("Kod reguły: 7, przesłanka   1 licząc od "
                                                                      "początku pola przesłankowego.") +
                                                           LF +
                                                           QStringLiteral("Błąd w tabeli faktów. Wartość aktualna "
                                                                          "faktu złej postaci.") +
                                                           END;
        QTest::newRow("K2 fakt wprowadzany w konkluzji")
            << QStringLiteral("[t2]>[1]") << QStringLiteral("[t2]>[5]")
            << QStringLiteral("Kod reguły: 7. Błąd składni reguły. W konkluzji stwierdzono fakt wprowadzany.") + END;
        QTest::newRow("R4 brak operatora") << QStringLiteral("[t2]>[1] [t2]>[2]") << QStringLiteral("[awaria]=[TRUE]")
                                           << QStringLiteral("Kod reguły: 7. Błąd składni reguły.") + LF +
                                                  QStringLiteral("W nawiasie zwykłym figuruje więcej niż jedna "
                                                                 "przesłanka, jednak brak operatora logicznego "
                                                                 "pomiędzy nimi.") +
                                                  END;
        QTest::newRow("V3 literal zlej postaci") << QStringLiteral("[t2]>[1,2,3]") << QStringLiteral("[awaria]=[TRUE]")
                                                 << QStringLiteral("Kod reguły: 7, przesłanka   1 licząc od początku "
                                                                   "pola przesłankowego.") +
                                                        LF +
                                                        QStringLiteral("Błąd w składni reguły. Nie znaleziono stałej w "
                                                                       "tabeli stałych, a wartość z przesłanki jest "
                                                                       "złej postaci.") +
                                                        END;
        QTest::newRow("E7 konkluzja zlej postaci")
            << QStringLiteral("[t2]>[1]") << QStringLiteral("[awaria]=[tak]")
            << QStringLiteral("Kod reguły: 7. Błąd składni reguły.") + LF +
                   QStringLiteral("Nie znaleziono stałej z konkluzji w tabeli stałych, a wartość z konkluzji jest złej "
                                  "postaci.") +
                   END;
    }

    // An error message stops the run; what was written before it stays.
    void bledy()
    {
        QFETCH(QString, przesReg);
        QFETCH(QString, konklReg);
        QFETCH(QString, komunikat);
        Stanowisko s(QStringLiteral("wnios_kociol.json"),
                     QStringLiteral(R"({"fakty": [
                        {"IdFakt": 9, "KodSyst": 1, "NazFakt": "t2", "RodzFakt": "wprowadzany", "TypFakt": "rzeczywisty", "WartFakt": "600", "CFWartFakt": 1},
                        {"IdFakt": 10, "KodSyst": 1, "NazFakt": "n", "RodzFakt": "wprowadzany", "TypFakt": "calkowity", "WartFakt": "5,0", "CFWartFakt": 1}],
                      "reguly": [{"IdReg": 7, "KodSyst": 1, "NazReg": "Zła", "PozReg": 3, "KierWniReg": "w przod",
                        "CFReg": 1, "PrzesReg": "x", "KonklReg": "x"}]})"));
        QSqlQuery q = s.baza.zapytanie();
        q.prepare(QStringLiteral("UPDATE reguly SET PrzesReg=:p, KonklReg=:k WHERE IdReg=7"));
        q.bindValue(QStringLiteral(":p"), przesReg);
        q.bindValue(QStringLiteral(":k"), konklReg);
        QVERIFY(q.exec());
        s.uzytkownik.odpowiedzi[1] = {{QStringLiteral("600"), QStringLiteral("1")}};
        s.uzytkownik.odpowiedzi[2] = {{QStringLiteral("niebieski"), QStringLiteral("1")}};
        QCOMPARE(s.uruchom(), WynikPrzebiegu::Przerwany);
        QCOMPARE(s.uzytkownik.zdarzenia.last(), komunikat);
        QVERIFY(!s.uzytkownik.zdarzenia.contains(H9));
        // Rule 7 (level 3) is reached after the other rules fired; it never fires.
        QCOMPARE(s.sql(QStringLiteral("SELECT COUNT(*) FROM trajektoria WHERE KodRegTraj=7 AND CzyOdpalTraj='tak'")),
                 QStringList({QStringLiteral("0")}));
        QCOMPARE(s.sql(QStringLiteral("SELECT WartFakt FROM fakty WHERE IdFakt=4")), QStringList({QStringLiteral("TRUE")}));
    }

    void ocena_data()
    {
        QTest::addColumn<QString>("przesReg");
        QTest::addColumn<QString>("stanX"); // CzyFaktMaWartAkt of row x of fact a (CF 0.8, or 0.6 for "nie")
        QTest::addColumn<QString>("norma");
        QTest::addColumn<double>("cfReg");
        QTest::addColumn<QString>("wynik"); // value|premise CF|conclusion CF
        QTest::addColumn<QString>("przyczyna");
        QTest::addColumn<QList<int>>("bezWartosci");
        const QString nie = QStringLiteral("Reguła nieprzyjęta na stos do \"odpalenia\". ");
        QTest::newRow("AND with unknown real") << "[a]=[x] AND [b]>[5]" << "tak" << konfig::Rozmyta << 1.0
                                               << "UNKNOWN|0|0" << UNKNOWN << QList<int>{2};
        QTest::newRow("OR with unknown real") << "[a]=[x] OR [b]>[5]" << "nie" << konfig::Rozmyta << 1.0
                                              << "FALSE|0.6|0.6"
                                              << nie + "Pole przesłankowe reguły zwraca wartość logiczną FALSE"
                                              << QList<int>{2};
        QTest::newRow("algebraic AND rounds to 0.30") << "[p]>=[1] AND [q]>=[1]" << "tak" << konfig::Algebraiczna
                                                      << 0.9 << "TRUE|0.3|0.27" << PRZYJETA << QList<int>{};
        QTest::newRow("NOT of a true premise") << "NOT [t]>[541]" << "tak" << konfig::Rozmyta << 1.0
                                               << "FALSE|0.9|0.9"
                                               << nie + "Pole przesłankowe reguły zwraca wartość logiczną FALSE"
                                               << QList<int>{};
        QTest::newRow("conclusion CF equal to threshold") << "[z]>=[1]" << "tak" << konfig::Rozmyta << 1.0
                                                          << "TRUE|0.05|0.05" << PRZYJETA << QList<int>{};
        QTest::newRow("conclusion CF below threshold") << "[z]>=[1]" << "tak" << konfig::Rozmyta << 0.998
                                                       << "TRUE|0.05|0.0499"
                                                       << nie + "Pole przesłankowe zwraca wprawdzie TRUE, jednak "
                                                                "wartość CF pola przesłankowego poniżej progu"
                                                       << QList<int>{};
        QTest::newRow("enumerated row ??? of an intermediate fact")
            << "[a]=[y]" << "tak" << konfig::Rozmyta << 1.0 << "UNKNOWN|0|0" << UNKNOWN << QList<int>{1};
    }

    // One evaluation in backward mode: value, CFs, reason, CFKonklReg and facts without value.
    void ocena()
    {
        QFETCH(QString, przesReg);
        QFETCH(QString, stanX);
        QFETCH(QString, norma);
        QFETCH(double, cfReg);
        QFETCH(QString, wynik);
        QFETCH(QString, przyczyna);
        QFETCH(QList<int>, bezWartosci);
        Stanowisko s(QStringLiteral("wnios_ocena.json"));
        QSqlQuery q = s.baza.zapytanie();
        QVERIFY(q.exec(QStringLiteral("UPDATE wartoscifaktowwyliczeniowych SET CzyFaktMaWartAkt='%1', "
                                      "CFWartFaktWyliczAkt=%2 WHERE IdWartFaktWylicz=1")
                           .arg(stanX, stanX == u"nie" ? QStringLiteral("0.6") : QStringLiteral("0.8"))));
        s.konfig.TNormaIloczyn = norma;
        TRekReg reg = *dostep::regula(s.baza, 1);
        reg.PrzesReg = przesReg;
        reg.CFReg = cfReg;
        TOcenaReg ocena(s.baza, s.konfig, s.sesja, s.uzytkownik);
        QList<int> lista;
        const TWynikReg w = ocena.OblWartLogPolaPrzesReg(reg, 1, 4, TrybOceny::Wstecz, &lista);
        QVERIFY(!w.przerwanie);
        QCOMPARE(QStringLiteral("%1|%2|%3").arg(tekstWartLog(w.wartosc)).arg(w.cfPrzes).arg(w.cfKonkl), wynik);
        QCOMPARE(w.przyjeta, przyczyna == PRZYJETA);
        QCOMPARE(lista, bezWartosci);
        QCOMPARE(s.sql(QStringLiteral("SELECT IdKrokTraj, PozRegTraj, IterRegTraj, KierWniTraj, CzyOdpalTraj, "
                                      "PrzyczNieOdpalTraj FROM trajektoria")),
                 QStringList({QStringLiteral("1|1|4|wstecz|nie|") + przyczyna}));
        QCOMPARE(s.sql(QStringLiteral("SELECT ROUND(CFKonklReg, 9) FROM reguly")),
                 QStringList({QString::number(w.cfKonkl)}));
    }

    void porownania_data()
    {
        QTest::addColumn<QString>("przesReg");
        QTest::addColumn<QString>("wynik"); // the field's value, or "przerwanie" after an error message
        // "premise field => result" of the facts n (integer 5), r (real 2,5), l (logical TRUE)
        // and the real constant Prog (2,5); each row is named by its field.
        const char *wiersze[] = {
            "[n]=[5] => TRUE", "[n]>[5] => FALSE", "[n]>=[5] => TRUE", "[n]<[6] => TRUE", "[n]<=[4] => FALSE",
            "[n]>[ 4 ] => TRUE", "[n]>[4,5] => przerwanie", "[r]>[2,4] => TRUE", "[r]<[2,5] => FALSE",
            "[r]<=[2,5] => TRUE", "[r]>=[Prog] => TRUE", "[r]>[Prog] => FALSE", "[n]=[Prog] => przerwanie",
            "[l]=[TRUE] => TRUE", "[l]=[true] => TRUE", "[l]=[False] => FALSE", "[l]=[1] => przerwanie",
            "[l]>[TRUE] => przerwanie", "[n]=>[5] => przerwanie", "[n]>==[5] => przerwanie",
            "[n]>[4] AND [n]<[6] AND [l]=[TRUE] AND [r]>[2] => TRUE"};
        for (const char *w : wiersze) {
            const QStringList czesci = QString::fromUtf8(w).split(QStringLiteral(" => "));
            QTest::newRow(w) << czesci[0] << czesci[1];
        }
    }

    // A scalar premise compares the fact's value with the literal or constant as numbers or
    // logical values of the fact's type; an evaluator kept for a second evaluation of the same
    // rule gives the same answer.
    void porownania()
    {
        QFETCH(QString, przesReg);
        QFETCH(QString, wynik);
        Stanowisko s(QStringLiteral("wnios_ocena.json"), QStringLiteral(R"({"fakty": [
            {"IdFakt": 11, "KodSyst": 1, "NazFakt": "n", "RodzFakt": "wprowadzany", "TypFakt": "calkowity", "WartFakt": "5", "CFWartFakt": 1},
            {"IdFakt": 12, "KodSyst": 1, "NazFakt": "r", "RodzFakt": "wprowadzany", "TypFakt": "rzeczywisty", "WartFakt": "2,5", "CFWartFakt": 1},
            {"IdFakt": 13, "KodSyst": 1, "NazFakt": "l", "RodzFakt": "wprowadzany", "TypFakt": "logiczny", "WartFakt": "TRUE", "CFWartFakt": 1}],
          "stale": [{"IdStala": 1, "KodSyst": 1, "NazStala": "Prog", "RodzStala": "prosta", "TypStala": "rzeczywista",
            "WartStalaProsta": "2,5", "KodArgStala": 0, "WartParAStala": "0", "WartParBStala": "0", "DataRek": "1"}]})"));
        TRekReg reg = *dostep::regula(s.baza, 1);
        reg.PrzesReg = przesReg;
        TOcenaReg ocena(s.baza, s.konfig, s.sesja, s.uzytkownik);
        for (int i = 0; i < 2; ++i) {
            const TWynikReg w = ocena.OblWartLogPolaPrzesReg(reg, 1, 1, TrybOceny::WPrzod, nullptr);
            QCOMPARE(w.przerwanie ? QStringLiteral("przerwanie") : tekstWartLog(w.wartosc), wynik);
        }
    }

    // An evaluator kept between runs follows the norms set after its first evaluation.
    void zmianaNormyMiedzyOcenami()
    {
        Stanowisko s(QStringLiteral("wnios_zmiana_normy.json"));
        const TRekReg reg = *dostep::regula(s.baza, 1);
        TOcenaReg ocena(s.baza, s.konfig, s.sesja, s.uzytkownik);
        QStringList cf;
        for (const QString &norma : {konfig::Rozmyta, konfig::Algebraiczna, konfig::Lukasiewicza, konfig::Rozmyta}) {
            s.konfig.TNormaIloczyn = norma;
            cf << QString::number(ocena.OblWartLogPolaPrzesReg(reg, 1, 1, TrybOceny::WPrzod, nullptr).cfPrzes);
        }
        QCOMPARE(cf, QStringList({QStringLiteral("0.55"), QStringLiteral("0.3"), QStringLiteral("0.1"),
                                  QStringLiteral("0.55")}));
    }

    void poziomZaWysoki()
    {
        Stanowisko s(QStringLiteral("wnios_kociol.json"));
        s.konfig.MaxPozReg = 1;
        QStringList konkluzje;
        QVERIFY(!s.wnios.Przygotuj(konkluzje));
        QCOMPARE(s.uzytkownik.zdarzenia,
                 QStringList({QStringLiteral("Odczytany, maksymalny poziom reguły w bazie reguł przekracza wartość "
                                             "maksymalną\n\rzdefiniowaną w pliku konfiguracyjnym. Nastąpi przerwanie "
                                             "procesu wnioskowania.")}));
    }

    void listaKonkluzji()
    {
        Stanowisko s(QStringLiteral("wnios_kociol.json"));
        QStringList konkluzje;
        QVERIFY(s.wnios.Przygotuj(konkluzje));
        QCOMPARE(konkluzje, QStringList({QStringLiteral("[stan]=[zły]"), QStringLiteral("[awaria]=[true]")}));
        QCOMPARE(s.wnios.listaReg().size(), 3);
        QCOMPARE(s.sql(QStringLiteral("SELECT CzyOdpal, CzyBieUdzWeWnios, CFKonklReg FROM reguly WHERE IdReg=3")),
                 QStringList({QStringLiteral("nie|tak|0")}));
    }

    void brakRegulWPrzod()
    {
        Stanowisko s(QStringLiteral("wnios_kociol.json"));
        QSqlQuery q = s.baza.zapytanie();
        QVERIFY(q.exec(QStringLiteral("UPDATE reguly SET KierWniReg='wstecz'")));
        QCOMPARE(s.uruchom(), WynikPrzebiegu::Przerwany);
        QCOMPARE(s.uzytkownik.zdarzenia, QStringList({QStringLiteral(
                                             "Brak reguł zadekretowanych do wnioskowania w przód. Nastąpi wyjście z "
                                             "opcji.")}));
    }

    // With CzyOdpalUwzgl the fired rule takes part again and fires again without a new iteration.
    void odpalonaUwzgledniana()
    {
        Stanowisko s(QStringLiteral("wnios_odpalona.json"));
        s.konfig.CzyOdpalUwzgl = true;
        QCOMPARE(s.uruchom(), WynikPrzebiegu::Zakonczony);
        QCOMPARE(s.sql(QStringLiteral("SELECT IterRegTraj, CzyOdpalTraj FROM trajektoria ORDER BY IdKrokTraj")),
                 QStringList({QStringLiteral("1|nie"), QStringLiteral("1|tak"), QStringLiteral("2|nie"),
                              QStringLiteral("2|tak")}));
        QCOMPARE(s.uzytkownik.zdarzenia.size(), 4); // H2, two displays, H9
        QCOMPARE(s.sql(QStringLiteral("SELECT CzyBieUdzWeWnios FROM reguly")), QStringList({QStringLiteral("tak")}));
    }

    // The display's close button ends the run with its message; Start during the first pause starts anew.
    void zamkniecieIPonownyStart()
    {
        Stanowisko s(QStringLiteral("wnios_kociol.json"));
        s.uzytkownik.odpowiedzi[1] = {{QStringLiteral("600"), QStringLiteral("1")}};
        QStringList konkluzje;
        QVERIFY(s.wnios.Przygotuj(konkluzje));
        QCOMPARE(s.wnios.Start(), WynikPrzebiegu::Wstrzymany);
        QCOMPARE(s.wnios.Start(), WynikPrzebiegu::Wstrzymany); // no continuation requested: a new run
        QCOMPARE(s.sql(QStringLiteral("SELECT COUNT(*) FROM trajektoria WHERE KodSyst=1")), QStringList({QStringLiteral("2")}));
        s.wnios.Zamknij();
        QCOMPARE(s.uzytkownik.zdarzenia.last(),
                 QStringLiteral("Przerwanie procesu wnioskowania w przód przez użytkownika."));
        QCOMPARE(s.wnios.Dalej(), WynikPrzebiegu::Zakonczony);
    }

    // Warning W when a scalar conclusion changes the text of a value; N3 for two values of a
    // single-valued intermediate fact; N2 stops for an input fact.
    void sprzecznosci()
    {
        Stanowisko s(QStringLiteral("wnios_kociol.json"));
        TOcenaReg ocena(s.baza, s.konfig, s.sesja, s.uzytkownik);
        QSqlQuery q = s.baza.zapytanie();
        QVERIFY(q.exec(QStringLiteral("UPDATE fakty SET WartFakt='12,5' WHERE IdFakt=4")));
        QVERIFY(q.exec(QStringLiteral("UPDATE fakty SET TypFakt='rzeczywisty' WHERE IdFakt=4")));
        QVERIFY(ocena.ZapiszKonkl(QStringLiteral("8"), QStringLiteral("[awaria]=[12.5]"), 0.5));
        const QString W = QStringLiteral("Kod reguły: 8. Stwierdzono, że w poprzedniej iteracji") + LF +
                          QStringLiteral("procesu wnioskowania fakt z konkluzji reguły miał inną wartość.") + LF +
                          QStringLiteral("Świadczy to o istnieniu sprzeczności w bazie wiedzy.") + LF +
                          QStringLiteral("Proces wnioskowania będzie kontynuowany, jednakże wizualizowane konkluzje") +
                          LF +
                          QStringLiteral("mogą okazać się fałszywe. Przed następnym przebiegiem procesu usuń "
                                         "sprzeczność.");
        QCOMPARE(s.uzytkownik.zdarzenia, QStringList({W}));
        QCOMPARE(s.sql(QStringLiteral("SELECT WartFakt, WartPoprzFakt FROM fakty WHERE IdFakt=4")),
                 QStringList({QStringLiteral("12.5|12,5")}));

        // "zły" is "tak" already: concluding "dobry" of the single-valued fact warns and keeps both.
        s.uzytkownik.zdarzenia.clear();
        QVERIFY(ocena.ZapiszKonkl(QStringLiteral("9"), QStringLiteral("[stan]=[dobry]"), 0.7));
        QCOMPARE(s.uzytkownik.zdarzenia, QStringList({QString(W).replace(QStringLiteral(": 8."), QStringLiteral(": 9."))}));
        s.uzytkownik.zdarzenia.clear();
        const auto tok = ocena.OblPrzesElem(QStringLiteral("9"), {QStringLiteral("stan"), QStringLiteral("="),
                                                                  QStringLiteral("dobry"), 1, 0, 0});
        QVERIFY(tok && tok->wartosc == TWartLog::True && tok->cf == 0.7);
        QCOMPARE(s.uzytkownik.zdarzenia,
                 QStringList({QStringLiteral("Fakt wyliczeniowy jednowartościowy pośredni lub końcowy o kodzie 3 ma "
                                             "przypisaną więcej niż jedną wartość.") +
                              LF + QStringLiteral("Świadczy to o sprzeczności w bazie reguł.") + LF +
                              QStringLiteral("Proces wnioskowania mimo wszystko będzie kontynuowany.")}));

        s.uzytkownik.zdarzenia.clear();
        QVERIFY(q.exec(QStringLiteral("UPDATE wartoscifaktowwyliczeniowych SET CzyFaktMaWartAkt='tak' WHERE KodFakt=2")));
        QVERIFY(!ocena.OblPrzesElem(QStringLiteral("9"), {QStringLiteral("kolor"), QStringLiteral("="),
                                                          QStringLiteral("czerwony"), 1, 0, 0}));
        QCOMPARE(s.uzytkownik.zdarzenia,
                 QStringList({QStringLiteral("Fakt wyliczeniowy jednowartościowy wprowadzany o kodzie 2 ma "
                                             "przypisaną więcej niż jedną wartość.") +
                              LF + QStringLiteral("Nastąpi przerwanie procesu wnioskowania.")}));
    }
};

QTEST_GUILESS_MAIN(TstWnios)
#include "tst_wnios.moc"
