// The constants window: presets of a new constant, the argument lists, which fields are
// shown for each kind and type, and the checks after a post.

#include "Pisanie.h"
#include "Pomocnicze.h"
#include "TestOkna.h"
#include "app/Komunikat.h"
#include "app/TFormGlowne.h"
#include "rules/TFormTabStale.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tremida;
using namespace tremida::gui;
using namespace tremida::test;

class TstGuiStale : public QObject, private TestOkna<TFormTabStale, &TFormGlowne::formTabStale> {
    Q_OBJECT


private slots:
    void init()
    {
        otworzOkno("tabele_stale.json", Akcja::OtwTabStale, BezKomunikatow);
    }
    void cleanup() { zamknijStanowisko(); }

    void wstawienieUstawiaWartosciPoczatkowe()
    {
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Wstaw));
        QVERIFY(m_komunikaty.isEmpty());
        QCOMPARE(kontrolka<GrupaRadiowa>("RodzStala")->wybor(), QStringLiteral("prosta"));
        QCOMPARE(kontrolka<GrupaRadiowa>("TypStala")->wybor(), QStringLiteral("calkowita"));
        QCOMPARE(kontrolka("WartStalaProsta")->text(), QStringLiteral("0"));
        QCOMPARE(kontrolka("WartParAStala")->text(), QStringLiteral("1"));
        QCOMPARE(kontrolka("WartParBStala")->text(), QStringLiteral("0"));
        QCOMPARE(kontrolka("KodSyst")->text(), QStringLiteral("1"));
        // The enumerated fact is no argument; the first one is chosen.
        QCOMPARE(okno()->listaKodowArgumentu()->count(), 3);
        QCOMPARE(okno()->zbiorStale()->wartosc("KodArgStala").toInt(), 10);
        okno()->wybierzArgument(2);
        QCOMPARE(okno()->zbiorStale()->wartosc("KodArgStala").toInt(), 12);
        QCOMPARE(okno()->listaNazwArgumentu()->currentText(), QStringLiteral("alarm"));
        QCOMPARE(kontrolka<GrupaRadiowa>("typArgumentu")->wybor(), QStringLiteral("logiczny"));
    }

    void bazaBezArgumentow()
    {
        okno()->nawigatorSyst()->kliknij(PrzyciskNaw::Nastepny);
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Wstaw));
        QCOMPARE(m_komunikaty, QStringList{"Możliwe jest wygenerowanie tylko stałej prostej. Tabela faktów aktywnej bazy "
                                           "wiedzy nie zawiera faktów kwalifikujących się jako argument stałych "
                                           "obliczanych."});
        QCOMPARE(okno()->zbiorStale()->wartosc("KodArgStala").toInt(), 1);
    }

    void widocznosc_data()
    {
        QTest::addColumn<QString>("rodzaj");
        QTest::addColumn<QString>("typ");
        QTest::addColumn<QStringList>("widoczne");
        QTest::addColumn<QStringList>("ukryte");
        QTest::newRow("simple real") << "prosta" << "rzeczywista" << QStringList{"WartStalaProsta", "JedWartStala"}
                                     << QStringList{"WartParAStala", "argumentKod", "typArgumentu"};
        QTest::newRow("simple logical") << "prosta" << "logiczna" << QStringList{"WartStalaProsta"}
                                        << QStringList{"JedWartStala", "WartParBStala", "argumentNazwa"};
        QTest::newRow("computed integer")
            << "obliczana" << "calkowita"
            << QStringList{"WartParAStala", "WartParBStala", "JedWartStala", "argumentKod", "argumentNazwa"}
            << QStringList{"WartStalaProsta"};
        QTest::newRow("computed logical") << "obliczana" << "logiczna" << QStringList{"argumentKod", "typArgumentu"}
                                          << QStringList{"WartStalaProsta", "WartParAStala", "JedWartStala"};
    }
    void widocznosc()
    {
        QFETCH(QString, rodzaj);
        QFETCH(QString, typ);
        QFETCH(QStringList, widoczne);
        QFETCH(QStringList, ukryte);
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Wstaw));
        kontrolka<GrupaRadiowa>("RodzStala")->kliknij(rodzaj);
        kontrolka<GrupaRadiowa>("TypStala")->kliknij(typ);
        sprawdzWidocznosc(widoczne, ukryte);
    }

    void kontrolePoZatwierdzeniu_data()
    {
        QTest::addColumn<QString>("rodzaj");
        QTest::addColumn<QString>("typ");
        QTest::addColumn<QString>("wartosc");
        QTest::addColumn<int>("argument"); // position in the argument lists
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("komunikat");
        const QString zlaWartosc = "Błędna postać wartości stałej. Wejdź w tryb edycji rekordu i popraw wartość.";
        QTest::newRow("logical unknown") << "prosta" << "logiczna" << "unknown" << 0 << "" << "" << zlaWartosc;
        QTest::newRow("logical true") << "prosta" << "logiczna" << "true" << 0 << "" << "" << "";
        QTest::newRow("real 3,14") << "prosta" << "rzeczywista" << "3,14" << 0 << "" << "" << "";
        QTest::newRow("real 3.14") << "prosta" << "rzeczywista" << "3.14" << 0 << "" << "" << "";
        QTest::newRow("real 3,1,4") << "prosta" << "rzeczywista" << "3,1,4" << 0 << "" << "" << zlaWartosc;
        QTest::newRow("integer 2,5") << "prosta" << "calkowita" << "2,5" << 0 << "" << "" << zlaWartosc;
        QTest::newRow("empty value") << "prosta" << "calkowita" << "" << 0 << "" << ""
                                     << "Nie wprowadziłeś wartości stałej. Wejdź w tryb edycji rekordu i dopisz wartość.";
        QTest::newRow("integer with logical argument")
            << "obliczana" << "calkowita" << "" << 2 << "1" << "0"
            << "Argumentem stałej obliczanej typu numerycznego, tj. całkowitego lub rzeczywistego, może być fakt, jednak "
               "też tylko typu numerycznego, tj. całkowitego lub rzeczywistego. Wejdź w tryb edycji rekordu i usuń błąd.";
        QTest::newRow("logical with logical argument") << "obliczana" << "logiczna" << "" << 2 << "x" << "0" << "";
        QTest::newRow("logical with real argument")
            << "obliczana" << "logiczna" << "" << 0 << "1" << "0"
            << "Argumentem stałej obliczanej typu logicznego nie może być fakt innego typu niż też logiczny. Wejdź w tryb "
               "edycji rekordu i usuń błąd.";
        QTest::newRow("A missing") << "obliczana" << "rzeczywista" << "" << 0 << "" << "0"
                                   << "Nie wprowadziłeś wartości parametru A. Wejdź w tryb edycji rekordu i dopisz "
                                      "wartość.";
        QTest::newRow("A with letters") << "obliczana" << "rzeczywista" << "" << 0 << "1a" << "0"
                                        << "Błędna postać parametru A. Wejdź w tryb edycji rekordu i popraw wartość.";
        QTest::newRow("B missing") << "obliczana" << "calkowita" << "" << 1 << "1,5" << ""
                                   << "Nie wprowadziłeś wartości parametru B. Wejdź w tryb edycji rekordu i dopisz "
                                      "wartość.";
        QTest::newRow("B 1,2,3") << "obliczana" << "calkowita" << "" << 1 << "1,5" << "1,2,3"
                                 << "Błędna postać parametru B. Wejdź w tryb edycji rekordu i popraw wartość.";
        QTest::newRow("computed integer") << "obliczana" << "calkowita" << "" << 1 << "1,5" << "-2" << "";
    }
    void kontrolePoZatwierdzeniu()
    {
        QFETCH(QString, rodzaj);
        QFETCH(QString, typ);
        QFETCH(QString, wartosc);
        QFETCH(int, argument);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, komunikat);
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Wstaw));
        wpisz(kontrolka("IdStala"), "5");
        wpisz(kontrolka("NazStala"), "nowa");
        kontrolka<GrupaRadiowa>("RodzStala")->kliknij(rodzaj);
        kontrolka<GrupaRadiowa>("TypStala")->kliknij(typ);
        // The fields of the other kind keep the values preset for a new constant.
        if (rodzaj == "prosta") {
            okno()->zbiorStale()->ustawWartosc("WartStalaProsta", wartosc);
        } else {
            okno()->zbiorStale()->ustawWartosc("WartParAStala", a);
            okno()->zbiorStale()->ustawWartosc("WartParBStala", b);
        }
        okno()->wybierzArgument(argument);
        const bool wymagane = rodzaj == "prosta" ? wartosc.isEmpty() : (a.isEmpty() || b.isEmpty());
        if (wymagane) {
            // Required columns cannot be stored empty: the engine refuses and the record stays in insert.
            QVERIFY(!okno()->nawigator()->kliknij(PrzyciskNaw::Zatwierdz));
            QCOMPARE(okno()->zbiorStale()->stan(), StanZbioru::Wstawianie);
            QCOMPARE(m_komunikaty.size(), 1);
            QVERIFY(m_komunikaty[0].startsWith("Pole Wart"));
            return;
        }
        QVERIFY2(okno()->nawigator()->kliknij(PrzyciskNaw::Zatwierdz), qPrintable(m_komunikaty.join('|')));
        QCOMPARE(m_komunikaty, komunikat.isEmpty() ? QStringList{} : QStringList{komunikat});
        QCOMPARE(okno()->zbiorStale()->wartosc("IdStala").toInt(), 5);
    }

    void widokWszystkichBezWstawiania()
    {
        okno()->ustawWidokWszystkich(true);
        QCOMPARE(okno()->zbiorStale()->liczbaRekordow(), 2);
        QVERIFY(!okno()->nawigator()->kliknij(PrzyciskNaw::Wstaw));
        okno()->ustawWidokWszystkich(false);
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Wstaw));
    }

    void wyszukiwanie_data()
    {
        QTest::addColumn<QString>("kod");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("empty") << "" << "Nie podałeś kodu stałej do wyszukania.";
        QTest::newRow("bad") << "2,0" << "Zła postać kodu stałej. Popraw.";
        QTest::newRow("missing") << "7" << "Rekordu o wskazanym kodzie stałej w tabeli nie znaleziono.";
        QTest::newRow("found") << "2" << "";
    }
    void wyszukiwanie()
    {
        if (wyszukajWgWiersza() && m_komunikaty.isEmpty()) {
            QCOMPARE(kontrolka("NazStala")->text(), QStringLiteral("próg"));
            // A computed constant shows its argument in both lists.
            QCOMPARE(okno()->listaNazwArgumentu()->currentText(), QStringLiteral("ciśnienie"));
            QCOMPARE(kontrolka<GrupaRadiowa>("typArgumentu")->wybor(), QStringLiteral("calkowity"));
        }
    }
};

QTEST_MAIN(TstGuiStale)
#include "tst_gui_stale.moc"
