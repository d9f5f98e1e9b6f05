// Printing from the menu: the systems printout, the choice of a system for the facts and
// rules printouts, cancelled printer dialogs and empty selections.

#include "StanowiskoGui.h"
#include "WierszeLogiczne.h"
#include "report/DrukTabel.h"
#include "report/TFormWybSystDruk.h"

#include <QAction>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTest>

using namespace tremida;
using namespace tremida::gui;
using namespace tremida::test;

Q_DECLARE_METATYPE(tremida::gui::Akcja)

namespace {

// The text of a PDF file as pdftotext reads it; empty when the tool is missing.
QString tekstPdf(const QString &plik)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        return {};
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {plik, QStringLiteral("-")});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

namespace {

// A table printed from the main menu: the action, the title of the system choice, the row chosen,
// the messages and the help page.
struct DrukTabeli {
    Akcja akcja;
    QString tytul;
    int wiersz;
    QStringList komunikaty;
    QString stronaPomocy;
};

} // namespace

Q_DECLARE_METATYPE(DrukTabeli)

class TstGuiDruk : public QObject {
    Q_OBJECT
    QStringList m_komunikaty;
    QString m_pdf;
    bool m_anulujDialogi = false;

    // Every table of `okno` created and `dane` imported; its printer dialogs print to m_pdf, or
    // are cancelled when m_anulujDialogi.
    void przygotuj(GlowneTestowe &okno, const QString &dane)
    {
        zalozWszystkieTabele(okno.kontekst().baza);
        importuj(okno.kontekst().baza, dane);
        okno.dialogi().naDrukarke = [this](QPrinter &drukarka) {
            if (m_anulujDialogi)
                return false;
            drukarka.setOutputFormat(QPrinter::PdfFormat);
            drukarka.setOutputFileName(m_pdf);
            return true;
        };
    }

private slots:
    void init()
    {
        m_komunikaty.clear();
        m_anulujDialogi = false;
    }

    void drukSystemow_data()
    {
        wierszeLogiczne("anuluj", {{"wydrukowane", false}, {"dialog drukarki anulowany", true}});
    }
    void drukSystemow()
    {
        QFETCH(bool, anuluj);
        FolderRoboczy f;
        m_pdf = f.plik(QStringLiteral("systemy.pdf"));
        m_anulujDialogi = anuluj;
        GlowneTestowe okno(f.sciezka(), m_komunikaty);
        przygotuj(okno, QStringLiteral("dwa_systemy.json"));
        m_komunikaty.clear();
        okno.akcja(Akcja::DrukTabSyst)->trigger();
        QCOMPARE(m_komunikaty, QStringList{QStringLiteral("Transfer tabeli systemów eksperckich (baz wiedzy) do drukarki "
                                                          "zakończony. Czekaj na wydruk.")});
        QCOMPARE(QFile::exists(m_pdf), !anuluj);
        if (!anuluj) {
            const QString tekst = tekstPdf(m_pdf);
            if (!tekst.isEmpty()) {
                QVERIFY(tekst.contains(QStringLiteral("TABELA SYSTEMÓW EKSPERCKICH (BAZ WIEDZY)")));
                QVERIFY(tekst.contains(QStringLiteral("Kotły parowe")));
            }
        }
    }

