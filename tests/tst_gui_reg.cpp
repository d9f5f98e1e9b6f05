// The rules window: the checks after a post, copying from another rule, the search by code,
// the free key, the one-rule syntax check of the texts shown and the picture buttons.

#include "Pisanie.h"
#include "Pomocnicze.h"
#include "TestOkna.h"
#include "app/Komunikat.h"
#include "app/TFormGlowne.h"
#include "rules/TFormTabReg.h"
#include "store/Ilustracje.h"

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>

using namespace tremida;
using namespace tremida::gui;
using namespace tremida::test;

namespace {
const QString Ogon = QStringLiteral("\n\rKontrola składni reguły nie będzie kontynuowana.\n\rUsuń błąd i wejdź powtórnie "
                                    "w kontrolę składni reguły.");

// A new rule typed (level, CF, instruction) and the one message its check leaves (empty: none).
struct NowaRegula {
    QString poziom, cf, instrukcja, komunikat;
};

// A copy into the rule being typed: the code typed, what is copied, the message, and the
// premise and name the rule has afterwards.
struct KopiaReguly {
    QString kod;
    TFormTabReg::Kopia co;
    QString komunikat, przes, nazwa;
};
} // namespace

Q_DECLARE_METATYPE(NowaRegula)
Q_DECLARE_METATYPE(KopiaReguly)

class TstGuiReg : public QObject, private TestOkna<TFormTabReg, &TFormGlowne::formTabReg> {
    Q_OBJECT

    ZbiorDanych *reguly() { return okno()->zbiorReg(); }
    QVariant zapisana(int idReg, const char *kolumna) { return TestOkna::zapisana("reguly", "IdReg", idReg, kolumna); }
    // A new rule of the chosen knowledge base with every required field typed.
    void wpiszNowa(const QString &poziom, const QString &cf, const QString &instrukcja)
    {
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Wstaw));
        wpisz(kontrolka("IdReg"), "20");
        wpisz(kontrolka("NazReg"), "nowa");
        wpisz(kontrolka("PozReg"), poziom);
        wpisz(kontrolka("CFReg"), cf);
        kontrolka<GrupaRadiowa>("KierWniReg")->kliknij("oba");
        wpisz(kontrolka<QPlainTextEdit>("PrzesReg"), "[alarm]=[TRUE]");
        wpisz(kontrolka<QPlainTextEdit>("KonklReg"), "[ciśnienie]=[1]");
        wpisz(kontrolka<QPlainTextEdit>("InstrReg"), instrukcja);
    }

