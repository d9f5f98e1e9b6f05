// The manual's windows: the menu "Pomoc" - "Instrukcja programu", the page window and its
// buttons, page 0 with its gallery, the find field, and the page each "Pomoc" button opens.

#include "StanowiskoGui.h"
#include "app/TFormKonfig.h"
#include "inference/DostepWnios.h"
#include "inference/TFormCzytFaktWnios.h"
#include "inference/TWnioskowanie.h"
#include "manual/TFormInstrukcja.h"
#include "manual/TInstrukcja.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QPointer>
#include <QTimer>
#include <QWindow>

using namespace tremida;
using namespace tremida::gui;
using namespace tremida::test;

namespace {

// The visible manual pages, by number.
QStringList widoczneStrony()
{
    QStringList w;
    for (QWidget *okno : QApplication::topLevelWidgets())
        if (auto *s = qobject_cast<TFormInstrukcja *>(okno); s && s->isVisible())
            w << s->numer();
    w.sort();
    return w;
}

QPushButton *przyciskONapisie(QWidget *okno, const QString &napis)
{
    for (QPushButton *b : okno->findChildren<QPushButton *>())
        if (b->text() == napis)
            return b;
    return nullptr;
}

// A click as the window system delivers it: refused while a modal dialog blocks the window.
void kliknijJakUzytkownik(QPushButton *p)
{
    QWidget *okno = p->window();
    QTest::mouseClick(okno->windowHandle(), Qt::LeftButton, {}, p->mapTo(okno, p->rect().center()));
}

} // namespace

class TstGuiInstrukcja : public QObject {
    Q_OBJECT

private slots:
    void menuInstrukcji()
    {
        FolderRoboczy f;
        GlowneTestowe glowne(f.sciezka(), [](const QString &) {});
        const QList<QAction *> pozycje = glowne.menuInstrukcja()->actions();
        QCOMPARE(pozycje.size(), 14);
        QCOMPARE(pozycje[0]->text(), QStringLiteral("0. Sposób posługiwania się instrukcją programu. Spis treści instrukcji."));
        QVERIFY(!pozycje[0]->menu());
        QCOMPARE(pozycje[5]->text(), QStringLiteral("5. Tabela faktów. "));
        QMenu *rozdz3 = pozycje[3]->menu();
        QVERIFY(rozdz3);
        QStringList podrozdzialy;
        for (QAction *a : rozdz3->actions())
            podrozdzialy << a->text();
        QCOMPARE(podrozdzialy, QStringList({"3.1. Środowisko i język programowania.", "3.2. System bazy danych.",
                                            "3.3. Schemat strukturalny bazy danych.", "3.4. Weryfikacja bazy danych.",
                                            "3.6. Autorstwo programu."}));
        QCOMPARE(pozycje[13]->text(), QStringLiteral("13. Konfiguracja programu."));
        QCOMPARE(pozycje[13]->menu()->actions().size(), 5);

        // A menu item opens its page.
        QAction *a11_5 = pozycje[11]->menu()->actions().at(4);
        QCOMPARE(a11_5->text(), QStringLiteral("11.5. Proces wnioskowania w przód."));
        a11_5->trigger();
        QCOMPARE(widoczneStrony(), QStringList{"11.5"});
        pozycje[0]->trigger();
        QCOMPARE(widoczneStrony(), QStringList({"0", "11.5"}));
    }

