// The smallest free key of a table.

#include "BazaTestowa.h"
#include "store/Rekordy.h"
#include "store/WolnyKod.h"

#include <QSqlQuery>
#include <QTest>

using namespace tremida;
using namespace tremida::test;

class TstWolnyKod : public QObject {
    Q_OBJECT
private:
    void wstawSystemy(Baza &baza, const QList<int> &klucze)
    {
        Transakcja tr(baza);
        for (int k : klucze) {
            TRekSyst s;
            s.IdSyst = k;
            s.NazSyst = QStringLiteral("s%1").arg(k);
            QString blad;
            QVERIFY2(wstawRekord(baza, Tabela::Systemy, s.wartosci(), &blad), qPrintable(blad));
        }
        QVERIFY(tr.zatwierdz());
    }

private slots:
    void wolnyKod_data()
    {
        QTest::addColumn<QList<int>>("klucze");
        QTest::addColumn<int>("wynik");
        QTest::newRow("empty table") << QList<int>{} << 1;
        QTest::newRow("gap at four") << QList<int>{1, 2, 3, 5} << 4;
        QTest::newRow("gap at one") << QList<int>{2, 3} << 1;
        QTest::newRow("zero, negative and too large keys ignored") << QList<int>{0, -7, 1000001, 2000000000, 1} << 2;
        QTest::newRow("one million used") << QList<int>{1000000} << 1;
    }
    void wolnyKod()
    {
        QFETCH(QList<int>, klucze);
        QFETCH(int, wynik);
        BazaTestowa pusta;
        auto &[folder, baza] = pusta;
        wstawSystemy(baza, klucze);
        TWolnyKod wk;
        QCOMPARE(wk.znajdz(baza, Tabela::Systemy), std::optional<int>(wynik));
        QCOMPARE(wk.ostatniWynik(), wynik);
    }

    void wszystkieZajete()
    {
        BazaTestowa pusta;
        auto &[folder, baza] = pusta;
        QSqlQuery q = baza.zapytanie();
        QVERIFY(q.exec(QStringLiteral("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x+1 FROM n WHERE x<1000000) "
                                      "INSERT INTO systemyeksperckie (IdSyst, NazSyst) SELECT x, 's' FROM n")));
        TWolnyKod wk;
        QCOMPARE(wk.znajdz(baza, Tabela::Systemy), std::optional<int>(1000001));
    }

    void dwieTabeleNieWplywajaNaSiebie()
    {
        BazaTestowa pusta;
        auto &[folder, baza] = pusta;
        wstawSystemy(baza, {1, 2, 3});
        TWolnyKod wk;
        QCOMPARE(wk.znajdz(baza, Tabela::Systemy), std::optional<int>(4));
        QCOMPARE(wk.znajdz(baza, Tabela::Reguly), std::optional<int>(1));
        QCOMPARE(wk.znajdz(baza, Tabela::Systemy), std::optional<int>(4));
    }

    void brakPliku()
    {
        FolderRoboczy folder;
        Baza baza;
        QVERIFY(baza.otworz(folder.sciezka()));
        TWolnyKod wk;
        QVERIFY(!wk.znajdz(baza, Tabela::Fakty).has_value());
    }
};

QTEST_GUILESS_MAIN(TstWolnyKod)
#include "tst_wolnykod.moc"
