// The explanations in the windows: the trajectory viewer's conclusions of the last run with
// their trees and "why not" beside the steps grid, a chosen step moving the grid, the report
// printed through the printer dialogs, the rule card from the rules window, and the manual
// pages linked from the two windows' help pages; no table file changed by looking.

#include "StanowiskoGui.h"
#include "UzytkownikTestowy.h"
#include "explain/ModelWyjasnien.h"
#include "inference/CzytFaktPlik.h"
#include "inference/WniosWPrzod.h"
#include "manual/TFormInstrukcja.h"
#include "manual/TInstrukcja.h"
#include "report/DrukTabel.h"
#include "rules/TFormKartaReg.h"
#include "rules/TFormTabReg.h"
#include "store/TFormTabTraj.h"
#include "store/TPanelWyjasnien.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <memory>

using namespace tremida;
using namespace tremida::gui;
using namespace tremida::test;

namespace {

QByteArray jsonKotla()
{
    QFile f(plikPrzykladu(QStringLiteral("kociol"), QStringLiteral("kociol.json")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}


// The index of the first node, depth first, whose text starts with `poczatek`.
QModelIndex wezel(const QAbstractItemModel *m, const QString &poczatek, const QModelIndex &rodzic = {})
{
    for (int i = 0; i < m->rowCount(rodzic); ++i) {
        const QModelIndex x = m->index(i, 0, rodzic);
        if (x.data().toString().startsWith(poczatek))
            return x;
        if (const QModelIndex y = wezel(m, poczatek, x); y.isValid())
            return y;
    }
    return {};
}

} // namespace

class TstGuiWyjasnienia : public QObject {
    Q_OBJECT
    QStringList m_komunikaty;
    std::unique_ptr<StanowiskoGui> m_s;
    QString m_pdf;

    TFormTabTraj *traj() { return m_s->glowne->formTabTraj(); }
    TPanelWyjasnien *panel() { return traj()->wyjasnienia(); }

private slots:
    // The boiler after a forward run made by the engine over the windows' own database.
    void init()
    {
        m_komunikaty.clear();
        m_s = std::make_unique<StanowiskoGui>(m_komunikaty, jsonKotla().constData());
        KontekstAplikacji &k = m_s->glowne->kontekst();
        TSesjaWnios sesja;
        WybierzSystem(k.baza, 1, sesja);
        CzytajWartFaktPlik(k.baza, plikPrzykladu(QStringLiteral("kociol"), QStringLiteral("wartosci_faktow.txt")), 1, sesja,
                           [](const QString &) {});
        UzytkownikTestowy uzytkownik(k.baza, k.konfig);
        TWniosWPrzod wprzod(k.baza, k.konfig, sesja, uzytkownik);
        QStringList konkluzje;
        QVERIFY(wprzod.Przygotuj(konkluzje));
        WynikPrzebiegu w = wprzod.Start();
        for (int i = 0; w == WynikPrzebiegu::Wstrzymany && i < 20; ++i) {
            sesja.KontynuacjaZadana = true;
            w = wprzod.Start();
        }
        QCOMPARE(w, WynikPrzebiegu::Zakonczony);
        m_pdf = m_s->folder.plik(QStringLiteral("raport.pdf"));
        m_s->glowne->dialogi().naDrukarke = [this](QPrinter &drukarka) {
            drukarka.setOutputFormat(QPrinter::PdfFormat);
            drukarka.setOutputFileName(m_pdf);
            return true;
        };
        m_komunikaty.clear();
    }
    void cleanup() { m_s.reset(); }

    // The viewer shows the conclusions of the last run; choosing one shows its tree, and a
    // step chosen in the tree moves the grid to that step.
    void drzewoIKrok()
    {
        const auto przed = skrotyPlikowTabel(m_s->folder.sciezka());
        m_s->glowne->akcja(Akcja::OtwTabTraj)->trigger();
        QVERIFY(traj()->isVisible());
        QComboBox *lista = panel()->listaKonkluzji();
        QCOMPARE(lista->count(), 6);
        QCOMPARE(lista->itemText(0), QStringLiteral("[stan spalania]=[niezupełne]"));
        QCOMPARE(lista->itemText(4), QStringLiteral("[usterka kotła]=[uszkodzony przegrzewacz]"));
        QCOMPARE(panel()->modelJak()->index(0, 0).data().toString(),
                 QStringLiteral("Konkluzja [stan spalania]=[niezupełne] — fakt pośredni „stan spalania”; zagregowany CF "
                                "0,63 (s-norma „rozmyta”)"));

        lista->setCurrentIndex(2);
        emit lista->activated(2);
        const TModelWyjasnien *m = panel()->modelJak();
        QCOMPARE(m->index(0, 0).data().toString().left(50), QStringLiteral("Konkluzja [usterka kotła]=[zanieczyszczony palnik]"));
        QTreeView *drzewo = panel()->drzewoJak();
        QVERIFY(drzewo->isExpanded(m->index(0, 0)));
        const QModelIndex krok2 = wezel(m, QStringLiteral("Krok 2: "));
        QVERIFY(krok2.isValid());
        drzewo->setCurrentIndex(krok2);
        QCOMPARE(traj()->zbiorTraj()->wartosc(QStringLiteral("IdKrokTraj")).toInt(), 2);
        QCOMPARE(traj()->zbiorTraj()->wartosc(QStringLiteral("KodRegTraj")).toInt(), 101);
        QCOMPARE(traj()->czyOdpalona()->wybor(), QStringLiteral("tak"));
        drzewo->setCurrentIndex(wezel(m, QStringLiteral("Reguła 104 ")));
        QCOMPARE(traj()->zbiorTraj()->wartosc(QStringLiteral("IdKrokTraj")).toInt(), 8);
        // A node without a step leaves the grid where it is.
        drzewo->setCurrentIndex(wezel(m, QStringLiteral("Przesłanka 1: [kolor")));
        QCOMPARE(traj()->zbiorTraj()->wartosc(QStringLiteral("IdKrokTraj")).toInt(), 8);
        QVERIFY(m_komunikaty.isEmpty());
        QCOMPARE(skrotyPlikowTabel(m_s->folder.sciezka()), przed);
    }

    // "Why not" for a typed conclusion; its last step moves the grid; a text that is no
    // conclusion gets its message.
    void dlaczegoNie()
    {
        const auto przed = skrotyPlikowTabel(m_s->folder.sciezka());
        m_s->glowne->akcja(Akcja::OtwTabTraj)->trigger();
        panel()->zakladki()->setCurrentIndex(1);
        panel()->poleDlaczego()->setText(QStringLiteral("[stan spalania]=[prawidłowe]"));
        QTest::mouseClick(panel()->przyciskDlaczego(), Qt::LeftButton);
        const TModelWyjasnien *m = panel()->modelDlaczego();
        QCOMPARE(m->index(0, 0).data().toString(), QStringLiteral("Dlaczego nie: [stan spalania]=[prawidłowe]"));
        QVERIFY(wezel(m, QStringLiteral("AND → FALSE, CF 0,7")).isValid());
        const QModelIndex ostatni = wezel(m, QStringLiteral("Ostatni krok 18 "));
        QVERIFY(ostatni.isValid());
        panel()->drzewoDlaczego()->setCurrentIndex(ostatni);
        QCOMPARE(traj()->zbiorTraj()->wartosc(QStringLiteral("IdKrokTraj")).toInt(), 18);
        QCOMPARE(traj()->przyczyna()->wybor(),
                 QStringLiteral("Reguła nieprzyjęta na stos do \"odpalenia\". Pole przesłankowe reguły zwraca wartość "
                                "logiczną FALSE"));

        panel()->poleDlaczego()->setText(QStringLiteral("stan spalania"));
        QTest::keyClick(panel()->poleDlaczego(), Qt::Key_Return);
        QCOMPARE(m_komunikaty, QStringList{QStringLiteral("Tekst stan spalania nie jest konkluzją postaci [fakt]=[wartość].")});
        QCOMPARE(m->rowCount(), 0);
        QCOMPARE(skrotyPlikowTabel(m_s->folder.sciezka()), przed);
    }

    // The conclusions and their tree are read when the tree tab is on screen: a system chosen
    // while "why not" is shown leaves them unread until the tree tab comes back.
    void konkluzjeNaZadanie()
    {
        importuj(m_s->glowne->kontekst().baza, QStringLiteral(R"({"systemyeksperckie": [{"IdSyst": 2, "NazSyst": "Pusty"}]})"));
        m_s->glowne->akcja(Akcja::OtwTabTraj)->trigger();
        panel()->zakladki()->setCurrentIndex(1);
        traj()->zbiorSyst()->ostatni();
        traj()->zbiorSyst()->pierwszy();
        QCOMPARE(panel()->system(), 1);
        QCOMPARE(panel()->listaKonkluzji()->count(), 0);
        QCOMPARE(panel()->modelJak()->rowCount(), 0);
        panel()->zakladki()->setCurrentIndex(0);
        QCOMPARE(panel()->listaKonkluzji()->count(), 6);
        QCOMPARE(panel()->modelJak()->index(0, 0).data().toString().left(45),
                 QStringLiteral("Konkluzja [stan spalania]=[niezupełne] — fakt"));
        // A hidden viewer reads nothing when its system changes; shown again, it does.
        traj()->hide();
        traj()->zbiorSyst()->ostatni();
        traj()->zbiorSyst()->pierwszy();
        QCOMPARE(panel()->listaKonkluzji()->count(), 0);
        traj()->show();
        QCOMPARE(panel()->listaKonkluzji()->count(), 6);
        QVERIFY(m_komunikaty.isEmpty());
    }

    // The report goes through the printer dialogs to the chosen printer (a PDF file here).
    void raport()
    {
        const auto przed = skrotyPlikowTabel(m_s->folder.sciezka());
        m_s->glowne->akcja(Akcja::OtwTabTraj)->trigger();
        QTest::mouseClick(panel()->przyciskRaportu(), Qt::LeftButton);
        QCOMPARE(m_komunikaty,
                 QStringList{QStringLiteral("Transfer raportu z konsultacji do drukarki zakończony. Czekaj na wydruk.")});
        QVERIFY(QFile::exists(m_pdf));
        QCOMPARE(skrotyPlikowTabel(m_s->folder.sciezka()), przed);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            return;
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {m_pdf, QStringLiteral("-")});
        p.waitForFinished();
        const QString tekst = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY(tekst.contains(QStringLiteral("RAPORT Z KONSULTACJI SYSTEMU EKSPERCKIEGO (BAZY WIEDZY)")));
        QVERIFY(tekst.contains(QStringLiteral("Konkluzja 1: [stan spalania]=[niezupełne]")));
    }

    // A system without a run shows no conclusions and has no report.
    void systemBezPrzebiegu()
    {
        importuj(m_s->glowne->kontekst().baza, QStringLiteral(R"({"systemyeksperckie": [{"IdSyst": 2, "NazSyst": "Pusty"}]})"));
        m_s->glowne->akcja(Akcja::OtwTabTraj)->trigger();
        QVERIFY(traj()->nawigatorSyst());
        traj()->zbiorSyst()->ostatni();
        QCOMPARE(panel()->system(), 2);
        QCOMPARE(panel()->listaKonkluzji()->count(), 0);
        QCOMPARE(panel()->modelJak()->rowCount(), 0);
        QTest::mouseClick(panel()->przyciskRaportu(), Qt::LeftButton);
        QCOMPARE(m_komunikaty, QStringList{QStringLiteral("Tabela trajektorii nie ma kroków systemu o kodzie 2: w systemie "
                                                          "nie przeprowadzono jeszcze wnioskowania. Raport z konsultacji nie "
                                                          "zostanie wydrukowany.")});
        QVERIFY(!QFile::exists(m_pdf));
        traj()->zbiorSyst()->pierwszy();
        QCOMPARE(panel()->listaKonkluzji()->count(), 6);
    }

    // The rules window opens the current rule's card in a read-only window; not while the rule
    // is being edited. Its "Pomoc" opens the card's manual page.
    void kartaReguly()
    {
        const auto przed = skrotyPlikowTabel(m_s->folder.sciezka());
        m_s->glowne->akcja(Akcja::OtwTabReg)->trigger();
        TFormTabReg *reg = m_s->glowne->formTabReg();
        QVERIFY(reg->zbiorReg()->znajdz(QStringLiteral("IdReg"), 107));
        auto *przycisk = reg->findChild<QPushButton *>(QStringLiteral("kartaReguly"));
        QVERIFY(przycisk);
        QCOMPARE(przycisk->text(), QStringLiteral("Karta reguły..."));
        przycisk->click();
        TFormKartaReg *karta = reg->karta();
        QVERIFY(karta->isVisible());
        QCOMPARE(karta->windowTitle(), QStringLiteral("KARTA REGUŁY"));
        const TModelWyjasnien *m = karta->model();
        QCOMPARE(m->rowCount(), 5);
        QCOMPARE(m->index(1, 0).data().toString(), QStringLiteral("Kontrola składni reguły: Składnia reguły poprawna."));
        QVERIFY(wezel(m, QStringLiteral("Stała 104 „obniżenie mocy wg temperatury”: obliczana, rzeczywista; A = 0,5, "
                                        "B = -270; argument: fakt 101 „temperatura pary” (rzeczywisty, wartość 565); "
                                        "wartość 12,5 %"))
                    .isValid());
        QVERIFY(karta->drzewo()->isExpanded(m->index(3, 0)));
        for (QPushButton *b : karta->findChildren<QPushButton *>())
            if (b->text() == u"Pomoc")
                b->click();
        TFormInstrukcja *strona = m_s->glowne->instrukcja().okno(QStringLiteral("7.1.1"));
        QVERIFY(strona && strona->isVisible());
        QCOMPARE(strona->tytulPodrozdzialu(), QStringLiteral("7.1.1. Karta reguły."));
        karta->przyciskOk()->click();
        QVERIFY(!karta->isVisible());

        QVERIFY(reg->zbiorReg()->edytuj());
        przycisk->click();
        QVERIFY(!karta->isVisible());
        QCOMPARE(m_komunikaty, QStringList{QStringLiteral("Karta reguły pokazuje regułę zapisaną w tabeli reguł. "
                                                          "Zatwierdź albo anuluj najpierw zmiany rekordu.\n\rOpcja nie "
                                                          "zostanie zrealizowana.")});
        reg->zbiorReg()->anuluj();
        QCOMPARE(skrotyPlikowTabel(m_s->folder.sciezka()), przed);
    }

    // The help pages of the trajectory viewer and of the rules window link to the pages on the
    // explanations, which link back; the book's navigation buttons stay as they were.
    void stronyInstrukcji_data()
    {
        QTest::addColumn<QString>("strona");
        QTest::addColumn<QStringList>("odnosniki");
        QTest::addColumn<int>("nawigacja");
        QTest::newRow("9.1") << QStringLiteral("9.1")
                             << QStringList{QStringLiteral("Zobacz: 9.1.1. Wyjaśnienia przebiegu wnioskowania: drzewo "
                                                           "\"odpalonych\" reguł i \"dlaczego nie\"."),
                                            QStringLiteral("Zobacz: 9.1.2. Raport z konsultacji.")}
                             << 3;
        QTest::newRow("7.1") << QStringLiteral("7.1") << QStringList{QStringLiteral("Zobacz: 7.1.1. Karta reguły.")} << 3;
        QTest::newRow("9.1.2") << QStringLiteral("9.1.2")
                               << QStringList{QStringLiteral("Zobacz: 9.1. Struktura tabeli."),
                                              QStringLiteral("Zobacz: 9.1.1. Wyjaśnienia przebiegu wnioskowania: drzewo "
                                                             "\"odpalonych\" reguł i \"dlaczego nie\".")}
                               << 0;
        QTest::newRow("9.2") << QStringLiteral("9.2") << QStringList{} << 4;
    }
    void stronyInstrukcji()
    {
        QFETCH(QString, strona);
        QFETCH(QStringList, odnosniki);
        QFETCH(int, nawigacja);
        TFormInstrukcja *s = m_s->glowne->instrukcja().pokaz(strona);
        QVERIFY(s);
        QStringList napisy;
        for (QPushButton *b : s->odnosniki())
            napisy << b->text();
        QCOMPARE(napisy, odnosniki);
        QCOMPARE(int(s->przyciskiNawigacji().size()), nawigacja);
        QVERIFY(!s->tekst().isEmpty());
        if (!odnosniki.isEmpty()) {
            s->odnosniki().back()->click();
            QVERIFY(!s->isVisible());
            const QString cel = odnosniki.back().section(u' ', 1, 1).chopped(1);
            QVERIFY(m_s->glowne->instrukcja().okno(cel)->isVisible());
        }
    }
};

QTEST_MAIN(TstGuiWyjasnienia)
#include "tst_gui_wyjasnienia.moc"