    void wyborSystemuIDruk_data()
    {
        QTest::addColumn<DrukTabeli>("p");
        const QString przygotuj = QStringLiteral("Przygotuj i włącz drukarkę. Włóż do drukarki papier formatu A4.");
        QTest::newRow("fakty systemu 2") << DrukTabeli{.akcja = Akcja::DrukTabFakt,
            .tytul = QStringLiteral("WYBÓR SYSTEMU EKSPERCKIEGO (BAZY WIEDZY) DO DRUKU TABELI FAKTÓW WRAZ Z WARTOŚCIAMI FAKTÓW "
                      "WYLICZENIOWYCH"), .wiersz = 1,
            .komunikaty = {przygotuj, QStringLiteral("Transfer tabeli faktów do drukarki zakończony. Czekaj na wydruk.")},
            .stronaPomocy = QStringLiteral("5.6")};
        QTest::newRow("reguły systemu 1") << DrukTabeli{.akcja = Akcja::DrukTabReg,
            .tytul = QStringLiteral("WYBÓR SYSTEMU EKSPERCKIEGO (BAZY WIEDZY) DO DRUKU TABELI REGUŁ"), .wiersz = 0,
            .komunikaty = {przygotuj, QStringLiteral("Transfer tabeli reguł do drukarki zakończony. Czekaj na wydruk.")},
            .stronaPomocy = QStringLiteral("7.8")};
        QTest::newRow("reguły systemu bez reguł") << DrukTabeli{.akcja = Akcja::DrukTabReg,
            .tytul = QStringLiteral("WYBÓR SYSTEMU EKSPERCKIEGO (BAZY WIEDZY) DO DRUKU TABELI REGUŁ"), .wiersz = 2,
            .komunikaty = {QStringLiteral(
                           "Tabela reguł wskazanego systemu eksperckiego pusta. Druk tabeli nie zostanie zrealizowany.")},
            .stronaPomocy = QStringLiteral("7.8")};
    }
    void wyborSystemuIDruk()
    {
        QFETCH(DrukTabeli, p);
        FolderRoboczy f;
        m_pdf = f.plik(QStringLiteral("wydruk.pdf"));
        GlowneTestowe okno(f.sciezka(), m_komunikaty);
        przygotuj(okno, QStringLiteral("dwa_systemy.json"));
        importuj(okno.kontekst().baza, QStringLiteral(R"({"systemyeksperckie": [{"IdSyst": 3, "NazSyst": "Pusty"}]})"));
        QString strona;
        okno.kontekst().pokazStroneInstrukcji = [&strona](const QString &s) { strona = s; };
        m_komunikaty.clear();

        okno.akcja(p.akcja)->trigger();
        TFormWybSystDruk *wybor =
            okno.oknoWyboruDoDruku(p.akcja == Akcja::DrukTabFakt ? RodzajWydruku::Fakty : RodzajWydruku::Reguly);
        QVERIFY(wybor->isVisible());
        QCOMPARE(wybor->windowTitle(), p.tytul);
        QCOMPARE(wybor->siatka()->model()->rowCount(), 3);
        QCOMPARE(wybor->wybranyKodSyst(), 1);
        wybor->przyciskPomoc()->click();
        QCOMPARE(strona, p.stronaPomocy);

        wybor->siatka()->selectRow(p.wiersz);
        QCOMPARE(wybor->wybranyKodSyst(), p.wiersz + 1);
        wybor->przyciskDrukuj()->click();
        QVERIFY(!wybor->isVisible());
        QCOMPARE(m_komunikaty, p.komunikaty);
        QCOMPARE(QFile::exists(m_pdf), p.komunikaty.size() == 2);
    }

    // The systems grids show a code as the system writes it, whatever the desktop's digit
    // grouping ("12345", never "12 345" or "12,345").
    void kodSystemuBezGrupCyfr()
    {
        FolderRoboczy f;
        GlowneTestowe okno(f.sciezka(), m_komunikaty);
        przygotuj(okno, QStringLiteral(R"({"systemyeksperckie": [{"IdSyst": 12345, "NazSyst": "Duży"}]})"));
        m_komunikaty.clear();
        okno.akcja(Akcja::DrukTabReg)->trigger();
        const QTableView *siatka = okno.oknoWyboruDoDruku(RodzajWydruku::Reguly)->siatka();
        const QModelIndex kod = siatka->model()->index(0, 0);
        const auto *delegat = qobject_cast<const QStyledItemDelegate *>(siatka->itemDelegate());
        QVERIFY(delegat);
        QCOMPARE(delegat->displayText(kod.data(), siatka->locale()), QStringLiteral("12345"));
    }

    void anulowanieWyboru()
    {
        FolderRoboczy f;
        m_pdf = f.plik(QStringLiteral("wydruk.pdf"));
        GlowneTestowe okno(f.sciezka(), m_komunikaty);
        przygotuj(okno, QStringLiteral("dwa_systemy.json"));
        m_komunikaty.clear();
        okno.akcja(Akcja::DrukTabFakt)->trigger();
        TFormWybSystDruk *wybor = okno.oknoWyboruDoDruku(RodzajWydruku::Fakty);
        wybor->przyciskAnuluj()->click();
        QVERIFY(!wybor->isVisible());
        QVERIFY(m_komunikaty.isEmpty());
        QVERIFY(!QFile::exists(m_pdf));
    }
};

QTEST_MAIN(TstGuiDruk)
#include "tst_gui_druk.moc"