    void oknoStrony()
    {
        FolderRoboczy f;
        GlowneTestowe glowne(f.sciezka(), [](const QString &) {});
        TFormInstrukcja *s = glowne.instrukcja().pokaz("6.7");
        QVERIFY(s && s->isVisible());
        QCOMPARE(s->windowTitle(), QStringLiteral("INSTRUKCJA PROGRAMU"));
        QCOMPARE(s->tytulRozdzialu(), QStringLiteral("6. Tabela wartości faktów wyliczeniowych."));
        QCOMPARE(s->tytulPodrozdzialu(), QStringLiteral("6.7. Odwołanie się do tabeli z poziomu obcego programu."));
        QVERIFY(s->poleTekstu()->isReadOnly());
        QCOMPARE(s->poleTekstu()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(!s->tekst().isEmpty());
        QVERIFY(!s->findChild<QScrollArea *>(QStringLiteral("galeria")));

        // OK hides the page; opening it again shows the same window.
        s->przyciskOK()->click();
        QVERIFY(!s->isVisible());
        QCOMPARE(glowne.instrukcja().pokaz("6.7."), s);
        QVERIFY(s->isVisible());

        // A number that names no page opens nothing.
        QVERIFY(!glowne.instrukcja().pokaz("3.5"));
        QCOMPARE(widoczneStrony(), QStringList{"6.7"});
    }

    void przyciskiNawigacji_data()
    {
        QTest::addColumn<QString>("strona");
        QTest::addColumn<QString>("napis");
        QTest::addColumn<QString>("cel");
        QTest::newRow("page 0 to chapter 1") << "0" << "Do rozdz.1." << "1.1";
        QTest::newRow("next section") << "1.1" << "Do podrozdz.1.2." << "1.2";
        QTest::newRow("previous section") << "2.2" << "Do podrozdz.2.1." << "2.1";
        QTest::newRow("3.4 to 3.6") << "3.4" << "Do podrozdz.3.6." << "3.6";
        QTest::newRow("3.6 to 3.4") << "3.6" << "Do podrozdz.3.4." << "3.4";
        QTest::newRow("caption without point") << "4.2" << "Do podrozdz.4.3" << "4.3";
        QTest::newRow("next chapter") << "9.4" << "Do rozdz.10." << "10.1";
        QTest::newRow("previous chapter") << "11.7" << "Do rozdz.10." << "10.1";
        QTest::newRow("back to page 0") << "1.6" << "Do rozdz.0." << "0";
        QTest::newRow("13 back to 12") << "13.3" << "Do rozdz.12." << "12.1";
    }
    void przyciskiNawigacji()
    {
        QFETCH(QString, strona);
        QFETCH(QString, napis);
        QFETCH(QString, cel);
        FolderRoboczy f;
        GlowneTestowe glowne(f.sciezka(), [](const QString &) {});
        glowne.instrukcja().pokaz("5.1"); // another open page stays open
        TFormInstrukcja *s = glowne.instrukcja().pokaz(strona);
        QPushButton *b = przyciskONapisie(s, napis);
        QVERIFY(b);
        b->click();
        QVERIFY(!s->isVisible());
        QStringList oczekiwane{"5.1", cel};
        oczekiwane.sort();
        QCOMPARE(widoczneStrony(), oczekiwane);
        auto *docelowa = glowne.instrukcja().okno(cel);
        QCOMPARE(docelowa->tytulPodrozdzialu().isEmpty(), cel == "0");
    }

    void brakujacePrzyciski()
    {
        FolderRoboczy f;
        GlowneTestowe glowne(f.sciezka(), [](const QString &) {});
        auto napisy = [&](const QString &n) {
            QStringList w;
            for (QPushButton *b : glowne.instrukcja().okno(n)->przyciskiNawigacji())
                w << b->text();
            w.sort();
            return w;
        };
        QCOMPARE(napisy("0"), QStringList{"Do rozdz.1."});
        QCOMPARE(napisy("13.5"), QStringList({"Do podrozdz.13.4.", "Do rozdz.12."}));
        QCOMPARE(napisy("12.1"), QStringList({"Do podrozdz.12.2.", "Do rozdz.11.", "Do rozdz.13."}));
    }

    void stronaZero()
    {
        FolderRoboczy f;
        GlowneTestowe glowne(f.sciezka(), [](const QString &) {});
        TFormInstrukcja *s = glowne.instrukcja().pokaz("0");
        QCOMPARE(s->tytulRozdzialu(),
                 QStringLiteral("0. Sposób posługiwania się instrukcją programu. Spis treści instrukcji."));
        auto *galeria = s->findChild<QScrollArea *>(QStringLiteral("galeria"));
        QVERIFY(galeria);
        auto *naglowek = galeria->findChild<QLabel *>(QStringLiteral("naglowekGalerii"));
        QVERIFY(naglowek);
        QCOMPARE(naglowek->text(), QStringLiteral("Zestawienie postaci graficznych i nazw komponentów "
                                                  "wykorzystywanych w programie TREMIDA:"));
        QStringList nazwy;
        for (QLabel *l : galeria->findChildren<QLabel *>(QStringLiteral("nazwaKomponentu")))
            nazwy << l->text();
        QCOMPARE(nazwy, QStringList({"Edit", "Memo", "Button", "Label", "BitBtn", "CheckBox", "ListBox", "ComboBox",
                                     "RadioGroup", "Image", "ProgressBar", "DBGrid", "DBNavigator", "DriveComboBox",
                                     "DirectoryListBox", "FilterComboBox", "FileListBox", "Bevel"}));
    }

    void szukanie()
    {
        FolderRoboczy f;
        GlowneTestowe glowne(f.sciezka(), [](const QString &) {});
        TFormInstrukcja *s = glowne.instrukcja().pokaz("0");
        s->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s));
        QTest::keyClick(s, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(s->poleSzukania()->hasFocus());
        QTest::keyClicks(s->poleSzukania(), "konfiguracja programu");
        QTest::keyClick(s->poleSzukania(), Qt::Key_Return);
        const QString zaznaczone = s->poleTekstu()->textCursor().selectedText();
        QCOMPARE(zaznaczone.toLower(), QStringLiteral("konfiguracja programu"));
        // The next search goes further and wraps round at the end.
        const int pierwsza = s->poleTekstu()->textCursor().position();
        QVERIFY(s->znajdzDalej());
        QVERIFY(s->poleTekstu()->textCursor().position() != pierwsza || s->tekst().count("onfiguracja programu") == 1);

        s->poleSzukania()->setText("qqqxyz");
        QVERIFY(!s->znajdzDalej());
        QCOMPARE(s->findChild<QLabel *>(QStringLiteral("wynikSzukania"))->text(), QStringLiteral("Nie znaleziono."));
    }

