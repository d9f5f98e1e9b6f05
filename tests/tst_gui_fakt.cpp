// The facts table window: which details are shown for each kind and type, the checks after
// a post with their messages, the missing-value warning, the copy of an enumerated fact with
// its values, the search, the display of an enumerated fact's values and the picture
// buttons.

#include "Pisanie.h"
#include "Pomocnicze.h"
#include "TestOkna.h"
#include "WierszeLogiczne.h"
#include "app/Komunikat.h"
#include "app/TFormGlowne.h"
#include "store/TFormOstrzBrakWartFakt.h"
#include "store/TFormTabFakt.h"
#include "store/TFormWizWartFaktWylicz.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTest>

using namespace tremida;
using namespace tremida::gui;
using namespace tremida::test;

// A fact of a type with a value and CF, posted: the messages shown and the CF then stored.
struct ZatwierdzonyFakt {
    QString typ, liczWart, wartosc, cf;
    QStringList komunikaty;
    QString zapisanyCF;
};
Q_DECLARE_METATYPE(ZatwierdzonyFakt)

class TstGuiFakt : public QObject, private TestOkna<TFormTabFakt, &TFormGlowne::formTabFakt> {
    Q_OBJECT

    void idzDoFaktu(int kod)
    {
        QVERIFY(okno()->zbiorFakt()->znajdz("IdFakt", kod));
    }
    QVariant wartoscWBazie(int idFakt, const QString &kolumna) { return zapisana("fakty", "IdFakt", idFakt, kolumna); }

private slots:
    void init()
    {
        otworzOkno("tabele_fakty.json", Akcja::OtwTabFakt, Potwierdzaj);
    }
    void cleanup() { zamknijStanowisko(); }

    void otwarcieIWidok()
    {
        QCOMPARE(okno()->windowTitle(), QStringLiteral("TABELA FAKTÓW "));
        QCOMPARE(okno()->zbiorFakt()->liczbaRekordow(), 5); // the facts of the first system
        QCOMPARE(okno()->zbiorFakt()->headerData(6, Qt::Horizontal).toString(),
                 QStringLiteral("Czy fakt wielowartościowy?"));
        okno()->ustawWidokWszystkich(true);
        QCOMPARE(okno()->zbiorFakt()->liczbaRekordow(), 6);
        okno()->ustawWidokWszystkich(false);
        okno()->nawigatorSyst()->kliknij(PrzyciskNaw::Nastepny);
        QCOMPARE(okno()->zbiorFakt()->liczbaRekordow(), 1);
        QCOMPARE(kontrolka("NazFakt")->text(), QStringLiteral("budżet"));
        QVERIFY(m_komunikaty.isEmpty());
    }

