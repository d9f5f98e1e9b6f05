// Backward chaining on small knowledge bases, with the recording user.

#include "StanowiskoWnios.h"
#include "TekstyWstecz.h"

using namespace tremida;
using namespace tremida::test;

namespace {

const QString KONIEC = QStringLiteral("\n\r   Nastąpi zakończenie procesu wnioskowania.");
const QString POCZ_F = QStringLiteral(
    "   Hipotezy głównej nie udało się udowodnić, biorąc pod uwagę aktualny stan bazy wiedzy. Nie musi to jednak "
    "jeszcze oznaczać, że hipoteza główna jest fałszywa.\n\r");
const QString F0 = POCZ_F + QStringLiteral(
    "   Aby sfalsyfikowac hipotezę główną, wytypuj, jeśli to możliwe, takie konkluzje reguł, które ją negują i "
    "staraj się je wykazać uruchamiając nowe procesy wnioskowania wstecz lub wnioskowania mieszanego. Przykładowo: "
    "jeśli w systemie diagnostyki medycznej hipotezą główną była konkluzja [choroba pacjenta] = [gruźlica], to "
    "wykazując hipotezę [stan pacjenta] = [zdrowy] falsyfikujesz hipotezę główną.\n\r   System sam proponuje "
    "konkluzje falsyfikujące, ale tylko takie, które zawierają fakt ten sam jak w hipotezie głównej. Niestety, w "
    "Twojej bazie wiedzy, w tym momencie, brak takich konkluzji.\n\r   Nastąpi koniec procesu wnioskowania.");
const QString SRODEK_F = QStringLiteral(
    "   System poczyni teraz próbę sfalsyfikowania hipotezy głównej.\n\r   Hipoteza główna zostanie sfalsyfikowana "
    "wówczas, gdy system udowodni hipotezę pomocniczą negującą hipotezę główną. Przykładowo: jeśli hipotezą główną "
    "była konkluzja [stan uszkodzenia] = [początkowy], to udowadniając hipotezę [stan uszkodzenia] = [zaawansowany] "
    "falsyfikujesz hipotezę główną.\n\r   Musisz jednak sam wskazać systemowi konkluzję falsyfikującą.  System "
    "potrafi zaproponować potencjalne konkluzje falsyfikujące, ale tylko takie, które zawierają fakt ten sam jak w "
    "hipotezie głównej.\n\r");
const QString KONIEC_F = QStringLiteral(
    "\n\r   Konkluzja falsyfikująca nie musi obligatoryjnie zawierać faktu tego samego jak w hipotezie głównej. "
    "Przykładowo: jeśli w systemie diagnostyki medycznej hipotezą główną była konkluzja [choroba pacjenta] = "
    "[gruźlica], to wykazując hipotezę [stan pacjenta] = [zdrowy] falsyfikujesz hipotezę główną. Tego rodzaju "
    "konkluzje falsyfikujące, jeśli istnieją, musisz jednak wyszukać sam, a następnie starać się je wykazać "
    "uruchamiając nowe, niezależne procesy wnioskowania wstecz lub wnioskowania mieszanego.");
const QString F1 = POCZ_F + SRODEK_F + QStringLiteral(
    "   W Twojej bazie wiedzy, w tym momencie, jest tylko jedna taka konkluzja. System zwizualizuje teraz tę "
    "konkluzję. Jeśli jest to konkluzja falsyfikująca hipotezę główną, to zadekretuj ją przez zaznaczenie. Jeśli "
    "zaznaczysz tę konkluzję, proces wnioskowania będzie kontynuowany.") + KONIEC_F;
const QString F2 = POCZ_F + SRODEK_F + QStringLiteral(
    "   W Twojej bazie wiedzy, w tym momencie, jest więcej niż jedna taka konkluzja. System zwizualizuje teraz te "
    "konkluzje. Zadekretuj przez zaznaczenie (lewym klawiszem myszy przy wciśniętm klawiszu lewy Ctrl) te "
    "konkluzje z listy, które uznasz za konkluzje falsyfikujące hipotezę główną. Jeśli zaznaczysz co najmniej "
    "jedną konkluzję, proces wnioskowania będzie kontynuowany.") + KONIEC_F;

QString koniecZCF(const QString &cf)
{
    return QStringLiteral("   Hipoteza główna została udowodniona ze zagregowanym CF konkluzji równym ") + cf +
           QStringLiteral(".") + KONIEC;
}

const QString KONIEC_MAKS = QStringLiteral(
    "   Hipoteza główna została udowodniona z maksymalnym zagregowanym CF konkluzji równym 1. \n\r   Nastąpi "
    "zakończenie procesu wnioskowania.");

} // namespace

