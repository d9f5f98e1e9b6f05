// The verification form and the consistency-check form: rows of each mode, the buttons
// after a clean or failed run, the memo, the error file and the summary.

#include "StanowiskoGui.h"
#include "inference/TFormWybSyst.h"
#include "inference/TWnioskowanie.h"
#include "inference/TWyborPliku.h"
#include "verify/TFormKontrSpojn.h"
#include "verify/TFormWeryf.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QListWidget>
#include <QTest>

using namespace tremida;
using namespace tremida::gui;
using namespace tremida::test;


class TstGuiWeryf : public QObject {
    Q_OBJECT
    QStringList m_komunikaty;

private slots:
    void init()
    {
        m_komunikaty.clear();
    }

    void trybyWeryfikacji_data()
    {
        QTest::addColumn<bool>("pelna");
        QTest::addColumn<int>("system");
        QTest::addColumn<QStringList>("etykiety");
        QTest::addColumn<bool>("czysta");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("skrócona") << false << 0 << QStringList{"Skrócona weryfikacja faktów:"} << true << "";
        QTest::newRow("pełna")
            << true << 0
            << QStringList{"Pełna weryfikacja faktów:", "Pełna weryfikacja stałych:", "Pełna weryfikacja reguł:"}
            << true << "Składnia i dane reguł systemu eksperckiego poprawne z zastrzeżeniami.";
        QTest::newRow("skrócona bez faktów wprowadzanych")
            << false << 1 << QStringList{"Skrócona weryfikacja faktów:"} << false
            << "Brak faktów wprowadzanych w tabeli faktów. Proces wnioskowania nie będzie możliwy.";
    }
    void trybyWeryfikacji()
    {
        QFETCH(bool, pelna);
        QFETCH(int, system);
        QFETCH(QStringList, etykiety);
        QFETCH(bool, czysta);
        QFETCH(QString, komunikat);
        StanowiskoGui st(m_komunikaty, "wnios_kociol.json");
        TFormGlowne &o = *st.glowne;
        o.kontekst().konfig.CzyPelnaWeryf = pelna;
        TWnioskowanie &w = o.wnioskowanie();
        o.akcja(Akcja::WyborSyst)->trigger();
        w.formWybSyst()->ustawBiezacy(system);
        w.formWybSyst()->przyciskOk()->click();
        m_komunikaty.clear();
        o.akcja(Akcja::WeryfBazy)->trigger();
        TFormWeryf *okno = w.formWeryf();
        QStringList widoczne;
        for (int i = 0; i < 3; ++i)
            if (okno->etykieta(i)->isVisibleTo(okno))
                widoczne << okno->etykieta(i)->text();
        QCOMPARE(widoczne, etykiety);
        QVERIFY(okno->przyciskZatrzymaj()->isHidden());
        okno->przyciskStart()->click();
        QCOMPARE(okno->isVisible(), czysta);
        QCOMPARE(!okno->przyciskOk()->isHidden(), czysta);
        if (komunikat.isEmpty())
            QVERIFY(m_komunikaty.isEmpty());
        else
            QVERIFY2(m_komunikaty.contains(komunikat), qPrintable(m_komunikaty.join(u'|')));
        if (czysta)
            QCOMPARE(okno->poleOk(etykiety.size() - 1)->text(), QStringLiteral("OK"));
        // Without the OK button inference stays unavailable.
        QVERIFY(!o.akcja(Akcja::RealizWnios)->isEnabled());
        if (czysta) {
            okno->przyciskZatrzymaj()->click();
            QVERIFY(okno->przyciskOk()->isHidden());
            QVERIFY(!okno->przyciskStart()->isHidden());
        }
    }

    // The check writes its findings to the memo and to the default error file, and ends
    // with the summary message.
    void kontrolaSpojnosci()
    {
        StanowiskoGui st(m_komunikaty, "wnios_kociol.json");
        TFormGlowne &o = *st.glowne;
        m_komunikaty.clear();
        o.akcja(Akcja::KontrSpojnBazy)->trigger();
        TFormKontrSpojn *okno = o.wnioskowanie().formKontrSpojn();
        QVERIFY(okno->isVisible());
        QVERIFY(okno->poleZapisu()->isChecked());
        QCOMPARE(okno->poleNazwyPliku()->text(), st.folder.plik(QStringLiteral("bledywbaziedanych.txt")));
        QCOMPARE(okno->pasek()->maximum(), 1);
        okno->przyciskStart()->click();
        const QStringList memo = okno->memo()->toPlainText().split(u'\n');
        QCOMPARE(memo.first(), QStringLiteral("BŁĘDY SPÓJNOŚCI BAZY DANYCH SYSTEMU TREMIDA"));
        QVERIFY(memo.at(1).startsWith(QStringLiteral("• Błąd nr. 1. Kod systemu: 1. ")));
        QCOMPARE(okno->poleOk()->text(), QStringLiteral("OK"));
        QCOMPARE(okno->pasek()->value(), okno->pasek()->maximum());
        QCOMPARE(m_komunikaty.size(), 1);
        QCOMPARE(memo.last(), QStringLiteral("• ") + m_komunikaty.first());
        QFile plik(st.folder.plik(QStringLiteral("bledywbaziedanych.txt")));
        QVERIFY(plik.open(QIODevice::ReadOnly));
        const QStringList wiersze = QString::fromUtf8(plik.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(wiersze.size(), memo.size() + 1);
        QVERIFY(wiersze.at(1).startsWith(QStringLiteral("Data kontroli: ")));
        // The file list of the form shows the file just written.
        QCOMPARE(okno->wyborPliku()->pliki()->findItems(QStringLiteral("bledywbaziedanych.txt"), Qt::MatchExactly).size(),
                 1);

        // Without the check box no file is written; the memo is cleared for the new run.
        QVERIFY(QFile::remove(st.folder.plik(QStringLiteral("bledywbaziedanych.txt"))));
        okno->poleZapisu()->setChecked(false);
        okno->przyciskStart()->click();
        QVERIFY(!QFile::exists(st.folder.plik(QStringLiteral("bledywbaziedanych.txt"))));
        QCOMPARE(okno->memo()->toPlainText().count(QStringLiteral("BŁĘDY SPÓJNOŚCI")), 1);
    }
};

QTEST_MAIN(TstGuiWeryf)
#include "tst_gui_weryf.moc"