    // The system and the view cannot be changed while a fact is being typed.
    void wyborSystemuPodczasWpisywania()
    {
        auto dostepne = [this] {
            return QList<bool>{kontrolka<QWidget>("widok")->isEnabled(), kontrolka("wybranyKodSyst")->isEnabled(),
                               okno()->nawigatorSyst()->isEnabled()};
        };
        QCOMPARE(dostepne(), (QList<bool>{true, true, true}));
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Wstaw));
        QCOMPARE(dostepne(), (QList<bool>{false, false, false}));
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Anuluj));
        QCOMPARE(dostepne(), (QList<bool>{true, true, true}));
    }

    void widocznoscSzczegolow_data()
    {
        QTest::addColumn<int>("fakt");
        QTest::addColumn<QStringList>("widoczne");
        QTest::addColumn<QStringList>("ukryte");
        QTest::newRow("input enumerated") << 10 << QStringList{"LiczWart", "CzyWielWart", "PytFakt", "przyciskWartWpr"}
                                          << QStringList{"WartFakt", "wartAkt", "przyciskWartPosr"};
        QTest::newRow("input real") << 11 << QStringList{"PytFakt", "WartFakt", "CFWartFakt"}
                                    << QStringList{"LiczWart", "CzyWielWart", "przyciskWartWpr", "przyciskWartPosr",
                                                   "wartAkt"};
        QTest::newRow("intermediate enumerated")
            << 12 << QStringList{"LiczWart", "CzyWielWart", "przyciskWartPosr"}
            << QStringList{"PytFakt", "WartFakt", "przyciskWartWpr", "wartAkt", "wartPoprz"};
        QTest::newRow("final logical") << 13 << QStringList{"wartAkt", "cfAkt", "wartPoprz", "cfPoprz"}
                                       << QStringList{"LiczWart", "CzyWielWart", "PytFakt", "WartFakt",
                                                      "przyciskWartWpr", "przyciskWartPosr"};
    }
    void widocznoscSzczegolow()
    {
        QFETCH(int, fakt);
        QFETCH(QStringList, widoczne);
        QFETCH(QStringList, ukryte);
        idzDoFaktu(fakt);
        sprawdzWidocznosc(widoczne, ukryte);
    }

    void kontrolePoZatwierdzeniu_data()
    {
        QTest::addColumn<ZatwierdzonyFakt>("p");
        const QString bladPostaci = "Błędna postać wartości faktu. Wejdź w tryb edycji rekordu i popraw wartość.";
        const QString zakresCF = "CF wartości faktu zpoza przedziału [0,1]. Wejdź w tryb edycji rekordu i popraw "
                                 "wartość.";
        const QString zakresLiczby = "Liczba wartości faktu zpoza dopuszczalnego przedziału [1,20].\n\rDokonaj korekty "
                                     "rekordu.";
        QTest::newRow("logical true") << ZatwierdzonyFakt{.typ = "logiczny", .liczWart = "", .wartosc = "true",
            .cf = "1", .komunikaty = {}, .zapisanyCF = "1"};
        QTest::newRow("logical tak") << ZatwierdzonyFakt{.typ = "logiczny", .liczWart = "", .wartosc = "tak", .cf = "1",
            .komunikaty = {bladPostaci}, .zapisanyCF = "1"};
        QTest::newRow("real with comma") << ZatwierdzonyFakt{.typ = "rzeczywisty", .liczWart = "", .wartosc = "3,14",
            .cf = "1", .komunikaty = {}, .zapisanyCF = "1"};
        QTest::newRow("real CF above 1") << ZatwierdzonyFakt{.typ = "rzeczywisty", .liczWart = "", .wartosc = "3,14",
            .cf = "1,5", .komunikaty = {zakresCF}, .zapisanyCF = "1.5"};
        QTest::newRow("real 12,5,3") << ZatwierdzonyFakt{.typ = "rzeczywisty", .liczWart = "", .wartosc = "12,5,3",
            .cf = "1", .komunikaty = {bladPostaci}, .zapisanyCF = "1"};
        QTest::newRow("integer with point") << ZatwierdzonyFakt{.typ = "calkowity", .liczWart = "", .wartosc = "12.0",
            .cf = "1", .komunikaty = {bladPostaci}, .zapisanyCF = "1"};
        QTest::newRow("unknown value") << ZatwierdzonyFakt{.typ = "calkowity", .liczWart = "", .wartosc = "???",
            .cf = "0,7", .komunikaty = {}, .zapisanyCF = "0"};
        QTest::newRow("enumerated 21 values") << ZatwierdzonyFakt{.typ = "wyliczeniowy", .liczWart = "21",
            .wartosc = "", .cf = "", .komunikaty = {zakresLiczby}, .zapisanyCF = ""};
        QTest::newRow("enumerated 0 values") << ZatwierdzonyFakt{.typ = "wyliczeniowy", .liczWart = "0", .wartosc = "",
            .cf = "", .komunikaty = {zakresLiczby}, .zapisanyCF = ""};
        QTest::newRow("enumerated 3 values") << ZatwierdzonyFakt{.typ = "wyliczeniowy", .liczWart = "3", .wartosc = "",
            .cf = "",
            .komunikaty = {"Wprowadziłeś/edytowałeś wyliczeniowy typ faktu. Powinieneś wejść w następnej "
                           "kolejności\n\rdo tabeli wartości faktów wyliczeniowych celem "
                           "zdefiniowania/zweryfikowania/skorygowania\n\rwartości wprowadzonego/edytowanego faktu. W "
                           "przeciwnym razie baza wiedzy może okazać\n\rsię niespójna."}, .zapisanyCF = ""};
        QTest::newRow("enumerated without count") << ZatwierdzonyFakt{.typ = "wyliczeniowy", .liczWart = "",
            .wartosc = "", .cf = "",
            .komunikaty = {"Jeśli wybrałeś wyliczeniowy typ faktu, to musisz wprowadzić liczbę jego "
                           "wartości.\n\rDokonaj korekty rekordu."}, .zapisanyCF = ""};
    }
    void kontrolePoZatwierdzeniu()
    {
        QFETCH(ZatwierdzonyFakt, p);
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Wstaw));
        // A new fact starts as an input, enumerated, single-valued fact of the chosen system.
        QCOMPARE(kontrolka<GrupaRadiowa>("RodzFakt")->wybor(), QStringLiteral("wprowadzany"));
        QCOMPARE(kontrolka<GrupaRadiowa>("TypFakt")->wybor(), QStringLiteral("wyliczeniowy"));
        QCOMPARE(kontrolka<GrupaRadiowa>("CzyWielWart")->wybor(), QStringLiteral("nie"));
        QCOMPARE(kontrolka("KodSyst")->text(), QStringLiteral("1"));
        QVERIFY(widoczny("kopiuj"));
        wpisz(kontrolka("IdFakt"), "30");
        wpisz(kontrolka("NazFakt"), "nowy fakt");
        kontrolka<GrupaRadiowa>("TypFakt")->kliknij(p.typ);
        wpisz(kontrolka("LiczWart"), p.liczWart);
        if (p.typ != "wyliczeniowy") {
            wpisz(kontrolka("WartFakt"), p.wartosc);
            wpisz(kontrolka("CFWartFakt"), p.cf);
        }
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Zatwierdz));
        QCOMPARE(m_komunikaty, p.komunikaty);
        QVERIFY(!widoczny("kopiuj"));
        // The checks report; the record stays saved as typed.
        QCOMPARE(wartoscWBazie(30, "NazFakt").toString(), QStringLiteral("nowy fakt"));
        if (p.typ != "wyliczeniowy") {
            QCOMPARE(wartoscWBazie(30, "WartFakt").toString(), p.wartosc);
            QCOMPARE(wartoscWBazie(30, "CFWartFakt").toString(), p.zapisanyCF);
        }
    }

    void brakWartosci_data()
    {
        wierszeLogiczne("nieznana", {{"value unknown", true}, {"will enter a value", false}});
    }
    void brakWartosci()
    {
        QFETCH(bool, nieznana);
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Wstaw));
        wpisz(kontrolka("IdFakt"), "31");
        wpisz(kontrolka("NazFakt"), "bez wartości");
        kontrolka<GrupaRadiowa>("TypFakt")->kliknij("calkowity");
        bool pokazane = false;
        odpowiedzOknuModalnemu<TFormOstrzBrakWartFakt>(QStringLiteral("OSTRZEŻENIE"), [&](TFormOstrzBrakWartFakt *o) {
            pokazane = true;
            (nieznana ? o->przyciskNieznana() : o->przyciskWprowadz())->click();
        });
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Zatwierdz));
        QVERIFY(pokazane);
        QVERIFY(m_komunikaty.isEmpty());
        QCOMPARE(wartoscWBazie(31, "WartFakt").toString(), nieznana ? QStringLiteral("???") : QString());
        QCOMPARE(wartoscWBazie(31, "CFWartFakt").isNull(), !nieznana);
        if (nieznana)
            QCOMPARE(wartoscWBazie(31, "CFWartFakt").toDouble(), 0.0);
    }

    void kopiowanieFaktuWyliczeniowego()
    {
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Wstaw));
        wpisz(kontrolka("IdFakt"), "40");
        wpisz(kontrolka("kopiowanyKod"), "10");
        kliknij("kopiuj");
        QCOMPARE(m_komunikaty.size(), 1);
        QVERIFY(m_komunikaty[0].startsWith("Wszystkie dane faktu, oprócz kodu faktu i kodu systemu skopiowano.\n\r"));
        QVERIFY(m_komunikaty[0].endsWith("dopisano na końcu słowo \"Kopia\".\n\rNa drodze edycji skoryguj odpowiednio "
                                         "nazwę nowego/edytowanego faktu."));
        QCOMPARE(kontrolka("NazFakt")->text(), QStringLiteral("kolor płomienia Kopia"));
        QCOMPARE(kontrolka("LiczWart")->text(), QStringLiteral("3"));
        // The three values were appended under new keys before the fact itself is posted.
        QSqlQuery q = baza().zapytanie();
        q.exec("SELECT IdWartFaktWylicz, WartFaktWylicz, CzyFaktMaWartAkt, DataRek FROM wartoscifaktowwyliczeniowych "
               "WHERE KodFakt=40 ORDER BY IdWartFaktWylicz");
        QStringList kopie;
        while (q.next())
            kopie << q.value(0).toString() + ":" + q.value(1).toString() + ":" + q.value(2).toString() + ":"
                         + (q.value(3).isNull() ? "-" : "stamp");
        QCOMPARE(kopie, QStringList({"3:niebieski:tak:-", "6:żółty:nie:-", "7:czerwony:???:-"}));
        QCOMPARE(wartoscWBazie(40, "IdFakt"), QVariant());
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Zatwierdz));
        QCOMPARE(wartoscWBazie(40, "NazFakt").toString(), QStringLiteral("kolor płomienia Kopia"));
    }

    void kopiowanieBledy_data()
    {
        QTest::addColumn<QString>("kodNowego");
        QTest::addColumn<QString>("kodZrodla");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("no source code") << "41" << ""
                                        << "Kod faktu do skopiowania nieokreślony lub błędnej postaci.\n\rOpcja nie "
                                           "zostanie zrealizowana.";
        QTest::newRow("no new code") << "" << "10"
                                     << "Kod faktu generowanego/edytowanego nieokreślony lub błędnej postaci.\n\rOpcja "
                                        "nie zostanie zrealizowana.";
        QTest::newRow("source missing") << "41" << "99"
                                        << "Rekordu faktu do skopiowania nie znaleziono w tabeli faktów.\n\rOpcja nie "
                                           "zostanie zrealizowana.";
    }
    void kopiowanieBledy()
    {
        QFETCH(QString, kodNowego);
        QFETCH(QString, kodZrodla);
        QFETCH(QString, komunikat);
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Wstaw));
        wpisz(kontrolka("IdFakt"), kodNowego);
        wpisz(kontrolka("kopiowanyKod"), kodZrodla);
        kliknij("kopiuj");
        QCOMPARE(m_komunikaty, QStringList{komunikat});
        QCOMPARE(kontrolka("NazFakt")->text(), QString());
    }

    void wyszukiwanie_data()
    {
        QTest::addColumn<QString>("kod");
        QTest::addColumn<QString>("komunikat");
        QTest::addColumn<QString>("nazwa");
        QTest::newRow("empty") << "" << "Nie podałeś kodu faktu do wyszukania." << "kolor płomienia";
        QTest::newRow("letters") << "1x" << "Zła postać kodu faktu. Popraw." << "kolor płomienia";
        QTest::newRow("other system") << "20" << "Rekordu o wskazanym kodzie faktu w tabeli nie znaleziono."
                                      << "kolor płomienia";
        QTest::newRow("found") << "13" << "" << "awaria";
    }
    void wyszukiwanie()
    {
        QFETCH(QString, kod);
        QFETCH(QString, komunikat);
        QFETCH(QString, nazwa);
        wpisz(kontrolka("szukanyKod"), kod);
        for (QPushButton *b : okno()->findChildren<QPushButton *>())
            if (b->text() == "Wyszukaj rekord")
                b->click();
        QCOMPARE(m_komunikaty, komunikat.isEmpty() ? QStringList{} : QStringList{komunikat});
        QCOMPARE(kontrolka("NazFakt")->text(), nazwa);
    }

    void wizualizacjaWartosci()
    {
        // Input fact with its three values.
        idzDoFaktu(10);
        kliknij("przyciskWartWpr");
        QVERIFY(m_komunikaty.isEmpty());
        TFormWizWartFaktWyliczWpr *wpr = okno()->widokWartosciWpr();
        QVERIFY(wpr->isVisible());
        QVERIFY(!okno()->isVisible());
        QCOMPARE(wpr->windowTitle(), QStringLiteral("WIZUALIZACJA WARTOŚCI FAKTU WYLICZENIOWEGO WPROWADZANEGO"));
        QCOMPARE(wpr->liczbaWidocznychWierszy(), 3);
        QCOMPARE(wpr->wiersz(0).wartosc->text(), QStringLiteral("niebieski"));
        QCOMPARE(wpr->wiersz(0).cfAkt->text(), QStringLiteral("0,75"));
        QCOMPARE(wpr->wiersz(0).akt->wybor(), QStringLiteral("tak"));
        QCOMPARE(wpr->wiersz(2).akt->wybor(), QStringLiteral("???"));
        // The choices cannot be changed.
        wpr->wiersz(0).akt->przycisk(1)->click();
        QCOMPARE(wpr->wiersz(0).akt->wybor(), QStringLiteral("tak"));
        wpr->przyciskZamknij()->click();
        QVERIFY(!wpr->isVisible());
        QVERIFY(okno()->isVisible());

        // Intermediate fact with one value of two: the mismatch message and nothing opens.
        idzDoFaktu(12);
        kliknij("przyciskWartPosr");
        QCOMPARE(m_komunikaty,
                 QStringList{"Stwierdzono niezgodność liczby wartości bieżącego faktu w tabeli wartości faktów "
                             "wyliczeniowych (1 wartości)\n\rw stosunku do tabeli faktów (2 wartości).\n\rUsuń "
                             "niezgodność, albo korygując liczbę wartości w tabeli faktów,\n\ralbo dopisując nowy rekord "
                             "(rekordy) w tabeli wartości faktów wyliczeniowych."});
        QVERIFY(!okno()->widokWartosciPosr()->isVisible());
    }

    void przyciskiObrazow()
    {
        idzDoFaktu(14);
        QCOMPARE(okno()->liczbaObrazow(), 2);
        QCOMPARE(okno()->liczbaFilmow(), 1);
        QCOMPARE(kontrolka<QPushButton>("obrazNastepny")->text(), QStringLiteral("Pokaż pierwszy obraz/zdjęcie"));
        QVERIFY(widoczny("obrazNastepny"));
        QVERIFY(!widoczny("obrazPoprzedni"));
        QCOMPARE(kontrolka<QPushButton>("filmNastepny")->text(), QStringLiteral("Pokaż film"));
        idzDoFaktu(13);
        QVERIFY(!widoczny("obrazNastepny"));
        QVERIFY(!widoczny("filmNastepny"));

        // A missing file is reported and the buttons stay as they were.
        idzDoFaktu(14);
        kliknij("obrazNastepny");
        QCOMPARE(m_komunikaty, QStringList{"Stwierdzono brak na dysku pliku manometr.bmp do wizualizacji.\n\rOpcja nie "
                                           "zostanie zrealizowana."});
        QCOMPARE(kontrolka<QPushButton>("obrazNastepny")->text(), QStringLiteral("Pokaż pierwszy obraz/zdjęcie"));

        // With both pictures on disk the buttons step through them from the first, once the
        // fact is chosen again.
        idzDoFaktu(13);
        idzDoFaktu(14);
        QImage obraz(8, 4, QImage::Format_RGB32);
        obraz.fill(Qt::blue);
        QVERIFY(obraz.save(m_s->folder.plik("manometr.bmp")));
        QVERIFY(obraz.save(m_s->folder.plik("zawor.bmp")));
        m_komunikaty.clear();
        kliknij("obrazNastepny");
        QCOMPARE(kontrolka<QPushButton>("obrazNastepny")->text(), QStringLiteral("Pokaż następny obraz/zdjęcie"));
        QVERIFY(!widoczny("obrazPoprzedni"));
        kliknij("obrazNastepny");
        QVERIFY(!widoczny("obrazNastepny"));
        QVERIFY(widoczny("obrazPoprzedni"));
        QCOMPARE(kontrolka<QPushButton>("obrazPoprzedni")->text(), QStringLiteral("Pokaż poprzedni obraz/zdjęcie"));
        QVERIFY(m_komunikaty.isEmpty());
    }

    // The next button shows position n + 1 and sets n to n + 1 even when the file at n + 1
    // cannot be shown; the buttons change only after a file was shown.
    void nastepnyPoNieudanymPokazaniu_data()
    {
        QTest::addColumn<QStringList>("naDysku");
        QTest::addColumn<QStringList>("komunikaty");
        QTest::addColumn<bool>("nastepnyWidoczny");
        QTest::addColumn<bool>("poprzedniWidoczny");
        const QString brakPierwszego = QStringLiteral(
            "Stwierdzono brak na dysku pliku manometr.bmp do wizualizacji.\n\rOpcja nie zostanie zrealizowana.");
        const QString brakDrugiego = QStringLiteral(
            "Stwierdzono brak na dysku pliku zawor.bmp do wizualizacji.\n\rOpcja nie zostanie zrealizowana.");
        QTest::newRow("brak pierwszego, drugi pokazany") << QStringList{"zawor.bmp"} << QStringList{brakPierwszego}
                                                         << false << true;
        QTest::newRow("brak obu") << QStringList{} << QStringList{brakPierwszego, brakDrugiego} << true << false;
    }
    void nastepnyPoNieudanymPokazaniu()
    {
        QFETCH(QStringList, naDysku);
        QFETCH(QStringList, komunikaty);
        QFETCH(bool, nastepnyWidoczny);
        QFETCH(bool, poprzedniWidoczny);
        QImage obraz(8, 4, QImage::Format_RGB32);
        obraz.fill(Qt::blue);
        for (const QString &plik : naDysku)
            QVERIFY(obraz.save(m_s->folder.plik(plik)));
        idzDoFaktu(14);
        kliknij("obrazNastepny");
        kliknij("obrazNastepny");
        QCOMPARE(m_komunikaty, komunikaty);
        QCOMPARE(widoczny("obrazNastepny"), nastepnyWidoczny);
        QCOMPARE(widoczny("obrazPoprzedni"), poprzedniWidoczny);
    }
};

QTEST_MAIN(TstGuiFakt)
#include "tst_gui_fakt.moc"