class TstWniosWstecz : public QObject {
    Q_OBJECT
private slots:
    // The input fact x asked for at the computed constant K = 0,5 * x + 1 of the premise
    // [x]>[K] is not asked for again by the premise itself.
    void argumentStalejPytanyRaz()
    {
        StanowiskoWnios s(QStringLiteral("argument_stalej.json"));
        s.uzytkownik.odpowiedzi[1] = {{QStringLiteral("10"), QStringLiteral("1")}};
        QCOMPARE(s.wsteczDoKonca(QStringLiteral("[wynik]=[TRUE]")), WynikPrzebiegu::Zakonczony);
        const QStringList &z = s.uzytkownik.zdarzenia;
        QCOMPARE(z.count(QStringLiteral("pytanie 1")), 1);
        QCOMPARE(std::count_if(z.cbegin(), z.cend(),
                               [](const QString &t) { return t.startsWith(QStringLiteral("Stwierdzono, że fakt")); }),
                 1);
        QVERIFY(z.contains(QStringLiteral("konkluzja 1 cf=1 zagreg=1 koncowy obrazy=0 filmy=0")));
    }

    void gotoweReguly_data()
    {
        QTest::addColumn<QString>("rodzina");
        QTest::addColumn<QStringList>("zmiany");
        QTest::addColumn<QStringList>("zdarzenia");
        const QString k1 = QStringLiteral("konkluzja 1 cf=0,6 zagreg=0,6 koncowy obrazy=0 filmy=0");
        const QString k2 = QStringLiteral("konkluzja 2 cf=0,8 zagreg=%1 koncowy obrazy=0 filmy=0");
        QTest::newRow("jedna reguła")
            << konfig::Rozmyta << QStringList{QStringLiteral("DELETE FROM reguly WHERE IdReg=1")}
            << QStringList{udowodniona(1, 1, 2), k2.arg(QStringLiteral("0,8")), koniecZCF(QStringLiteral("0,8"))};
        QTest::newRow("rozmyta") << konfig::Rozmyta << QStringList{}
                                 << QStringList{udowodniona(2, 1, 1), k1, udowodniona(2, 2, 2),
                                                k2.arg(QStringLiteral("0,8")), koniecZCF(QStringLiteral("0,8"))};
        QTest::newRow("algebraiczna") << konfig::Algebraiczna << QStringList{}
                                      << QStringList{udowodniona(2, 1, 1), k1, udowodniona(2, 2, 2),
                                                     k2.arg(QStringLiteral("0,92")), koniecZCF(QStringLiteral("0,92"))};
        QTest::newRow("Lukasiewicza") << konfig::Lukasiewicza << QStringList{}
                                      << QStringList{udowodniona(2, 1, 1), k1, udowodniona(2, 2, 2),
                                                     k2.arg(QStringLiteral("1")), KONIEC_MAKS};
        QTest::newRow("0,999 to jeszcze pierwsza postać")
            << konfig::Rozmyta
            << QStringList{QStringLiteral("DELETE FROM reguly WHERE IdReg=1"),
                           QStringLiteral("UPDATE reguly SET CFReg=0.999 WHERE IdReg=2")}
            << QStringList{udowodniona(1, 1, 2),
                           QStringLiteral("konkluzja 2 cf=0,999 zagreg=0,999 koncowy obrazy=0 filmy=0"),
                           koniecZCF(QStringLiteral("0,999"))};
        QTest::newRow("poniżej progu: nie gotowa, bez hipotez pomocniczych")
            << konfig::Rozmyta
            << QStringList{QStringLiteral("DELETE FROM reguly WHERE IdReg=1"),
                           QStringLiteral("UPDATE reguly SET CFReg=0.04 WHERE IdReg=2")}
            << QStringList{F0};
    }