private slots:
    void init()
    {
        otworzOkno("gui_reg_kotly.json", Akcja::OtwTabReg, BezKomunikatow);
    }
    void cleanup() { zamknijStanowisko(); }

    void widokRegul()
    {
        QCOMPARE(reguly()->liczbaRekordow(), 3);
        okno()->nawigatorSyst()->kliknij(PrzyciskNaw::Nastepny);
        QCOMPARE(reguly()->liczbaRekordow(), 1);
        QCOMPARE(kontrolka("IdReg")->text(), QStringLiteral("10"));
        okno()->ustawWidokWszystkich(true);
        QCOMPARE(reguly()->liczbaRekordow(), 4);
    }

    // Another program (an inference run of tremida-cli) marks the rule shown fired after the
    // window read it; the user then renames the rule and posts: the run's columns stay.
    void zapisTylkoZmienionychPol()
    {
        QCOMPARE(kontrolka("IdReg")->text(), QStringLiteral("1"));
        InnyProgram(m_s->folder.plik(QStringLiteral("reguly.db")))
            .sql(QStringLiteral("UPDATE reguly SET CzyOdpal='tak', CFKonklReg=0.63, CzyBieUdzWeWnios='nie' "
                                "WHERE IdReg=1"));
        kontrolka("NazReg")->end(false);
        wpisz(kontrolka("NazReg"), " pary");
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Zatwierdz));
        QCOMPARE(zapisana(1, "NazReg").toString(), QStringLiteral("przegrzanie pary"));
        QCOMPARE(zapisana(1, "CzyOdpal").toString(), QStringLiteral("tak"));
        QCOMPARE(zapisana(1, "CFKonklReg").toDouble(), 0.63);
        QCOMPARE(zapisana(1, "CzyBieUdzWeWnios").toString(), QStringLiteral("nie"));
        // The window shows the record as it is now.
        QCOMPARE(reguly()->wartosc("CzyOdpal").toString(), QStringLiteral("tak"));
    }

    void wstawienie()
    {
        okno()->nawigatorSyst()->kliknij(PrzyciskNaw::Nastepny);
        QVERIFY(!widoczny("kopia"));
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Wstaw));
        QCOMPARE(kontrolka("KodSyst")->text(), QStringLiteral("2"));
        QVERIFY(!reguly()->wartosc("DataRek").toString().isEmpty());
        QCOMPARE(kontrolka("liczbaObrazow")->text(), QStringLiteral("0"));
        QVERIFY(widoczny("kopia"));
        QVERIFY(widoczny("wywolajEdytor"));
        okno()->nawigator()->kliknij(PrzyciskNaw::Anuluj);
        QVERIFY(!widoczny("kopia"));
    }

    void kontrolePoZatwierdzeniu_data()
    {
        QTest::addColumn<NowaRegula>("p");
        QTest::newRow("level 0") << NowaRegula{.poziom = "0", .cf = "0,5", .instrukcja = "rób",
            .komunikat = "Wartość poziomu reguły błędna. Popraw."};
        QTest::newRow("level 11 over max 10") << NowaRegula{.poziom = "11", .cf = "0,5", .instrukcja = "rób",
            .komunikat = "Poziom reguły przekracza wartość maksymalną zdefiniowaną w pliku konfiguracyjnym.\n\rWejdź "
                         "w tryb edycji rekordu i zmniejsz wartość poziomu. Możesz też alternatywnie\n\rpowiększyć "
                         "wartość maksymalną w pliku konfiguracyjnym."};
        QTest::newRow("level 10 at max") << NowaRegula{.poziom = "10", .cf = "0,5", .instrukcja = "rób", .komunikat = ""};
        QTest::newRow("CF 1,5") << NowaRegula{.poziom = "1", .cf = "1,5", .instrukcja = "rób",
            .komunikat = "CF reguły zpoza przedziału [0,1]. Wejdź w tryb edycji rekordu i popraw wartość."};
        QTest::newRow("CF -0,1") << NowaRegula{.poziom = "1", .cf = "-0,1", .instrukcja = "rób",
            .komunikat = "CF reguły zpoza przedziału [0,1]. Wejdź w tryb edycji rekordu i popraw wartość."};
        QTest::newRow("no instruction") << NowaRegula{.poziom = "1", .cf = "1", .instrukcja = "",
            .komunikat = "Nie wprowadziłeś instrukcji i/lub zaleceń dla użytkownika, wynikających z konkluzji "
                         "reguły.\n\rIstnienie tych instrukcji i/lub zaleceń nie warunkuje co prawda procesu "
                         "wnioskowania,\n\rjednak jest konieczne z merytorycznego punktu widzenia. Wejdź w tryb "
                         "edycji rekordu\n\ri dopisz te instrukcje i/lub zalecenia, aktualnie, lub najpóźniej przed "
                         "startem procesu\n\rwnioskowania."};
        QTest::newRow("level wins over CF") << NowaRegula{.poziom = "0", .cf = "2", .instrukcja = "",
            .komunikat = "Wartość poziomu reguły błędna. Popraw."};
    }
    void kontrolePoZatwierdzeniu()
    {
        QFETCH(NowaRegula, p);
        wpiszNowa(p.poziom, p.cf, p.instrukcja);
        QVERIFY2(okno()->nawigator()->kliknij(PrzyciskNaw::Zatwierdz), qPrintable(m_komunikaty.join('|')));
        QCOMPARE(m_komunikaty, p.komunikat.isEmpty() ? QStringList{} : QStringList{p.komunikat});
        // The record stays stored whatever the check says.
        QCOMPARE(zapisana(20, "PozReg").toString(), p.poziom);
        QVERIFY(!widoczny("kopia"));
    }

    void kopiowanie_data()
    {
        QTest::addColumn<KopiaReguly>("p");
        const QString zaPrzes = "Tekst pola przesłankowego reguły skopiowano.\n\rAby zapisać ten tekst do rekordu "
                                "nowej/edytowanej reguły musisz pozostałe dane uzupełnić, a następnie rekord zatwierdzić.";
        const QString stara = "[alarm]=[TRUE]";
        QTest::newRow("code 12a") << KopiaReguly{.kod = "12a", .co = TFormTabReg::Kopia::Calosc,
            .komunikat = "Kod reguły do skopiowania nieokreślony lub błędnej postaci.\n\rOpcja nie zostanie "
                         "zrealizowana.",
            .przes = stara, .nazwa = "nowa"};
        QTest::newRow("empty code") << KopiaReguly{.kod = "", .co = TFormTabReg::Kopia::PolePrzes,
            .komunikat = "Kod reguły do skopiowania nieokreślony lub błędnej postaci.\n\rOpcja nie zostanie "
                         "zrealizowana.",
            .przes = stara, .nazwa = "nowa"};
        QTest::newRow("no such rule") << KopiaReguly{.kod = "99", .co = TFormTabReg::Kopia::Calosc,
            .komunikat = "Rekordu reguły do skopiowania nie znaleziono w tabeli reguł.\n\rOpcja nie zostanie "
                         "zrealizowana.",
            .przes = stara, .nazwa = "nowa"};
        QTest::newRow("premise only") << KopiaReguly{.kod = "3", .co = TFormTabReg::Kopia::PolePrzes,
            .komunikat = zaPrzes, .przes = "[kolor płomienia]=[niebieski]", .nazwa = "nowa"};
        QTest::newRow("conclusion only") << KopiaReguly{.kod = "3", .co = TFormTabReg::Kopia::Konkluzja,
            .komunikat = "Tekst konkluzji reguły skopiowano.\n\rAby zapisać ten tekst do rekordu nowej/edytowanej "
                         "reguły musisz pozostałe dane uzupełnić, a następnie rekord zatwierdzić.",
            .przes = stara, .nazwa = "nowa"};
    }
    void kopiowanie()
    {
        QFETCH(KopiaReguly, p);
        wpiszNowa("1", "1", "x");
        wpisz(kontrolka("kopiowanyKod"), p.kod);
        okno()->kopiuj(p.co);
        QCOMPARE(m_komunikaty, QStringList{p.komunikat});
        QCOMPARE(kontrolka<QPlainTextEdit>("PrzesReg")->toPlainText(), p.przes);
        QCOMPARE(kontrolka("NazReg")->text(), p.nazwa);
        QCOMPARE(reguly()->stan(), StanZbioru::Wstawianie);
    }

    void kopiowanieCalosciZInnejBazy()
    {
        // Rule 3 of knowledge base 1 takes over everything of rule 10 of knowledge base 2
        // but its own code and knowledge base.
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Ostatni));
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Edytuj));
        wpisz(kontrolka("kopiowanyKod"), "10");
        kliknij("kopiujCalosc");
        QCOMPARE(m_komunikaty, QStringList{"Wszystkie dane reguły, oprócz kodu reguły i kodu systemu skopiowano.\n\rAby "
                                           "zapisać te dane do rekordu nowej/edytowanej reguły musisz dane uzupełnić, a "
                                           "następnie rekord zatwierdzić."});
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Zatwierdz));
        QCOMPARE(zapisana(3, "KodSyst").toInt(), 1);
        QCOMPARE(zapisana(3, "NazReg").toString(), QStringLiteral("pompa obca"));
        QCOMPARE(zapisana(3, "PozReg").toInt(), 3);
        QCOMPARE(zapisana(3, "KierWniReg").toString(), QStringLiteral("wstecz"));
        QCOMPARE(zapisana(3, "CFReg").toDouble(), 0.75);
        QCOMPARE(zapisana(3, "PrzesReg").toString(), QStringLiteral("[wydajność]<[wydajność nominalna]"));
        QCOMPARE(zapisana(3, "InstrReg").toString(), QStringLiteral("Włącz pompę"));
        QCOMPARE(zapisana(3, "CzyOdpal").toString(), QStringLiteral("tak"));
        QCOMPARE(zapisana(3, "CFKonklReg").toDouble(), 0.5);
        QCOMPARE(zapisana(3, "CzyBieUdzWeWnios").toString(), QStringLiteral("nie"));
        QCOMPARE(zapisana(3, "DataRek").toString(), QStringLiteral("98123456789012345"));
        QCOMPARE(zapisana(10, "KodSyst").toInt(), 2);
    }

    void wyszukiwanie_data()
    {
        QTest::addColumn<QString>("kod");
        QTest::addColumn<QString>("komunikat");
        QTest::addColumn<QString>("biezacy");
        QTest::newRow("empty") << "" << "Nie podałeś kodu reguły do wyszukania." << "1";
        QTest::newRow("not a number") << "2x" << "Zła postać kodu reguły. Popraw." << "1";
        QTest::newRow("other knowledge base") << "10"
                                              << "Rekordu o wskazanym kodzie reguły w tabeli nie znaleziono." << "1";
        QTest::newRow("found") << "3" << "" << "3";
    }
    void wyszukiwanie()
    {
        QFETCH(QString, biezacy);
        QVERIFY(wyszukajWgWiersza());
        QCOMPARE(kontrolka("IdReg")->text(), biezacy);
    }

    void wolnyKod()
    {
        kliknij("znajdzWolnyKod");
        QCOMPARE(kontrolka("wolnyKod")->text(), QStringLiteral("4"));
    }

    void skladnia_data()
    {
        QTest::addColumn<QString>("kodReguly"); // typed over the code, not posted
        QTest::addColumn<int>("wiersz");
        QTest::addColumn<QStringList>("komunikaty");
        QTest::newRow("sound rule") << "" << 0 << QStringList{"Składnia reguły poprawna."};
        QTest::newRow("unposted code 1a") << "1a" << 0 << QStringList{"Forma kodu reguły niepoprawna." + Ogon};
        QTest::newRow("warning then end")
            << "" << 1
            << QStringList{"Brak opisowej charakterystyki reguły i objaśnień reguły (w tym żródła/autora reguły).\n\rDane "
                           "te nie warunkują procesu wnioskowania, jednak są zalecane, a niekiedy konieczne, np. ze "
                           "względu na prawa autorskie.\n\rKontrola składni reguły będzie kontynuowana.",
                           "Składnia reguły poprawna z zastrzeżeniem."};
    }
    void skladnia()
    {
        QFETCH(QString, kodReguly);
        QFETCH(int, wiersz);
        QFETCH(QStringList, komunikaty);
        QVERIFY(reguly()->przejdzDo(wiersz));
        if (!kodReguly.isEmpty()) {
            kontrolka("IdReg")->clear();
            wpisz(kontrolka("IdReg"), kodReguly);
        }
        kliknij("weryfikujSkladnie");
        QCOMPARE(m_komunikaty, komunikaty);
    }

    void przyciskiObrazow()
    {
        QImage obraz(4, 3, QImage::Format_RGB32);
        obraz.fill(Qt::red);
        for (const char *n : {"a.bmp", "b.bmp", "c.bmp"})
            QVERIFY(obraz.save(m_s->folder.plik(n)));
        // Rule 1: three pictures.
        QCOMPARE(kontrolka("liczbaObrazow")->text(), QStringLiteral("3"));
        QCOMPARE(przycisk("obrazNastepny")->text(), QStringLiteral("Pokaż pierwszy obraz/zdjęcie"));
        QVERIFY(!widoczny("obrazPoprzedni"));
        QVERIFY(!widoczny("filmNastepny"));
        kliknij("obrazNastepny");
        QCOMPARE(przycisk("obrazNastepny")->text(), QStringLiteral("Pokaż następny obraz/zdjęcie"));
        QVERIFY(!widoczny("obrazPoprzedni"));
        kliknij("obrazNastepny");
        kliknij("obrazNastepny");
        QVERIFY(!widoczny("obrazNastepny"));
        QVERIFY(widoczny("obrazPoprzedni"));
        QVERIFY(m_komunikaty.isEmpty());

        // Rule 3: one picture, shown again and again; one film whose file is missing.
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Ostatni));
        QCOMPARE(kontrolka("liczbaObrazow")->text(), QStringLiteral("1"));
        QCOMPARE(kontrolka("liczbaFilmow")->text(), QStringLiteral("1"));
        QCOMPARE(przycisk("obrazNastepny")->text(), QStringLiteral("Pokaż obraz/zdjęcie"));
        kliknij("obrazNastepny");
        QCOMPARE(przycisk("obrazNastepny")->text(), QStringLiteral("Pokaż obraz/zdjęcie"));
        QVERIFY(widoczny("obrazNastepny"));
        QCOMPARE(przycisk("filmNastepny")->text(), QStringLiteral("Pokaż film"));
        kliknij("filmNastepny");
        QCOMPARE(m_komunikaty, QStringList{"Stwierdzono brak na dysku pliku filmu brak.avi do odtworzenia.\n\rOpcja nie "
                                           "zostanie zrealizowana."});

        // Rule 2: nothing to show.
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Poprzedni));
        QCOMPARE(kontrolka("liczbaObrazow")->text(), QStringLiteral("0"));
        QVERIFY(!widoczny("obrazNastepny"));
    }
};

QTEST_MAIN(TstGuiReg)
#include "tst_gui_reg.moc"
