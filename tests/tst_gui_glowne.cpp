// The main window: caption, the menu tree, the inference items, the table creation flow
// and the messages of the commands.

#include "StanowiskoGui.h"
#include "app/TFormOstrzTab.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace tremida;
using namespace tremida::gui;
using namespace tremida::test;

Q_DECLARE_METATYPE(tremida::gui::Akcja)

namespace {

QStringList tytuly(const QList<QAction *> &akcje)
{
    QStringList t;
    for (QAction *a : akcje)
        t << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return t;
}

// Answers the next modal overwrite warning with one of its buttons, remembering its text.
void odpowiedzNaOstrzezenie(bool kontynuuj, QString *tekst)
{
    odpowiedzOknuModalnemu<TFormOstrzTab>(QStringLiteral("OSTRZEŻENIE"), [=](TFormOstrzTab *okno) {
        *tekst = okno->tekst();
        (kontynuuj ? okno->przyciskKontynuuj() : okno->przyciskAnuluj())->click();
    });
}

} // namespace

class TstGuiGlowne : public QObject {
    Q_OBJECT
    QStringList m_komunikaty;

private slots:
    void init()
    {
        m_komunikaty.clear();
    }

    void oknoIMenu()
    {
        FolderRoboczy f;
        GlowneTestowe okno(f.sciezka(), m_komunikaty);
        QCOMPARE(okno.windowTitle(), QStringLiteral("SZKIELETOWY SYSTEM EKSPERCKI \"TREMIDA\""));
        QCOMPARE(m_komunikaty,
                 QStringList{"Pliku o nazwie \"plik konfiguracyjny systemu TREMIDA.txt\"\n\rnie znaleziono w napędzie i "
                             "folderze bieżącym.\n\rPrzyjęte zostały standardowe parametry konfiguracyjne."});
        auto *napis = okno.findChild<QLabel *>(QStringLiteral("napisTytulowy"));
        QVERIFY(napis);
        QCOMPARE(napis->text(), QStringLiteral("TREMIDA"));
        QCOMPARE(napis->font().pixelSize(), 187);
        QVERIFY(napis->font().bold());

        QCOMPARE(tytuly(okno.menuBar()->actions()),
                 QStringList({"Baza danych", "Wnioskowanie", "Konfiguracja", "Pomoc"}));
        QMenu *baza = okno.menuBazaDanych();
        QCOMPARE(tytuly(baza->actions()),
                 QStringList({"Tabela systemów eksperckich (baz wiedzy)", "Tabela faktów",
                              "Tabela wartości faktów wyliczeniowych", "Tabela stałych", "Tabela reguł",
                              "Tabela trajektorii wnioskowania", "-", "Tabela plików multimedialnych", "-",
                              "Kontrola spójności bazy", "-", "Koniec przebiegu"}));
        for (QAction *a : baza->actions())
            if (a->menu())
                QCOMPARE(tytuly(a->menu()->actions()),
                         QStringList({"Założenie tabeli", "Otwarcie tabeli", "Druk tabeli"}));
        QMenu *wnioskowanie = okno.menuBar()->actions().at(1)->menu();
        QCOMPARE(tytuly(wnioskowanie->actions()),
                 QStringList({"Wybór systemu eksperckiego (bazy wiedzy)", "-",
                              "Wczytanie z pliku wartości faktów wprowadzanych", "Weryfikacja bazy wiedzy", "-",
                              "Realizacja procesu wnioskowania", "Zapis do pliku wartości faktów wprowadzanych"}));
        QMenu *pomoc = okno.menuBar()->actions().at(3)->menu();
        QCOMPARE(tytuly(pomoc->actions()), QStringList({"Instrukcja programu", "-", "O programie"}));

        for (Akcja a : {Akcja::CzytFaktPlik, Akcja::WeryfBazy, Akcja::RealizWnios})
            QVERIFY(!okno.akcja(a)->isEnabled());
        QVERIFY(!okno.akcja(Akcja::ZapisFaktPlik)->isVisible());
        QVERIFY(okno.akcja(Akcja::WyborSyst)->isEnabled());

        // Opening the database menu disables the inference items again.
        okno.ustawPozycjeWnioskowania(true);
        QVERIFY(okno.akcja(Akcja::RealizWnios)->isEnabled());
        emit baza->aboutToShow();
        for (Akcja a : {Akcja::CzytFaktPlik, Akcja::WeryfBazy, Akcja::RealizWnios})
            QVERIFY(!okno.akcja(a)->isEnabled());
    }