    // Ready rules are shown one per pause with the CF aggregated so far; the final message
    // gives the aggregated CF.
    void gotoweReguly()
    {
        QFETCH(QString, rodzina);
        QFETCH(QStringList, zmiany);
        QFETCH(QStringList, zdarzenia);
        StanowiskoWnios s(DWIE_REGULY, zmiany);
        s.konfig.SNormaKonkl = rodzina;
        s.konfig.ProgCF = 0.05;
        QCOMPARE(s.wsteczDoKonca(QStringLiteral("[H]=[TRUE]")), WynikPrzebiegu::Zakonczony);
        QCOMPARE(s.uzytkownik.zdarzenia, zdarzenia);
    }

    // A paused run stays paused until it is continued; close continues it too.
    void pauzaIZamkniecie()
    {
        StanowiskoWnios s(DWIE_REGULY);
        QStringList konkluzje;
        QVERIFY(s.wstecz.Przygotuj(konkluzje));
        QCOMPARE(konkluzje, QStringList{QStringLiteral("[H]=[TRUE]")});
        QCOMPARE(s.wstecz.Start(QStringLiteral("[H]=[TRUE]")), WynikPrzebiegu::Wstrzymany);
        QVERIFY(s.wstecz.czyWstrzymany());
        QVERIFY(s.sesja.Udowodniona);
        QCOMPARE(s.sql(QStringLiteral("SELECT IdReg, CzyOdpal, CFKonklReg FROM reguly ORDER BY IdReg")),
                 QStringList({QStringLiteral("1|tak|0.6"), QStringLiteral("2|nie|0.8")}));
        QCOMPARE(s.wstecz.Zamknij(), WynikPrzebiegu::Wstrzymany);
        QCOMPARE(s.uzytkownik.zdarzenia.last(),
                 QStringLiteral("konkluzja 2 cf=0,8 zagreg=0,8 koncowy obrazy=0 filmy=0"));
        QCOMPARE(s.wstecz.Dalej(), WynikPrzebiegu::Zakonczony);
        QVERIFY(!s.wstecz.czyWstrzymany());
        QCOMPARE(s.sql(QStringLiteral("SELECT WartFakt, CFWartFakt FROM fakty WHERE IdFakt=2")),
                 QStringList{QStringLiteral("TRUE|0.8")});
    }

