// tremida-cli check-rule on rules stored in a knowledge base.

#include "Pomocnicze.h"
#include "rules/DaneReg.h"

#include <QTest>

using namespace tremida::test;

namespace {
const QString Tail = QStringLiteral("\nKontrola składni reguły nie będzie kontynuowana."
                                    "\nUsuń błąd i wejdź powtórnie w kontrolę składni reguły.");
}

class TstSkladniaCli : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCOMPARE(uruchomCli(m_f.sciezka(), {"create-tables"}).kod, 0);
        QCOMPARE(uruchomCli(m_f.sciezka(), {"import", plikDanych("reguly_kotly.json")}).kod, 0);
    }

    void regula_data()
    {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("wyjscie");
        QTest::newRow("correct rule with constants and a line break")
            << QStringList{"check-rule", "1"} << 0 << "Składnia reguły poprawna.\n";
        QTest::newRow("warnings then the reservation")
            << QStringList{"check-rule", "2"} << 0
            << QStringLiteral("Brak opisowej charakterystyki reguły i objaśnień reguły (w tym żródła/autora reguły).\nDane "
                              "te nie warunkują procesu wnioskowania, jednak są zalecane, a niekiedy konieczne, np. ze "
                              "względu na prawa autorskie.\nKontrola składni reguły będzie kontynuowana.\n"
                              "Kod reguły: 2, przesłanka   1 licząc od początku pola przesłankowego.\nOstrzeżenie. "
                              "Stwierdzono operator \"=\" w odniesieniu do faktu rzeczywistego.\nMożliwa zła "
                              "interpretacja wartości logicznej przesłanki.\nWartość faktu rzeczywistego powinna być "
                              "porównywana przedziałowo.\nKontrola składni reguły będzie mimo wszystko kontynuowana.\n"
                              "Składnia reguły poprawna z zastrzeżeniem.\n");
        QTest::newRow("fact of another system")
            << QStringList{"check-rule", "3"} << 1
            << "Kod reguły: 3, przesłanka   2 licząc od początku pola przesłankowego.\nBłąd składni reguły. W tabeli "
               "faktów nie znaleziono faktu o nazwie wyspecyfikowanej w przesłance." + Tail + "\n";
        QTest::newRow("stored direction that is none of the three")
            << QStringList{"check-rule", "4"} << 1
            << "Kierunek wnioskowania reguły nie został zaznaczony." + Tail + "\n";
        QTest::newRow("json keeps the line breaks")
            << QStringList{"check-rule", "--json", "4"} << 1
            << "{\"event\":\"message\",\"text\":\"Kierunek wnioskowania reguły nie został zaznaczony.\\n\\rKontrola "
               "składni reguły nie będzie kontynuowana.\\n\\rUsuń błąd i wejdź powtórnie w kontrolę składni reguły.\"}\n";
        QTest::newRow("json success") << QStringList{"check-rule", "--json", "1"} << 0
                                      << "{\"event\":\"message\",\"text\":\"Składnia reguły poprawna.\"}\n";
        QTest::newRow("no such rule") << QStringList{"check-rule", "99"} << 1
                                      << "Reguły o kodzie 99 nie znaleziono w tabeli reguł.\n";
        QTest::newRow("code not an integer") << QStringList{"check-rule", "x"} << 2 << "";
        QTest::newRow("no code") << QStringList{"check-rule"} << 2 << "";
    }
    void regula()
    {
        QFETCH(QStringList, argumenty);
        QFETCH(int, kod);
        QFETCH(QString, wyjscie);
        const WynikCli w = uruchomCli(m_f.sciezka(), argumenty);
        QCOMPARE(w.out, wyjscie);
        QCOMPARE(w.kod, kod);
    }

    // The snapshot holds the system's facts, values and constants, and arguments of its
    // computed constants even from another system, whose facts stay out of name lookups.
    void odczytDanychSystemu()
    {
        tremida::Baza baza;
        QVERIFY(baza.otworz(m_f.sciezka()));
        tremida::TDaneReg d;
        QVERIFY(d.wczytaj(baza, 1));
        QVERIFY(d.faktONazwie(1, "kolor plomienia"));
        QVERIFY(!d.faktONazwie(1, "cisnienie"));
        QCOMPARE(d.faktOKodzie(5)->NazFakt, QStringLiteral("cisnienie"));
        QCOMPARE(d.wartosciFaktu(3).size(), 2);
        QCOMPARE(d.stalaONazwie(1, "palniki zapasowe")->IdStala, 2);
        QVERIFY(!d.stalaONazwie(1, "Palniki zapasowe"));
    }

    void brakTabeliRegul()
    {
        FolderRoboczy f;
        const WynikCli w = uruchomCli(f.sciezka(), {"check-rule", "1"});
        QCOMPARE(w.kod, 1);
        QVERIFY(w.out.startsWith("Stwierdzono brak na dysku pliku reguly.db"));
    }

private:
    FolderRoboczy m_f;
};

QTEST_GUILESS_MAIN(TstSkladniaCli)
#include "tst_skladnia_cli.moc"
