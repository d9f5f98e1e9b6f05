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

// A rule's level, CF and instructions as posted, and the message of the check (empty: no
// message).
struct Zatwierdzenie {
    int poziom;
    double cf;
    QString instrukcje, komunikat;
};

} // namespace

Q_DECLARE_METATYPE(Zatwierdzenie)

class TstKontrRegula : public QObject {
    Q_OBJECT
private slots:
    void poZatwierdzeniu_data()
    {
        QTest::addColumn<Zatwierdzenie>("p");
        const QString instr = QStringLiteral("Wymień zawór.");
        QTest::newRow("poprawna") << Zatwierdzenie{.poziom = 3, .cf = 0.8, .instrukcje = instr, .komunikat = QString()};
        QTest::newRow("poziom równy maksimum") << Zatwierdzenie{.poziom = 10, .cf = 0.8, .instrukcje = instr,
            .komunikat = QString()};
        QTest::newRow("CF na granicach: 0") << Zatwierdzenie{.poziom = 1, .cf = 0.0, .instrukcje = instr,
            .komunikat = QString()};
        QTest::newRow("CF na granicach: 1") << Zatwierdzenie{.poziom = 1, .cf = 1.0, .instrukcje = instr,
            .komunikat = QString()};
        QTest::newRow("poziom zero") << Zatwierdzenie{.poziom = 0, .cf = 0.8, .instrukcje = instr,
            .komunikat = PoziomBledny};
        QTest::newRow("poziom ujemny") << Zatwierdzenie{.poziom = -2, .cf = 0.8, .instrukcje = instr,
            .komunikat = PoziomBledny};
        QTest::newRow("poziom ponad maksimum") << Zatwierdzenie{.poziom = 11, .cf = 0.8, .instrukcje = instr,
            .komunikat = PoziomZaWysoki};
        QTest::newRow("CF ujemny") << Zatwierdzenie{.poziom = 1, .cf = -0.1, .instrukcje = instr,
            .komunikat = CFPozaPrzedzialem};
        QTest::newRow("CF ponad 1") << Zatwierdzenie{.poziom = 1, .cf = 1.5, .instrukcje = instr,
            .komunikat = CFPozaPrzedzialem};
        QTest::newRow("bez instrukcji") << Zatwierdzenie{.poziom = 1, .cf = 0.5, .instrukcje = QString(),
            .komunikat = BrakInstrukcji};
        QTest::newRow("instrukcje z samych odstępów") << Zatwierdzenie{.poziom = 1, .cf = 0.5,
            .instrukcje = QStringLiteral("  \n\t "), .komunikat = BrakInstrukcji};
        // Only the first failing check is reported, in the order level, CF, instructions.
        QTest::newRow("poziom przed CF") << Zatwierdzenie{.poziom = 0, .cf = 2.0, .instrukcje = QString(),
            .komunikat = PoziomBledny};
        QTest::newRow("CF przed instrukcjami") << Zatwierdzenie{.poziom = 4, .cf = 2.0, .instrukcje = QString(),
            .komunikat = CFPozaPrzedzialem};
    }
    void poZatwierdzeniu()
    {
        QFETCH(Zatwierdzenie, p);
        TRekReg r;
        r.IdReg = 7;
        r.KodSyst = 1;
        r.PozReg = p.poziom;
        r.CFReg = p.cf;
        r.InstrReg = p.instrukcje;
        const auto wynik = kontrolaPoZatwierdzeniuReguly(r, 10);
        QCOMPARE(wynik.value_or(QString()), p.komunikat);
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