    void hipotezyPomocnicze_data()
    {
        QTest::addColumn<QStringList>("zmiany");
        QTest::addColumn<QStringList>("trajektoria");
        QTest::addColumn<QString>("koniec");
        // [A]=[x] AND [B]=[y] -> [H]=[h]; [C]=[z] -> [B]=[y], C an input fact with value z.
        QTest::newRow("druga iteracja dowodzi")
            << QStringList{}
            << QStringList{QStringLiteral("1|1|wstecz|nie"), QStringLiteral("2|1|wstecz|nie"),
                           QStringLiteral("2|1|wstecz|tak"), QStringLiteral("1|2|wstecz|nie"),
                           QStringLiteral("1|2|wstecz|tak")}
            << koniecZCF(QStringLiteral("0,9"));
        // B needs D, D needs C: D's rule joins the work list in the same iteration.
        QTest::newRow("lista robocza rośnie")
            << QStringList{QStringLiteral("UPDATE reguly SET PrzesReg='[D]=[d]' WHERE IdReg=2"),
                           QStringLiteral("UPDATE reguly SET KierWniReg='wstecz' WHERE IdReg=6"),
                           QStringLiteral("UPDATE reguly SET PrzesReg='[C]=[z]' WHERE IdReg=6")}
            << QStringList{QStringLiteral("1|1|wstecz|nie"), QStringLiteral("2|1|wstecz|nie"),
                           QStringLiteral("6|1|wstecz|nie"), QStringLiteral("6|1|wstecz|tak"),
                           QStringLiteral("1|2|wstecz|nie"), QStringLiteral("2|2|wstecz|nie"),
                           QStringLiteral("2|2|wstecz|tak"), QStringLiteral("1|3|wstecz|nie"),
                           QStringLiteral("1|3|wstecz|tak")}
            << koniecZCF(QStringLiteral("0,9"));
        // [B]=[v] never gets a value, so B stays without value: the B rule fires again in
        // iteration 2 without new firing, and iteration 2 is the last.
        QTest::newRow("ponowne odpalenie bez nowego")
            << QStringList{QStringLiteral("UPDATE reguly SET PrzesReg='[A]=[x] AND [B]=[v]' WHERE IdReg=1"),
                           QStringLiteral("DELETE FROM reguly WHERE IdReg IN (3,4,5)")}
            << QStringList{QStringLiteral("1|1|wstecz|nie"), QStringLiteral("2|1|wstecz|nie"),
                           QStringLiteral("2|1|wstecz|tak"), QStringLiteral("1|2|wstecz|nie"),
                           QStringLiteral("2|2|wstecz|nie"), QStringLiteral("2|2|wstecz|tak")}
            << F0;
    }

    // Auxiliary hypotheses: the trajectory of each iteration in order.
    void hipotezyPomocnicze()
    {
        QFETCH(QStringList, zmiany);
        QFETCH(QStringList, trajektoria);
        QFETCH(QString, koniec);
        StanowiskoWnios s(QStringLiteral("wnios_wstecz.json"), zmiany);
        QCOMPARE(s.wsteczDoKonca(QStringLiteral("[H]=[h]")), WynikPrzebiegu::Zakonczony);
        QCOMPARE(s.trajektoria(), trajektoria);
        QCOMPARE(s.uzytkownik.zdarzenia.last(), koniec);
        // Auxiliary conclusions are written, not shown.
        QCOMPARE(s.sql(QStringLiteral("SELECT CzyFaktMaWartAkt, CFWartFaktWyliczAkt FROM wartoscifaktowwyliczeniowych "
                                      "WHERE IdWartFaktWylicz=3")),
                 QStringList{QStringLiteral("tak|0.9")});
    }

    void kandydaci_data()
    {
        QTest::addColumn<QStringList>("zmiany");
        QTest::addColumn<QStringList>("zdarzenia");
        // x is false for A: the hypothesis rule is FALSE in iteration 1.
        const QStringList bazowe{
            QStringLiteral("UPDATE reguly SET PrzesReg='[A]=[x]' WHERE IdReg=1"),
            QStringLiteral("UPDATE wartoscifaktowwyliczeniowych SET CzyFaktMaWartAkt='nie' WHERE IdWartFaktWylicz=1"),
            QStringLiteral("UPDATE wartoscifaktowwyliczeniowych SET CzyFaktMaWartAkt='tak' WHERE IdWartFaktWylicz=2")};
        QTest::newRow("dwie równe konkluzje i jedna z odstępami")
            << bazowe << QStringList{F2, QStringLiteral("falsyfikacja [H]=[g]|[H] = [h]")};
        QTest::newRow("jedna konkluzja")
            << (bazowe + QStringList{QStringLiteral("DELETE FROM reguly WHERE IdReg=5")})
            << QStringList{F1, QStringLiteral("falsyfikacja [H]=[g]")};
        QTest::newRow("wielkość liter")
            << (bazowe + QStringList{QStringLiteral("DELETE FROM reguly WHERE IdReg=5"),
                                     QStringLiteral("UPDATE reguly SET KonklReg='[H]=[G]' WHERE IdReg=4")})
            << QStringList{F2, QStringLiteral("falsyfikacja [H]=[g]|[H]=[G]")};
        QTest::newRow("bez kandydatów")
            << (bazowe + QStringList{QStringLiteral("DELETE FROM reguly WHERE IdReg IN (3,4,5)")})
            << QStringList{F0};
    }

