// Qt's own dialogs in Polish whatever the locale (page set-up, printing, file and folder choice,
// standard buttons), the program still starting when Qt's catalogues are missing, the PDF file
// the print dialog offers in the working folder, and the choice of the working folder at a
// start from the applications menu.

#include "StanowiskoGui.h"
#include "WierszeLogiczne.h"
#include "app/TlumaczeniaQt.h"
#include "app/WyborFolderu.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <functional>
#include <memory>

using namespace tremida;
using namespace tremida::gui;
using namespace tremida::test;

namespace {

// Every text a user reads on a dialog: its caption, the texts of its buttons, labels, group
// boxes, tabs and lists.
QStringList tekstyOkna(const QWidget *okno)
{
    QStringList t{okno->windowTitle()};
    for (const auto *w : okno->findChildren<QAbstractButton *>())
        t << w->text();
    for (const auto *w : okno->findChildren<QLabel *>())
        t << w->text();
    for (const auto *w : okno->findChildren<QGroupBox *>())
        t << w->title();
    for (const auto *w : okno->findChildren<QTabWidget *>())
        for (int i = 0; i < w->count(); ++i)
            t << w->tabText(i);
    for (const auto *w : okno->findChildren<QComboBox *>())
        for (int i = 0; i < w->count(); ++i)
            t << w->itemText(i);
    t.removeAll(QString());
    return t;
}

QAbstractButton *przycisk(const QWidget *okno, const QString &tekst)
{
    for (auto *b : okno->findChildren<QAbstractButton *>())
        if (b->text() == tekst && b->isVisible())
            return b;
    return nullptr;
}

// Calls `dzialanie` with the first modal dialog of type T that becomes active (the dialogs
// of the program run in their own event loops).
template <typename T>
void gdyOknoModalne(std::function<void(T *)> dzialanie)
{
    auto *zegar = new QTimer;
    zegar->setInterval(10);
    QObject::connect(zegar, &QTimer::timeout, [zegar, dzialanie] {
        if (auto *okno = qobject_cast<T *>(QApplication::activeModalWidget())) {
            zegar->stop();
            zegar->deleteLater();
            dzialanie(okno);
        }
    });
    zegar->start();
}

// Removes every catalogue installed into the application.
void usunTlumaczenia()
{
    for (QTranslator *t : QCoreApplication::instance()->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

enum class Dialog { UstawieniaStrony, Drukowanie, WyborPliku, PrzyciskiStandardowe };

std::unique_ptr<QWidget> utworz(Dialog d, QPrinter &drukarka)
{
    switch (d) {
    case Dialog::UstawieniaStrony:
        return std::make_unique<QPageSetupDialog>(&drukarka);
    case Dialog::Drukowanie:
        return std::make_unique<QPrintDialog>(&drukarka);
    case Dialog::WyborPliku: {
        auto okno = std::make_unique<QFileDialog>(nullptr, QStringLiteral("TREMIDA"), QDir::currentPath());
        okno->setOption(QFileDialog::DontUseNativeDialog);
        return okno;
    }
    case Dialog::PrzyciskiStandardowe:
        return std::make_unique<QDialogButtonBox>(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes
                                                  | QDialogButtonBox::No | QDialogButtonBox::Close
                                                  | QDialogButtonBox::Help);
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Dialog)

class TstGuiPolski : public QObject {
    Q_OBJECT
    QStringList m_komunikaty;
    QString m_folderStartu;

private slots:
    void init()
    {
        m_komunikaty.clear();
        m_folderStartu = QDir::currentPath();
    }
    void cleanup()
    {
        usunTlumaczenia();
        QDir::setCurrent(m_folderStartu);
    }

    void dialogiQtPoPolsku_data()
    {
        QTest::addColumn<Dialog>("dialog");
        QTest::addColumn<QStringList>("polskie");
        QTest::addColumn<QStringList>("angielskie");
        QTest::newRow("ustawienia strony")
            << Dialog::UstawieniaStrony
            << QStringList{"Ustawienia strony", "Papier", "Położenie", "Portret", "Pejzaż", "Marginesy", "Anuluj"}
            << QStringList{"Page Setup", "Paper", "Orientation", "Portrait", "Landscape", "Margins", "Cancel"};
        QTest::newRow("drukowanie")
            << Dialog::Drukowanie
            << QStringList{"Drukowanie", "Drukarka", "&Plik wyjściowy:", "&Opcje >>", "Drukuj do pliku (PDF)", "Anuluj"}
            << QStringList{"Print", "&Print", "Printer", "&Output file:", "&Options >>", "Print to File (PDF)", "Cancel"};
        QTest::newRow("wybór pliku") << Dialog::WyborPliku << QStringList{"Szukaj w:", "Anuluj"}
                                     << QStringList{"Look in:", "File &name:", "Cancel", "&Open"};
        QTest::newRow("przyciski standardowe")
            << Dialog::PrzyciskiStandardowe << QStringList{"OK", "Anuluj", "&Tak", "&Nie", "Zamknij", "Pomoc"}
            << QStringList{"Cancel", "&Yes", "&No", "Close", "Help"};
    }
    // Under C.UTF-8 as under pl_PL.UTF-8 (every test runs in both).
    void dialogiQtPoPolsku()
    {
        QFETCH(Dialog, dialog);
        QFETCH(QStringList, polskie);
        QFETCH(QStringList, angielskie);
        QCOMPARE(wczytajTlumaczeniaQt(), (QStringList{"qtbase_pl", "qtmultimedia_pl"}));
        QPrinter drukarka;
        const std::unique_ptr<QWidget> okno = utworz(dialog, drukarka);
        okno->show();
        const QStringList teksty = tekstyOkna(okno.get());
        for (const QString &t : polskie)
            QVERIFY2(teksty.contains(t), qPrintable(t + QStringLiteral(" nie ma w: ") + teksty.join(u'|')));
        for (const QString &t : angielskie)
            QVERIFY2(!teksty.contains(t), qPrintable(t));
    }

    void brakujaceKatalogi_data()
    {
        QTest::addColumn<QStringList>("pliki");
        QTest::addColumn<bool>("uszkodzone");
        QTest::addColumn<QStringList>("wczytane");
        QTest::addColumn<QString>("anuluj");
        QTest::newRow("brak katalogów") << QStringList{} << false << QStringList{} << QStringLiteral("Cancel");
        QTest::newRow("katalogi uszkodzone")
            << QStringList{"qtbase_pl.qm", "qtmultimedia_pl.qm"} << true << QStringList{} << QStringLiteral("Cancel");
        QTest::newRow("tylko katalog podstawowy")
            << QStringList{"qtbase_pl.qm"} << false << QStringList{"qtbase_pl"} << QStringLiteral("Anuluj");
        // A catalogue of another name is not taken in place of the missing Polish one.
        QTest::newRow("katalog bez przyrostka języka")
            << QStringList{"qtbase.qm"} << false << QStringList{} << QStringLiteral("Cancel");
    }
    // The program starts with English dialogs when Qt's catalogues are missing or unreadable.
    void brakujaceKatalogi()
    {
        QFETCH(QStringList, pliki);
        QFETCH(bool, uszkodzone);
        QFETCH(QStringList, wczytane);
        QFETCH(QString, anuluj);
        FolderRoboczy f;
        const QString qt = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        for (const QString &p : pliki) {
            if (uszkodzone)
                f.zapisz(p, QByteArrayLiteral("to nie jest katalog tłumaczeń"));
            else
                QVERIFY(QFile::copy(qt + QStringLiteral("/qtbase_pl.qm"), f.plik(p)));
        }
        QCOMPARE(wczytajTlumaczeniaQt(f.sciezka()), wczytane);
        QDialogButtonBox przyciski(QDialogButtonBox::Cancel);
        QCOMPARE(przyciski.button(QDialogButtonBox::Cancel)->text(), anuluj);
        FolderRoboczy roboczy;
        GlowneTestowe okno(roboczy.sciezka(), m_komunikaty);
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
    }

    void drukDoPlikuWFolderzeRoboczym_data()
    {
        wierszeLogiczne("drukuj", {{"wydruk do proponowanego pliku", true}, {"okno drukowania anulowane", false}});
    }
    // The real printer dialogs of "Druk tabeli": Polish, and the PDF file they offer is in
    // the working folder.
    void drukDoPlikuWFolderzeRoboczym()
    {
        QFETCH(bool, drukuj);
        wczytajTlumaczeniaQt();
        FolderRoboczy f;
        GlowneTestowe okno(f.sciezka(), m_komunikaty);
        zalozWszystkieTabele(okno.kontekst().baza);
        importuj(okno.kontekst().baza, QStringLiteral("dwa_systemy.json"));
        m_komunikaty.clear();

        QStringList tytuly;
        QString plikPdf;
        gdyOknoModalne<QPageSetupDialog>([&](QPageSetupDialog *ustawienia) {
            tytuly << ustawienia->windowTitle();
            gdyOknoModalne<QPrintDialog>([&](QPrintDialog *druk) {
                tytuly << druk->windowTitle();
                for (const auto *pole : druk->findChildren<QLineEdit *>())
                    if (pole->text().endsWith(QStringLiteral(".pdf")))
                        plikPdf = pole->text();
                QAbstractButton *b = przycisk(druk, drukuj ? QStringLiteral("Wy&drukuj") : QStringLiteral("Anuluj"));
                if (b)
                    b->click();
                else
                    druk->reject();
            });
            if (QAbstractButton *ok = przycisk(ustawienia, QStringLiteral("OK")))
                ok->click();
            else
                ustawienia->reject();
        });
        okno.akcja(Akcja::DrukTabSyst)->trigger();

        QCOMPARE(tytuly, (QStringList{"Ustawienia strony", "Drukowanie"}));
        QVERIFY(!plikPdf.isEmpty());
        QCOMPARE(QFileInfo(plikPdf).absolutePath(), QFileInfo(f.sciezka()).absoluteFilePath());
        QCOMPARE(QFileInfo(plikPdf).isFile(), drukuj);
        QCOMPARE(m_komunikaty, QStringList{QStringLiteral("Transfer tabeli systemów eksperckich (baz wiedzy) do drukarki "
                                                          "zakończony. Czekaj na wydruk.")});
    }

    void wyborFolderuRoboczego_data()
    {
        QTest::addColumn<QString>("zapamietany"); // "", "inny", "usunięty"
        QTest::addColumn<bool>("wybierz");
        QTest::newRow("pierwszy start, wybór folderu") << QString() << true;
        QTest::newRow("start w ostatnim folderze") << QStringLiteral("inny") << true;
        QTest::newRow("ostatni folder usunięty") << QStringLiteral("usunięty") << true;
        QTest::newRow("wybór anulowany") << QStringLiteral("inny") << false;
    }
    // A start from the menu asks for the working folder in a Polish dialog opened at the last
    // one; the chosen folder becomes the current one and is remembered.
    void wyborFolderuRoboczego()
    {
        QFETCH(QString, zapamietany);
        QFETCH(bool, wybierz);
        wczytajTlumaczeniaQt();
        FolderRoboczy dom, inny, cel, ustawieniaFolder;
        QVERIFY(QDir::setCurrent(dom.sciezka()));
        QSettings ustawienia(ustawieniaFolder.plik(QStringLiteral("tremida.conf")), QSettings::IniFormat);
        // A message would reach the test through the context's dialogs.
        KontekstAplikacji kontekst(dom.sciezka(), std::make_unique<DialogiTestowe>(m_komunikaty));
        QString poprzedni;
        if (zapamietany == QStringLiteral("inny"))
            poprzedni = inny.sciezka();
        else if (zapamietany == QStringLiteral("usunięty"))
            poprzedni = dom.plik(QStringLiteral("nie ma"));
        if (!poprzedni.isEmpty())
            ustawienia.setValue(QStringLiteral("folderRoboczy"), poprzedni);
        const QString oczekiwanyPoczatek = zapamietany == QStringLiteral("inny") ? inny.sciezka() : dom.sciezka();

        QString poczatek;
        QStringList teksty;
        gdyOknoModalne<QFileDialog>([&](QFileDialog *dialog) {
            poczatek = dialog->directory().absolutePath();
            teksty = tekstyOkna(dialog);
            if (!wybierz) {
                przycisk(dialog, QStringLiteral("Anuluj"))->click();
                return;
            }
            // The folder typed into the name field, then the dialog's accept button.
            auto *nazwa = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QAbstractButton *wybor = przycisk(dialog, QStringLiteral("&Wybierz"));
            if (!nazwa || !wybor) {
                dialog->reject();
                return;
            }
            nazwa->setText(cel.sciezka());
            wybor->click();
        });
        const std::optional<QString> wynik = wybierzFolderRoboczy(ustawienia);

        QCOMPARE(poczatek, QFileInfo(oczekiwanyPoczatek).absoluteFilePath());
        QVERIFY2(teksty.contains(QStringLiteral("Anuluj")), qPrintable(teksty.join(u'|')));
        QVERIFY(!teksty.contains(QStringLiteral("Cancel")));
        if (wybierz) {
            QVERIFY(wynik.has_value());
            QCOMPARE(QFileInfo(*wynik).canonicalFilePath(), QFileInfo(cel.sciezka()).canonicalFilePath());
            QCOMPARE(QDir::current().canonicalPath(), QFileInfo(cel.sciezka()).canonicalFilePath());
            QCOMPARE(ustawienia.value(QStringLiteral("folderRoboczy")).toString(), *wynik);
        } else {
            QVERIFY(!wynik.has_value());
            QCOMPARE(QDir::current().canonicalPath(), QFileInfo(dom.sciezka()).canonicalFilePath());
            QCOMPARE(ustawienia.value(QStringLiteral("folderRoboczy")).toString(), poprzedni);
        }
        QVERIFY(m_komunikaty.isEmpty());
    }
};

QTEST_MAIN(TstGuiPolski)
#include "tst_gui_polski.moc"
