// The trajectory viewer: the steps of the chosen knowledge base, the date as stored and the
// radio groups showing the stored words and outcome sentences.

#include "Pomocnicze.h"
#include "TestOkna.h"
#include "app/Komunikat.h"
#include "app/TFormGlowne.h"
#include "store/TFormTabTraj.h"

#include <QAction>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTest>

using namespace tremida;
using namespace tremida::gui;
using namespace tremida::test;

class TstGuiTraj : public QObject, private TestOkna<TFormTabTraj, &TFormGlowne::formTabTraj> {
    Q_OBJECT

private slots:
    void init()
    {
        otworzOkno("gui_reg_traj.json", Akcja::OtwTabTraj, BezKomunikatow);
    }
    void cleanup() { zamknijStanowisko(); }

    void krokiWybranegoSystemu()
    {
        QVERIFY(!m_s->glowne->akcja(Akcja::ZalTabTraj)->isEnabled());
        QCOMPARE(okno()->zbiorTraj()->liczbaRekordow(), 2);
        QCOMPARE(okno()->zbiorTraj()->wartosc("IdKrokTraj").toInt(), 1);
        QCOMPARE(okno()->poleDaty()->text(), QStringLiteral("12.11.2023"));
        QCOMPARE(kontrolka("CFKonklRegTraj")->text(), QStringLiteral("0,81"));
        QCOMPARE(okno()->kierunek()->wybor(), QStringLiteral("w przod"));
        QCOMPARE(okno()->czyOdpalona()->wybor(), QStringLiteral("tak"));
        QCOMPARE(okno()->przyczyna()->indeksWyboru(), 0);

        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Nastepny));
        QCOMPARE(okno()->poleDaty()->text(), QStringLiteral("5.3.2024"));
        QCOMPARE(okno()->kierunek()->indeksWyboru(), 2); // "falsyf"
        QCOMPARE(okno()->przyczyna()->indeksWyboru(), 5);

        // A knowledge base without steps: an empty list and an empty date.
        QVERIFY(okno()->nawigatorSyst()->kliknij(PrzyciskNaw::Nastepny));
        QCOMPARE(okno()->zbiorTraj()->liczbaRekordow(), 0);
        QCOMPARE(okno()->poleDaty()->text(), QString());
        QCOMPARE(okno()->kierunek()->indeksWyboru(), -1);
        QCOMPARE(okno()->przyczyna()->indeksWyboru(), -1);

        // Backward chaining's fired rule: its outcome is none of the items.
        QVERIFY(okno()->nawigatorSyst()->kliknij(PrzyciskNaw::Nastepny));
        QCOMPARE(okno()->poleDaty()->text(), QStringLiteral("1.12.2023"));
        QCOMPARE(okno()->kierunek()->wybor(), QStringLiteral("wstecz"));
        QCOMPARE(okno()->przyczyna()->indeksWyboru(), -1);
    }

    void tylkoDoOdczytu()
    {
        okno()->kierunek()->kliknij("wstecz");
        QCOMPARE(okno()->kierunek()->wybor(), QStringLiteral("w przod"));
        QVERIFY(kontrolka("KodRegTraj")->isReadOnly());
        QCOMPARE(okno()->zbiorTraj()->stan(), StanZbioru::Przegladanie);
    }

    void przyczyny_data()
    {
        QTest::addColumn<QString>("zapisana");
        QTest::addColumn<int>("pozycja");
        QTest::newRow("1 fired") << "Reguła została \"odpalona\" w danym kroku trajektorii wnioskowania" << 0;
        QTest::newRow("2 on the stack") << "Reguła została przyjęta na stos do \"odpalenia\", jednak \"nieodpalona\", "
                                           "gdyż trwa jeszcze faza generowania stosu"
                                        << 1;
        QTest::newRow("3 computed constant")
            << "Reguła nieprzyjęta na stos do \"odpalenia\". Pole przesłankowe zwraca wprawdzie TRUE, a wartość CF pola "
               "powyżej progu, jednak konkluzja zawiera stałą obliczaną o nieokreślonej wartości"
            << 2;
        QTest::newRow("4 below threshold") << "Reguła nieprzyjęta na stos do \"odpalenia\". Pole przesłankowe zwraca "
                                              "wprawdzie TRUE, jednak wartość CF pola przesłankowego poniżej progu"
                                           << 3;
        const QString piata = "Reguła nieprzyjęta na stos do \"odpalenia\". Pole przesłankowe zwraca wprawdzie TRUE, "
                              "jednak wartość CF pola przesłankowego poniżej progu. Konkluzja zawiera ponadto stałą "
                              "obliczaną o nieokreślonej wartości";
        QTest::newRow("5 as inference writes it, 203 characters") << piata << 4;
        QTest::newRow("5 cut to the 200-character column") << piata.left(200) << 4;
        QTest::newRow("5 in the viewer's words")
            << "Reguła nieprzyjęta na stos do \"odpalenia\". Pole przesłankowe zwraca wprawdzie TRUE, jednak wartość CF "
               "pola poniżej progu. Konkluzja zawiera ponadto stałą o nieokreślonej wartości"
            << 4;
        QTest::newRow("6 false") << "Reguła nieprzyjęta na stos do \"odpalenia\". Pole przesłankowe reguły zwraca "
                                    "wartość logiczną FALSE"
                                 << 5;
        QTest::newRow("7 false and constant")
            << "Reguła nieprzyjęta na stos do \"odpalenia\". Pole przesłankowe reguły zwraca wartość logiczną FALSE. "
               "Konkluzja reguły zawiera ponadto stałą obliczaną o nieokreślonej wartości"
            << 6;
        QTest::newRow("8 unknown") << "Reguła nieprzyjęta na stos do \"odpalenia\". Pole przesłankowe reguły zwraca "
                                      "wartość logiczną UNKNOWN, na skutek nieokreślonych wartości faktów w polu "
                                      "przesłankowym"
                                   << 7;
        QTest::newRow("9 unknown and constant")
            << "Reguła nieprzyjęta na stos do \"odpalenia\". Pole przesłankowe reguły zwraca wartość logiczną UNKNOWN jw. "
               "Konkluzja reguły zawiera ponadto stałą obliczaną o nieokreślonej wartości"
            << 8;
        QTest::newRow("fired backwards")
            << "nie dotyczy - regula zostala odpalona w tym kroku trajektorii wnioskowania" << -1;
        QTest::newRow("a sentence cut short is not a fifth") << piata.left(120) << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void przyczyny()
    {
        QFETCH(QString, zapisana);
        QFETCH(int, pozycja);
        QSqlQuery q = m_s->glowne->kontekst().baza.zapytanie();
        q.prepare("UPDATE trajektoria SET PrzyczNieOdpalTraj=:ParP WHERE IdKrokTraj=1");
        q.bindValue(":ParP", zapisana);
        QVERIFY(q.exec());
        okno()->wyjdz();
        m_s->glowne->akcja(Akcja::OtwTabTraj)->trigger();
        QCOMPARE(okno()->przyczyna()->indeksWyboru(), pozycja);
        QCOMPARE(okno()->przyczyna()->pozycje().size(), 9);
    }
};

QTEST_MAIN(TstGuiTraj)
#include "tst_gui_traj.moc"