    // A failed run offers the other conclusions about the hypothesis fact.
    void kandydaci()
    {
        QFETCH(QStringList, zmiany);
        QFETCH(QStringList, zdarzenia);
        StanowiskoWnios s(QStringLiteral("wnios_wstecz.json"), zmiany);
        QCOMPARE(s.wsteczDoKonca(QStringLiteral("[H]=[h]")), WynikPrzebiegu::Zakonczony);
        QCOMPARE(s.uzytkownik.zdarzenia, zdarzenia);
        QCOMPARE(s.trajektoria(), QStringList{QStringLiteral("1|1|wstecz|nie")});
        QCOMPARE(s.fals.czyPrzygotowana(), zdarzenia.size() == 2);
    }

    void wartosciKonkluzji_data()
    {
        QTest::addColumn<QString>("typ");
        QTest::addColumn<QString>("konkl");
        QTest::addColumn<QString>("wartosc");
        QTest::newRow("rzeczywista z przecinkiem") << "rzeczywisty" << "[W]=[12,5]" << "12,5";
        QTest::newRow("rzeczywista z odstępami") << "rzeczywisty" << "[W]=[ 1 2 ]" << "12";
        QTest::newRow("stała prosta") << "calkowity" << "[W]=[Sto]" << "100";
        QTest::newRow("logiczna małymi literami") << "logiczny" << "[W]=[true]" << "TRUE";
    }

    // The text stored for a proven conclusion.
    void wartosciKonkluzji()
    {
        QFETCH(QString, typ);
        QFETCH(QString, konkl);
        QFETCH(QString, wartosc);
        StanowiskoWnios s(DWIE_REGULY,
                          {QStringLiteral("DELETE FROM reguly WHERE IdReg=2"),
                           QStringLiteral("UPDATE fakty SET NazFakt='W', TypFakt='%1' WHERE IdFakt=2").arg(typ),
                           QStringLiteral("UPDATE reguly SET KonklReg='%1' WHERE IdReg=1").arg(konkl),
                           QStringLiteral("INSERT INTO stale (IdStala, KodSyst, NazStala, RodzStala, TypStala, "
                                          "WartStalaProsta, KodArgStala, WartParAStala, WartParBStala, DataRek) "
                                          "VALUES (1, 1, 'Sto', 'prosta', 'calkowita', '100', 0, '-', '-', '1.1.2024')")});
        QCOMPARE(s.wsteczDoKonca(konkl), WynikPrzebiegu::Zakonczony);
        QCOMPARE(s.sql(QStringLiteral("SELECT WartFakt FROM fakty WHERE IdFakt=2")), QStringList{wartosc});
    }

