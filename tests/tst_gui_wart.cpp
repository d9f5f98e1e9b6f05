// The enumerated values window: the checks run when another fact is chosen, the messages
// after a delete and a post, the presets of a new value and the view of all values.

#include "Pisanie.h"
#include "Pomocnicze.h"
#include "TestOkna.h"
#include "app/Komunikat.h"
#include "app/TFormGlowne.h"
#include "store/TFormTabWartFaktWylicz.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tremida;
using namespace tremida::gui;
using namespace tremida::test;

class TstGuiWart : public QObject, private TestOkna<TFormTabWartFaktWylicz, &TFormGlowne::formTabWartFaktWylicz> {
    Q_OBJECT

    void wybierzFakt(int kod)
    {
        m_komunikaty.clear();
        QVERIFY(okno()->zbiorFakt()->znajdz("IdFakt", kod));
    }

private slots:
    void init()
    {
        otworzOkno("tabele_wartosci.json", Akcja::OtwTabWartFaktWylicz, Potwierdzaj);
    }
    void cleanup() { zamknijStanowisko(); }

    void otwarcie()
    {
        QCOMPARE(okno()->windowTitle(), QStringLiteral("TABELA WARTOŚCI FAKTÓW WYLICZENIOWYCH"));
        // Only the enumerated facts of the first system. The window appears without a check of
        // the first fact; its check comes when the user chooses it.
        QCOMPARE(okno()->zbiorFakt()->liczbaRekordow(), 6);
        QCOMPARE(m_komunikaty, QStringList{});
        wybierzFakt(11);
        wybierzFakt(10);
        QCOMPARE(m_komunikaty.size(), 1);
        QVERIFY(m_komunikaty[0].startsWith("Fakt o kodzie 10 jest faktem wprowadzanym"));
        QCOMPARE(okno()->zbiorWart()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Czy fakt ma tę wartość ?"));
    }

    void kontroleFaktu_data()
    {
        QTest::addColumn<int>("fakt");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("single-valued input fact with two tak")
            << 10
            << "Fakt o kodzie 10 jest faktem wprowadzanym wyliczeniowym jednowartościowym.\n\rTymczasem stwierdzono, że "
               "zostały do niego przypisane co najmniej dwie wartości.\n\rJest to niedopuszczalne. Skoryguj przypisanie "
               "wartości do faktu.";
        QTest::newRow("words differing in case") << 11 << "";
        QTest::newRow("repeated word")
            << 12
            << "Stwierdzono pokrywanie się dwóch lub więcej wartości jednego i tego samego, bieżącego faktu\n\rwyliczeniowego. "
               "Jest to niedopuszczalne. Wejdź w tryb edycji tabeli i zmień wartość (wartości)\n\rbieżącego faktu.";
        QTest::newRow("intermediate fact, previous iteration")
            << 13
            << "Fakt o kodzie 13 jest faktem pośrednim lub końcowym, wyliczeniowym jednowartościowym.\n\rTymczasem "
               "stwierdzono, że zostały do niego przypisane co najmniej dwie wartości w poprzedniej iteracji "
               "wnioskowania.\n\rŚwiadczy to o sprzeczności w bazie reguł systemu eksperckiego. Usuń sprzeczność.";
        QTest::newRow("no values")
            << 14
            << "W tabeli wartości faktów wyliczeniowych brak rekordów z wartościami faktu o kodzie 14.\n\rWpisz nowe "
               "rekordy z wartościami faktu w zadekretowanej liczbie 3 wartości.";
        QTest::newRow("one value of three")
            << 15
            << "Stwierdzono niezgodność liczby wartości faktu o kodzie 15 w tabeli wartości faktów\n\rwyliczeniowych (1 "
               "wartość) w stosunku do tabeli faktów (3 wartości).\n\rUsuń niezgodność, albo korygując liczbę wartości w "
               "tabeli faktów,\n\ralbo dopisując nowy rekord (rekordy) w tabeli wartości faktów wyliczeniowych.";
    }
    void kontroleFaktu()
    {
        QFETCH(int, fakt);
        QFETCH(QString, komunikat);
        if (fakt == 10)
            wybierzFakt(11);
        wybierzFakt(fakt);
        QCOMPARE(m_komunikaty, komunikat.isEmpty() ? QStringList{} : QStringList{komunikat});
        QCOMPARE(okno()->zbiorWart()->biezacy(), okno()->zbiorWart()->pusty() ? -1 : 0);
        QCOMPARE(okno()->panelWprowadzanego(), fakt != 13 && fakt != 15);
    }

    void usuwanie()
    {
        wybierzFakt(11);
        const QString poczatek = "Po skasowaniu rekordu, liczba wartości faktu w tabeli (";
        const QString koniec = ") jest\n\rmniejsza niż liczba wartości zadeklarowana w tabeli faktów (3 wartości).\n\rUsuń "
                               "niezgodność, albo korygując liczbę wartości w tabeli faktów,\n\ralbo dopisując rekord "
                               "(rekordy) w tabeli wartości faktów wyliczeniowych.";
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Usun));
        QCOMPARE(m_komunikaty, QStringList{poczatek + "2 wartości" + koniec});
        QCOMPARE(okno()->liczbaWartosci(), 2);
        m_komunikaty.clear();
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Usun));
        QCOMPARE(m_komunikaty, QStringList{poczatek + "1 wartość" + koniec});
    }

    void wstawienieIZatwierdzenie()
    {
        wybierzFakt(11);
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Wstaw));
        QCOMPARE(kontrolka("KodFakt")->text(), QStringLiteral("11"));
        QCOMPARE(kontrolka("data")->text(), QString());
        wpisz(kontrolka("IdWartFaktWylicz"), "20");
        wpisz(kontrolka("WartFaktWylicz"), "zielony");
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Zatwierdz));
        QCOMPARE(m_komunikaty,
                 QStringList({"Po wprowadzeniu rekordu, liczba wartości faktu w tabeli (4 wartości)\n\rprzekracza liczbę "
                              "wartości zadeklarowaną w tabeli faktów (3 wartości).\n\rUsuń niezgodność, albo korygując "
                              "liczbę wartości w tabeli faktów,\n\ralbo kasując zbędny rekord (rekordy) w tabeli wartości "
                              "faktów\n\rwyliczeniowych.",
                              "Stwierdzono pokrywanie się dwóch lub więcej wartości jednego i tego samego, bieżącego "
                              "faktu\n\rwyliczeniowego. Jest to niedopuszczalne. Wejdź w tryb edycji tabeli i zmień wartość "
                              "(wartości)\n\rbieżącego faktu."}));
        QCOMPARE(okno()->liczbaWartosci(), 4);
        QCOMPARE(okno()->zbiorWart()->wartosc("DataRek").toString().size(), 369);
    }

    void widokWszystkichBezKontroli()
    {
        okno()->ustawWidokWszystkich(true);
        QCOMPARE(okno()->zbiorWart()->liczbaRekordow(), 11);
        m_komunikaty.clear();
        for (int i = 0; i < 11; ++i)
            okno()->nawigator()->kliknij(PrzyciskNaw::Nastepny);
        QVERIFY(m_komunikaty.isEmpty());
        // The panel follows the kind of each value's fact.
        QVERIFY(!okno()->panelWprowadzanego());
        okno()->nawigator()->kliknij(PrzyciskNaw::Pierwszy);
        QVERIFY(okno()->panelWprowadzanego());
    }

    void wyszukiwanieWartosci_data()
    {
        QTest::addColumn<QString>("kod");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("empty") << "" << "Nie podałeś kodu wartości faktu wyliczeniowego do wyszukania.";
        QTest::newRow("bad") << "x" << "Zła postać kodu wartości faktu wyliczeniowego. Popraw.";
        QTest::newRow("value of another fact")
            << "3" << "Rekordu o wskazanym kodzie wartości faktu wyliczeniowego w tabeli nie znaleziono.";
        QTest::newRow("found") << "2" << "";
    }
    void wyszukiwanieWartosci()
    {
        QFETCH(QString, kod);
        QFETCH(QString, komunikat);
        wybierzFakt(10);
        wpisz(kontrolka("szukanaWartosc"), kod);
        for (QPushButton *b : okno()->findChildren<QPushButton *>())
            if (b->text() == "Wyszukaj rekord tabeli wartości faktów wyliczeniowych")
                b->click();
        QCOMPARE(m_komunikaty, komunikat.isEmpty() ? QStringList{} : QStringList{komunikat});
        if (komunikat.isEmpty())
            QCOMPARE(okno()->zbiorWart()->biezacy(), 1);
    }
};

QTEST_MAIN(TstGuiWart)
#include "tst_gui_wart.moc"