    // Pages already made take the colours applied later in the configuration dialog.
    void koloryStron()
    {
        FolderRoboczy f;
        GlowneTestowe glowne(f.sciezka(), [](const QString &) {});
        TFormInstrukcja *s = glowne.instrukcja().pokaz("12.1");
        glowne.kontekst().konfig.KolCzcBier = 32768; // "zielony"
        glowne.kontekst().konfig.KolCzcPomoc = 0;    // "czarny"
        glowne.kontekst().zastosujKoloryWszedzie();
        QCOMPARE(s->poleTekstu()->palette().color(QPalette::Text), QColor(0, 128, 0));
        QCOMPARE(s->przyciskOK()->palette().color(QPalette::ButtonText), QColor(0, 0, 0));
        // A page made afterwards starts with the same colours.
        TFormInstrukcja *nowa = glowne.instrukcja().okno("13.2");
        QCOMPARE(nowa->poleTekstu()->palette().color(QPalette::Text), QColor(0, 128, 0));
    }

    // "Pomoc" of a modal dialog opens a page that takes the user's clicks and keys while the
    // dialog stays open; the page stays open when the dialog closes.
    void pomocNadOknemModalnym_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("numer");
        QTest::addColumn<QString>("nastepna");
        QTest::addColumn<QByteArray>("szukane"); // a word of the next page
        QTest::newRow("configuration dialog") << "konfiguracja" << "13.1" << "Do podrozdz.13.2." << QByteArray("kolor");
        QTest::newRow("input-fact dialog") << "wartosc" << "11.5" << "Do podrozdz.11.6." << QByteArray("proces");
    }
    void pomocNadOknemModalnym()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, numer);
        QFETCH(QString, nastepna);
        QFETCH(QByteArray, szukane);
        FolderRoboczy f;
        GlowneTestowe glowne(f.sciezka(), [](const QString &) {});
        glowne.show();
        zalozWszystkieTabele(glowne.kontekst().baza);
        importuj(glowne.kontekst().baza, QStringLiteral(R"({
          "systemyeksperckie": [{"IdSyst": 1, "NazSyst": "A"}],
          "fakty": [{"IdFakt": 1, "KodSyst": 1, "NazFakt": "t", "RodzFakt": "wprowadzany",
                     "TypFakt": "rzeczywisty", "WartFakt": "???", "CFWartFakt": 0}]})"));

        bool sprawdzone = false;
        QPointer<QWidget> modalny;
        const auto sprawdz = [&] {
            modalny = QApplication::activeModalWidget();
            QVERIFY(modalny);
            QPushButton *pomoc = przyciskONapisie(modalny, QStringLiteral("Pomoc"));
            QVERIFY(pomoc);
            pomoc->click();
            TFormInstrukcja *strona = glowne.instrukcja().okno(numer);
            QVERIFY(strona->isVisible());
            QVERIFY(!QApplication::activeModalWidget()->isHidden());

            // The navigation button acts on a click as the user makes it.
            kliknijJakUzytkownik(przyciskONapisie(strona, nastepna));
            QVERIFY(!strona->isVisible());
            const QStringList widoczne = widoczneStrony();
            QCOMPARE(widoczne.size(), 1);
            TFormInstrukcja *druga = glowne.instrukcja().okno(widoczne.first());
            QVERIFY(druga != strona);

            // Typing into its find field, and Enter finds the text.
            druga->poleSzukania()->setFocus();
            for (char c : szukane)
                QTest::keyClick(druga->windowHandle(), c);
            QTest::keyClick(druga->windowHandle(), Qt::Key_Return);
            QCOMPARE(druga->poleSzukania()->text(), QString::fromLatin1(szukane));
            QCOMPARE(druga->poleTekstu()->textCursor().selectedText().toLower(), QString::fromLatin1(szukane));

            // OK closes the page; the dialog is still open.
            kliknijJakUzytkownik(druga->przyciskOK());
            QVERIFY(!druga->isVisible());
            QCOMPARE(QApplication::activeModalWidget(), modalny);

            // Opened again, the page stays open after the dialog has closed.
            pomoc->click();
            QVERIFY(strona->isVisible());
            sprawdzone = true;
        };
        // The dialog closes whatever the checks found, so that its loop ends.
        QTimer::singleShot(0, this, [&] {
            sprawdz();
            if (modalny)
                modalny->close();
        });
        if (dialog == u"konfiguracja") {
            glowne.akcja(Akcja::Konfiguracja)->trigger();
        } else {
            TKontekstCzytFakt k;
            k.tryb = TrybWnios::WPrzod;
            k.kodSyst = 1;
            k.nazSyst = QStringLiteral("A");
            k.fakt = *dostep::fakt(glowne.kontekst().baza, 1);
            glowne.wnioskowanie().formCzytFaktWnios()->otworz(k);
        }
        QVERIFY(sprawdzone);
        TFormInstrukcja *strona = glowne.instrukcja().okno(numer);
        QVERIFY(strona->isVisible());
        QCOMPARE(strona->parentWidget(), &glowne);
        kliknijJakUzytkownik(strona->przyciskOK());
        QVERIFY(!strona->isVisible());
    }

    // The page every window's "Pomoc" button opens through the shared hook.
    void pomocOkien_data()
    {
        QTest::addColumn<QString>("numer");
        QTest::addColumn<QString>("podrozdzial");
        QTest::newRow("systems table") << "4.1" << "4.1. Struktura tabeli.";
        QTest::newRow("facts table") << "5.1" << "5.1. Struktura tabeli.";
        QTest::newRow("enumerated values") << "6.1" << "6.1. Struktura tabeli.";
        QTest::newRow("trajectory") << "9.1" << "9.1. Struktura tabeli.";
        QTest::newRow("multimedia and viewers") << "10.1" << "10.1. Struktura tabeli.";
        QTest::newRow("configuration dialog")
            << "13.1" << "13.1. Parametry konfiguracyjne bazy wiedzy i procesu wnioskowania.";
        QTest::newRow("facts printout") << "5.6" << "5.6. Druk tabeli.";
        QTest::newRow("rules printout") << "7.8" << "7.8. Druk tabeli.";
        QTest::newRow("rule editor") << "7.6" << "7.6. Obsługa edytora reguł.";
        QTest::newRow("inference launcher") << "11.1" << "11.1. Rodzaje wnioskowania w systemie TREMIDA.";
        QTest::newRow("forward chaining") << "11.5" << "11.5. Proces wnioskowania w przód.";
        QTest::newRow("falsification") << "11.7" << "11.7. Proces falsyfikacji hipotezy głównej.";
        QTest::newRow("conclusions") << "11.9" << "11.9. Interpretacja konkluzji w procesie wnioskowania.";
    }
    void pomocOkien()
    {
        QFETCH(QString, numer);
        QFETCH(QString, podrozdzial);
        FolderRoboczy f;
        GlowneTestowe glowne(f.sciezka(), [](const QString &) {});
        QVERIFY(glowne.kontekst().pokazStroneInstrukcji);
        glowne.kontekst().pokazStroneInstrukcji(numer);
        QCOMPARE(widoczneStrony(), QStringList{numer});
        QCOMPARE(glowne.instrukcja().okno(numer)->tytulPodrozdzialu(), podrozdzial);
    }
};

QTEST_MAIN(TstGuiInstrukcja)
#include "tst_gui_instrukcja.moc"
