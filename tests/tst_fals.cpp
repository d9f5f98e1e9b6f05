// Falsification of the main hypothesis after a failed backward run.

#include "StanowiskoWnios.h"
#include "TekstyWstecz.h"

using namespace tremida;
using namespace tremida::test;

namespace {

const QString SFALSYFIKOWANA = QStringLiteral(
    "   Hipoteza główna została sfalsyfikowana.\n\r   Nastąpi zakończenie procesu wnioskowania.");
const QString NIESFALSYFIKOWANA = QStringLiteral(
    "   Żadnej z reguł z zaznaczoną (-ymi) przez Ciebie konkluzją (-ami) potencjalnie falsyfikującymi hipotezę "
    "główną nie udało się odpalić. Tym samym hipoteza główna nie została sfalsyfikowana.\n\r   Nastąpi zakończenie "
    "procesu wnioskowania.");

} // namespace

class TstFals : public QObject {
    Q_OBJECT
private slots:
    void przebieg_data()
    {
        QTest::addColumn<QStringList>("zmiany");
        QTest::addColumn<QList<int>>("zaznaczone");
        QTest::addColumn<QStringList>("zdarzenia");
        QTest::addColumn<QStringList>("trajektoria");
        const QString k3 = QStringLiteral("konkluzja 3 cf=1 zagreg=1 koncowy obrazy=0 filmy=0");
        const QString k4 = QStringLiteral("konkluzja 4 cf=0,7 zagreg=1 koncowy obrazy=0 filmy=0");
        const QString wstecz = QStringLiteral("1|1|wstecz|nie");
        QTest::newRow("pierwsza udowodniona, druga nie")
            << QStringList{} << QList<int>{0, 1}
            << QStringList{falsUdowodniona(1, 2, 1, 3), k3, falsUdowodniona(1, 2, 2, 4), k4, SFALSYFIKOWANA}
            << QStringList{wstecz, QStringLiteral("3|1|falsyf|nie"), QStringLiteral("4|1|falsyf|nie"),
                           QStringLiteral("3|1|falsyf|tak"), QStringLiteral("4|1|falsyf|tak"),
                           QStringLiteral("5|1|falsyf|nie")};
        QTest::newRow("obie udowodnione, CF agregowany od nowa")
            << QStringList{QStringLiteral("UPDATE reguly SET PrzesReg='[C]=[z]', CFReg=0.5 WHERE IdReg=5")}
            << QList<int>{0, 1}
            << QStringList{falsUdowodniona(1, 2, 1, 3), k3, falsUdowodniona(1, 2, 2, 4), k4,
                           falsUdowodniona(2, 1, 1, 5),
                           QStringLiteral("konkluzja 5 cf=0,5 zagreg=0,5 koncowy obrazy=0 filmy=0"), SFALSYFIKOWANA}
            << QStringList{wstecz, QStringLiteral("3|1|falsyf|nie"), QStringLiteral("4|1|falsyf|nie"),
                           QStringLiteral("3|1|falsyf|tak"), QStringLiteral("4|1|falsyf|tak"),
                           QStringLiteral("5|1|falsyf|nie"), QStringLiteral("5|1|falsyf|tak")};
        QTest::newRow("tylko nieudowadnialna")
            << QStringList{} << QList<int>{1} << QStringList{NIESFALSYFIKOWANA}
            << QStringList{wstecz, QStringLiteral("5|1|falsyf|nie")};
        QTest::newRow("nic nie zaznaczono")
            << QStringList{} << QList<int>{}
            << QStringList{QStringLiteral(
                   "Nie zaznaczyłeś (-aś) żadnej konkluzji jako falsyfikującej. Nastąpi wyjście z opcji.")}
            << QStringList{wstecz};
    }

    // Every selected candidate is tried in order, also after one has been proven.
    void przebieg()
    {
        QFETCH(QStringList, zmiany);
        QFETCH(QList<int>, zaznaczone);
        QFETCH(QStringList, zdarzenia);
        QFETCH(QStringList, trajektoria);
        StanowiskoWnios s(QStringLiteral("wnios_wstecz.json"), NIEUDOWODNIONA + zmiany);
        QCOMPARE(s.wsteczDoKonca(QStringLiteral("[H]=[h]")), WynikPrzebiegu::Zakonczony);
        QCOMPARE(s.uzytkownik.zdarzenia.last(), QStringLiteral("falsyfikacja [H]=[g]|[H] = [h]"));
        s.uzytkownik.zdarzenia.clear();
        s.falsDoKonca(zaznaczone);
        QCOMPARE(s.uzytkownik.zdarzenia, zdarzenia);
        QCOMPARE(s.trajektoria(), trajektoria);
        QVERIFY(s.sesja.Tryb == TrybSesji::Falsyfikacja || zaznaczone.isEmpty());
    }

    // Rules fired by falsification take no more part; the candidate's value is written.
    void staneTabel()
    {
        StanowiskoWnios s(QStringLiteral("wnios_wstecz.json"), NIEUDOWODNIONA);
        s.wsteczDoKonca(QStringLiteral("[H]=[h]"));
        QCOMPARE(s.fals.Start({0}), WynikPrzebiegu::Wstrzymany);
        QVERIFY(s.fals.czyWstrzymany());
        QCOMPARE(s.fals.Dalej(), WynikPrzebiegu::Wstrzymany);
        QCOMPARE(s.fals.Zamknij(), WynikPrzebiegu::Zakonczony);
        QVERIFY(!s.fals.czyPrzygotowana());
        QCOMPARE(s.sql(QStringLiteral("SELECT IdReg, CzyOdpal, CzyBieUdzWeWnios FROM reguly WHERE IdReg IN (3,4)")),
                 QStringList({QStringLiteral("3|tak|nie"), QStringLiteral("4|tak|nie")}));
        QCOMPARE(s.sql(QStringLiteral("SELECT CzyFaktMaWartAkt, CFWartFaktWyliczAkt FROM wartoscifaktowwyliczeniowych "
                                      "WHERE IdWartFaktWylicz=8")),
                 QStringList{QStringLiteral("tak|0.7")});
    }

    // A fact declared unknown during the backward run is not asked for again.
    void nznZPrzebieguWstecz()
    {
        StanowiskoWnios s(QStringLiteral("wnios_wstecz.json"),
                          NIEUDOWODNIONA + QStringList{
                              QStringLiteral("UPDATE wartoscifaktowwyliczeniowych SET CzyFaktMaWartAkt='\?\?\?' "
                                             "WHERE KodFakt=3"),
                              QStringLiteral("UPDATE reguly SET PrzesReg='[A]=[x] OR [C]=[z]' WHERE IdReg=1"),
                              QStringLiteral("DELETE FROM reguly WHERE IdReg IN (3,5)")});
        s.wsteczDoKonca(QStringLiteral("[H]=[h]"));
        QCOMPARE(s.uzytkownik.zdarzenia.count(QStringLiteral("pytanie 3")), 1);
        QCOMPARE(s.sql(QStringLiteral("SELECT WartPoprzFakt FROM fakty WHERE IdFakt=3")),
                 QStringList{QStringLiteral("nzn")});
        s.uzytkownik.zdarzenia.clear();
        QCOMPARE(s.falsDoKonca({0}), WynikPrzebiegu::Zakonczony);
        QCOMPARE(s.uzytkownik.zdarzenia, QStringList{NIESFALSYFIKOWANA});
    }
};

QTEST_GUILESS_MAIN(TstFals)
#include "tst_fals.moc"