    // An input argument of a computed constant declared unknown is marked "nzn" and not asked
    // for again; the rules concluding the constant do not fire.
    void stalaObliczanaNieznana()
    {
        StanowiskoWnios s(DWIE_REGULY,
                          {QStringLiteral("UPDATE fakty SET TypFakt='rzeczywisty' WHERE IdFakt=2"),
                           QStringLiteral("UPDATE reguly SET KonklReg='[H]=[K]'"),
                           QStringLiteral("INSERT INTO fakty (IdFakt, KodSyst, NazFakt, RodzFakt, TypFakt, WartFakt, "
                                          "CFWartFakt) VALUES (3, 1, 'T', 'wprowadzany', 'rzeczywisty', '\?\?\?', 0)"),
                           QStringLiteral("INSERT INTO stale (IdStala, KodSyst, NazStala, RodzStala, TypStala, "
                                          "KodArgStala, WartParAStala, WartParBStala, WartStalaProsta, DataRek) "
                                          "VALUES (7, 1, 'K', 'obliczana', 'rzeczywista', 3, '2', '1', '-', '1.1.2024')")});
        QCOMPARE(s.wsteczDoKonca(QStringLiteral("[H]=[K]")), WynikPrzebiegu::Zakonczony);
        const QString q3 = QStringLiteral(
            "Stwierdzono, że fakt wprowadzany rzeczywisty o kodzie 3, będący argumentem stałej\n\robliczanej o kodzie "
            "7, nie ma przypisanej wartości.\n\rZostanie zwizualizowany formularz, na którym powinieneś przypisać "
            "faktowi wartość oraz CF.\n\rJeśli wyjdziesz z formularza bez przypisania wartości, to proces wnioskowania "
            "będzie\n\rwprawdzie kontynuowany, jednak reguły mające tę stałą w polu przesłankowym mogą nie\n\rzostać "
            "\"odpalone\".");
        const QString n = QStringLiteral(
            "Nadal nie przypisałeś żadnej wartości do faktu. Proces wnioskowania będzie kontynuowany,\n\rjednak "
            "reguły mające ten fakt w polu przesłankowym mogą nie zostać \"odpalone\".");
        QCOMPARE(s.uzytkownik.zdarzenia, QStringList({q3, QStringLiteral("pytanie 3"), n, F0}));
        QCOMPARE(s.sql(QStringLiteral("SELECT WartFakt, WartPoprzFakt FROM fakty WHERE IdFakt=3")),
                 QStringList{QStringLiteral("???|nzn")});
        QCOMPARE(s.sql(QStringLiteral("SELECT CzyOdpal FROM reguly ORDER BY IdReg")),
                 QStringList({QStringLiteral("nie"), QStringLiteral("nie")}));
    }

    void bledy_data()
    {
        QTest::addColumn<QString>("hipoteza");
        QTest::addColumn<QStringList>("zmiany");
        QTest::addColumn<QString>("komunikat");
        const QString koniec = QStringLiteral("\n\rNastąpi przerwanie procesu wnioskowania.");
        QTest::newRow("brak hipotezy")
            << QString() << QStringList{}
            << QStringLiteral("Hipoteza główna nie została zdefiniowana, tj. wybrana z listy konkluzji. Nastąpi "
                              "wyjście z opcji.");
        QTest::newRow("fakt wprowadzany w konkluzji innej reguły")
            << QStringLiteral("[H]=[h]") << QStringList{QStringLiteral("UPDATE reguly SET KonklReg='[C]=[q]' WHERE IdReg=3")}
            << QStringLiteral("Kod reguły: 3. Błąd składni reguły. W konkluzji stwierdzono fakt wprowadzany.") + koniec;
        QTest::newRow("nieznany fakt w konkluzji innej reguły")
            << QStringLiteral("[H]=[h]") << QStringList{QStringLiteral("UPDATE reguly SET KonklReg='[Q]=[q]' WHERE IdReg=4")}
            << QStringLiteral("Kod reguły: 4. Błąd składni reguły.\n\rW tabeli faktów nie znaleziono faktu o nazwie "
                              "wyspecyfikowanej w konkluzji.") + koniec;
    }

    // Errors stop the run before anything is written.
    void bledy()
    {
        QFETCH(QString, hipoteza);
        QFETCH(QStringList, zmiany);
        QFETCH(QString, komunikat);
        StanowiskoWnios s(QStringLiteral("wnios_wstecz.json"), zmiany);
        QCOMPARE(s.wsteczDoKonca(hipoteza), WynikPrzebiegu::Przerwany);
        QCOMPARE(s.uzytkownik.zdarzenia, QStringList{komunikat});
        QVERIFY(!s.sesja.Udowodniona);
        QCOMPARE(s.trajektoria(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TstWniosWstecz)
#include "tst_wnios_wstecz.moc"