    void komunikatyPolecen_data()
    {
        QTest::addColumn<Akcja>("akcja");
        QTest::addColumn<QString>("komunikat");
        const QString syst = "Stwierdzono brak na dysku pliku systemyeksperckie.db tabeli systemów eksperckich (baz "
                             "wiedzy).\n\rOpcja nie zostanie zrealizowana.";
        const QString nieOprog = "W wersji 4.0 programu opcja jeszcze nie oprogramowana.";
        QTest::newRow("open systems") << Akcja::OtwTabSyst << syst;
        QTest::newRow("print systems") << Akcja::DrukTabSyst << syst;
        QTest::newRow("open rules") << Akcja::OtwTabReg
                                    << syst + " Tabela jest niezbędna do wyboru systemu eksperckiego.";
        QTest::newRow("consistency check") << Akcja::KontrSpojnBazy
                                           << syst + " Procesu kontroli spójności bazy nie można zrealizować.";
        QTest::newRow("choice of system") << Akcja::WyborSyst
                                          << syst + " Procesu wnioskowania nie można zrealizować.";
        QTest::newRow("open multimedia")
            << Akcja::OtwTabPlikMult
            << "Stwierdzono brak na dysku pliku plikimultimedialne.db tabeli plików multimedialnych.\n\rOpcja nie "
               "zostanie zrealizowana.";
        QTest::newRow("print values")
            << Akcja::DrukTabWartFaktWylicz
            << "Wydruku tabeli wartości faktów wyliczeniowych dokonuje się wraz z wydrukiem\n\rtabeli faktów. Wejdź w "
               "opcję: Baza danych - Tabela faktów - Druk tabeli.";
        QTest::newRow("print constants") << Akcja::DrukTabStale << nieOprog;
        QTest::newRow("print trajectory") << Akcja::DrukTabTraj << nieOprog;
        QTest::newRow("print multimedia") << Akcja::DrukTabPlikMult << nieOprog;
        QTest::newRow("save input facts") << Akcja::ZapisFaktPlik << nieOprog;
    }
    void komunikatyPolecen()
    {
        QFETCH(Akcja, akcja);
        QFETCH(QString, komunikat);
        FolderRoboczy f;
        GlowneTestowe okno(f.sciezka(), m_komunikaty);
        m_komunikaty.clear();
        okno.akcja(akcja)->trigger();
        QCOMPARE(m_komunikaty, QStringList{komunikat});
    }

    void zalozenieTabeli()
    {
        FolderRoboczy f;
        GlowneTestowe okno(f.sciezka(), m_komunikaty);
        m_komunikaty.clear();
        okno.akcja(Akcja::ZalTabReg)->trigger();
        QCOMPARE(m_komunikaty, QStringList{"Tabela reguł została założona na dysku.\n\rCelem otwarcia tabeli wejdź w "
                                           "opcję Otwarcie tabeli"});
        QVERIFY(QFile::exists(f.plik("reguly.db")));

        // Cancelling the warning leaves the file untouched.
        Baza &baza = okno.kontekst().baza;
        QSqlQuery q = baza.zapytanie();
        QVERIFY(q.exec("INSERT INTO reguly (IdReg,KodSyst,NazReg,PozReg,KierWniReg,CFReg,PrzesReg,KonklReg) VALUES "
                       "(1,1,'R1',1,'oba',1,'[a]=[b]','[c]=[d]')"));
        q.finish();
        m_komunikaty.clear();
        QString tekst;
        odpowiedzNaOstrzezenie(false, &tekst);
        okno.akcja(Akcja::ZalTabReg)->trigger();
        QCOMPARE(tekst, QStringLiteral("Na dysku i w folderze bieżącym stwierdzono istnienie pliku reguly.db\ntabeli "
                                       "reguł. Kontynuacja opcji założenia tej samej tabeli spowoduje\nnadpisanie "
                                       "pliku, a jeśli tabela zawiera rekordy, to wykasowanie tych \nrekordów. "
                                       "Potwierdź chęć kontynuacji opcji."));
        QVERIFY(m_komunikaty.isEmpty());
        QCOMPARE(baza.liczbaRekordow(Tabela::Reguly), 1);

        // Continuing overwrites the file.
        odpowiedzNaOstrzezenie(true, &tekst);
        okno.akcja(Akcja::ZalTabReg)->trigger();
        QCOMPARE(m_komunikaty, QStringList{"Tabela reguł została założona na dysku.\n\rCelem otwarcia tabeli wejdź w "
                                           "opcję Otwarcie tabeli"});
        QCOMPARE(baza.liczbaRekordow(Tabela::Reguly), 0);

        // The trajectory's confirmation differs between a new and an overwritten file.
        m_komunikaty.clear();
        okno.akcja(Akcja::ZalTabTraj)->trigger();
        odpowiedzNaOstrzezenie(true, &tekst);
        okno.akcja(Akcja::ZalTabTraj)->trigger();
        QCOMPARE(m_komunikaty,
                 QStringList({"Tabela trajektorii wnioskowania została założona na dysku.\n\rCelem otwarcia tabeli "
                              "wejdź w opcję Otwarcie tabeli.",
                              "Tabela trajektorii wnioskowania została założona na dysku.\n\rCelem otwarcia tabeli "
                              "wejdź w opcję Otwarcie tabeli"}));
    }

    void otwarcieTrajektoriiBlokujeZalozenie()
    {
        FolderRoboczy f;
        GlowneTestowe okno(f.sciezka(), m_komunikaty);
        okno.akcja(Akcja::ZalTabSyst)->trigger();
        okno.akcja(Akcja::ZalTabTraj)->trigger();
        okno.akcja(Akcja::ZalTabPlikMult)->trigger();
        m_komunikaty.clear();
        okno.akcja(Akcja::OtwTabTraj)->trigger();
        okno.akcja(Akcja::OtwTabPlikMult)->trigger();
        QVERIFY(m_komunikaty.isEmpty());
        QVERIFY(!okno.akcja(Akcja::ZalTabTraj)->isEnabled());
        QVERIFY(!okno.akcja(Akcja::ZalTabPlikMult)->isEnabled());
        QVERIFY(okno.akcja(Akcja::ZalTabFakt)->isEnabled());
    }
};

QTEST_MAIN(TstGuiGlowne)
#include "tst_gui_glowne.moc"
