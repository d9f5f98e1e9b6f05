// Record date stamps: hidden-date stamps and trajectory dates.

#include "store/DataRek.h"

#include <QRegularExpression>
#include <QTest>

using namespace tremida;

class TstDataRek : public QObject {
    Q_OBJECT
private slots:
    void stempel_data()
    {
        QTest::addColumn<QDate>("dzien");
        QTest::addColumn<QString>("pokazana");
        QTest::newRow("date with nines") << QDate(2029, 9, 19) << "19.09.2029";
        QTest::newRow("first of january") << QDate(2024, 1, 1) << "01.01.2024";
        QTest::newRow("end of year") << QDate(2024, 12, 31) << "31.12.2024";
        QTest::newRow("ninetieth") << QDate(1999, 9, 9) << "09.09.1999";
    }
    void stempel()
    {
        QFETCH(QDate, dzien);
        QFETCH(QString, pokazana);
        const QString s = GenDataRek(dzien);
        QCOMPARE(s.size(), 361 + 8);
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9]+$")).match(s).hasMatch());
        QCOMPARE(DekodDataRek(s), pokazana);
        // The random runs never use the digit 9, the date digits sit right after each run.
        const int dlugosci[9] = {61, 44, 17, 52, 26, 58, 12, 7, 84};
        int poz = 0;
        for (int k = 0; k < 9; ++k) {
            for (int i = 0; i < dlugosci[k]; ++i)
                QVERIFY(s[poz + i] != u'9');
            poz += dlugosci[k] + 1;
        }
    }

    void stempleSaRozne() { QVERIFY(GenDataRek(QDate(2024, 1, 1)) != GenDataRek(QDate(2024, 1, 1))); }

    void pustyIKrotki()
    {
        QCOMPARE(DekodDataRek(QString()), QStringLiteral(".."));
        // Only the digits whose positions exist contribute.
        QString krotki(62, u'0');
        krotki[61] = u'3';
        QCOMPARE(DekodDataRek(krotki), QStringLiteral("3.."));
    }

    void dataTrajektorii_data()
    {
        QTest::addColumn<QDate>("dzien");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("no leading zeros") << QDate(2024, 3, 5) << "5.3.2024";
        QTest::newRow("two-digit parts") << QDate(2024, 12, 31) << "31.12.2024";
    }
    void dataTrajektorii()
    {
        QFETCH(QDate, dzien);
        QFETCH(QString, tekst);
        QCOMPARE(DataRekTraj(dzien), tekst);
    }
};

QTEST_GUILESS_MAIN(TstDataRek)
#include "tst_datarek.moc"
