// The checks after a rule is posted in the rules window, and the rule of a code as the window
// and tremida-cli read it.

#include "BazaTestowa.h"
#include "store/KontrRegula.h"

#include <QTest>

using namespace tremida;
using namespace tremida::test;

namespace {

const QString PoziomBledny = QStringLiteral("Wartość poziomu reguły błędna. Popraw.");
const QString PoziomZaWysoki = QStringLiteral(
    "Poziom reguły przekracza wartość maksymalną zdefiniowaną w pliku konfiguracyjnym.\n\rWejdź w tryb edycji rekordu "
    "i zmniejsz wartość poziomu. Możesz też alternatywnie\n\rpowiększyć wartość maksymalną w pliku konfiguracyjnym.");
const QString CFPozaPrzedzialem =
    QStringLiteral("CF reguły zpoza przedziału [0,1]. Wejdź w tryb edycji rekordu i popraw wartość.");
const QString BrakInstrukcji = QStringLiteral(
    "Nie wprowadziłeś instrukcji i/lub zaleceń dla użytkownika, wynikających z konkluzji reguły.\n\rIstnienie tych "
    "instrukcji i/lub zaleceń nie warunkuje co prawda procesu wnioskowania,\n\rjednak jest konieczne z merytorycznego "
    "punktu widzenia. Wejdź w tryb edycji rekordu\n\ri dopisz te instrukcje i/lub zalecenia, aktualnie, lub najpóźniej "
    "przed startem procesu\n\rwnioskowania.");

} // namespace

class TstKontrRegula : public QObject {
    Q_OBJECT
private slots:
    void poZatwierdzeniu_data()
    {
        QTest::addColumn<int>("poziom");
        QTest::addColumn<double>("cf");
        QTest::addColumn<QString>("instrukcje");
        QTest::addColumn<QString>("komunikat"); // empty: no message
        const QString instr = QStringLiteral("Wymień zawór.");
        QTest::newRow("poprawna") << 3 << 0.8 << instr << QString();
        QTest::newRow("poziom równy maksimum") << 10 << 0.8 << instr << QString();
        QTest::newRow("CF na granicach: 0") << 1 << 0.0 << instr << QString();
        QTest::newRow("CF na granicach: 1") << 1 << 1.0 << instr << QString();
        QTest::newRow("poziom zero") << 0 << 0.8 << instr << PoziomBledny;
        QTest::newRow("poziom ujemny") << -2 << 0.8 << instr << PoziomBledny;
        QTest::newRow("poziom ponad maksimum") << 11 << 0.8 << instr << PoziomZaWysoki;
        QTest::newRow("CF ujemny") << 1 << -0.1 << instr << CFPozaPrzedzialem;
        QTest::newRow("CF ponad 1") << 1 << 1.5 << instr << CFPozaPrzedzialem;
        QTest::newRow("bez instrukcji") << 1 << 0.5 << QString() << BrakInstrukcji;
        QTest::newRow("instrukcje z samych odstępów") << 1 << 0.5 << QStringLiteral("  \n\t ") << BrakInstrukcji;
        // Only the first failing check is reported, in the order level, CF, instructions.
        QTest::newRow("poziom przed CF") << 0 << 2.0 << QString() << PoziomBledny;
        QTest::newRow("CF przed instrukcjami") << 4 << 2.0 << QString() << CFPozaPrzedzialem;
    }
    void poZatwierdzeniu()
    {
        QFETCH(int, poziom);
        QFETCH(double, cf);
        QFETCH(QString, instrukcje);
        QFETCH(QString, komunikat);
        TRekReg r;
        r.IdReg = 7;
        r.KodSyst = 1;
        r.PozReg = poziom;
        r.CFReg = cf;
        r.InstrReg = instrukcje;
        const auto wynik = kontrolaPoZatwierdzeniuReguly(r, 10);
        QCOMPARE(wynik.value_or(QString()), komunikat);
    }

    void regulaOKodzie_data()
    {
        QTest::addColumn<int>("kod");
        QTest::addColumn<bool>("jest");
        QTest::newRow("zapisana reguła") << 5 << true;
        QTest::newRow("kod bez reguły") << 6 << false;
    }
    void regulaOKodzie()
    {
        QFETCH(int, kod);
        QFETCH(bool, jest);
        BazaTestowa b(QStringLiteral("reguly_kotly.json"));
        b.sql({QStringLiteral("DELETE FROM reguly"),
               QStringLiteral("INSERT INTO reguly (IdReg,KodSyst,NazReg,PozReg,KierWniReg,CFReg,PrzesReg,KonklReg,"
                              "InstrReg) VALUES (5,1,'r5',2,'w przod',0.5,'a','b',NULL)")});
        QString blad;
        const auto r = tremida::regulaOKodzie(b.baza, kod, &blad);
        QCOMPARE(r.has_value(), jest);
        QVERIFY(blad.isEmpty());
        if (jest) {
            QCOMPARE(r->NazReg, QStringLiteral("r5"));
            QCOMPARE(r->PozReg, 2);
            QVERIFY(r->InstrReg.isNull());
        }
    }

    void regulaOKodzieBezTabeli()
    {
        // A table that cannot be read gives no rule and the engine's message.
        FolderRoboczy folder;
        Baza baza;
        QVERIFY(baza.otworz(folder.sciezka()));
        QString blad;
        QVERIFY(!tremida::regulaOKodzie(baza, 1, &blad).has_value());
        QVERIFY(!blad.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstKontrRegula)
#include "tst_kontr_regula.moc"
