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

namespace {

// One verification run: the mode, the system chosen, the rows shown, whether the run ends
// clean (the form stays open with its OK button) and the message expected.
struct TrybWeryfikacji {
    bool pelna;
    int system;
    QStringList etykiety;
    bool czysta;
    QString komunikat;
};

} // namespace

Q_DECLARE_METATYPE(TrybWeryfikacji)


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
        QTest::addColumn<TrybWeryfikacji>("p");
        QTest::newRow("skrócona") << TrybWeryfikacji{.pelna = false, .system = 0,
            .etykiety = {"Skrócona weryfikacja faktów:"}, .czysta = true, .komunikat = ""};
        QTest::newRow("pełna") << TrybWeryfikacji{.pelna = true, .system = 0,
            .etykiety = {"Pełna weryfikacja faktów:", "Pełna weryfikacja stałych:", "Pełna weryfikacja reguł:"},
            .czysta = true, .komunikat = "Składnia i dane reguł systemu eksperckiego poprawne z zastrzeżeniami."};
        QTest::newRow("skrócona bez faktów wprowadzanych") << TrybWeryfikacji{.pelna = false, .system = 1,
            .etykiety = {"Skrócona weryfikacja faktów:"}, .czysta = false,
            .komunikat = "Brak faktów wprowadzanych w tabeli faktów. Proces wnioskowania nie będzie możliwy."};
    }
    void trybyWeryfikacji()
    {
        QFETCH(TrybWeryfikacji, p);
        StanowiskoGui st(m_komunikaty, "wnios_kociol.json");
        TFormGlowne &o = *st.glowne;
        o.kontekst().konfig.CzyPelnaWeryf = p.pelna;
        TWnioskowanie &w = o.wnioskowanie();
        o.akcja(Akcja::WyborSyst)->trigger();
        w.formWybSyst()->ustawBiezacy(p.system);
        w.formWybSyst()->przyciskOk()->click();
        m_komunikaty.clear();
        o.akcja(Akcja::WeryfBazy)->trigger();
        TFormWeryf *okno = w.formWeryf();
        QStringList widoczne;
        for (int i = 0; i < 3; ++i)
            if (okno->etykieta(i)->isVisibleTo(okno))
                widoczne << okno->etykieta(i)->text();
        QCOMPARE(widoczne, p.etykiety);
        QVERIFY(okno->przyciskZatrzymaj()->isHidden());
        okno->przyciskStart()->click();
        QCOMPARE(okno->isVisible(), p.czysta);
        QCOMPARE(!okno->przyciskOk()->isHidden(), p.czysta);
        if (p.komunikat.isEmpty())
            QVERIFY(m_komunikaty.isEmpty());
        else
            QVERIFY2(m_komunikaty.contains(p.komunikat), qPrintable(m_komunikaty.join(u'|')));
        if (p.czysta)
            QCOMPARE(okno->poleOk(p.etykiety.size() - 1)->text(), QStringLiteral("OK"));
        // Without the OK button inference stays unavailable.
        QVERIFY(!o.akcja(Akcja::RealizWnios)->isEnabled());
        if (p.czysta) {
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
