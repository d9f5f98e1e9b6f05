// Every window on a laptop screen (1366 × 768): it opens entirely on the screen, can be made
// as small as the screen, and the navigator and buttons of the table windows keep their places
// whatever the record shown.

#include "StanowiskoGui.h"
#include "app/Komunikat.h"
#include "store/DataRek.h"
#include "store/TFormTabSyst.h"
#include "rules/TFormEdytorReg.h"
#include "rules/TFormTabReg.h"
#include "rules/TFormTabStale.h"
#include "store/TFormTabFakt.h"
#include "store/TFormTabWartFaktWylicz.h"
#include "widgets/Nawigator.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using namespace tremida;
using namespace tremida::gui;
using namespace tremida::test;

namespace {

const QSize Ekran(1366, 768);

QString przyklad() { return QDir(katalogPrzykladow()).filePath(QStringLiteral("kociol/kociol.json")); }

// The place of a widget in its window.
QRect miejsce(const QWidget *w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

} // namespace

class TstGuiEkran : public QObject {
    Q_OBJECT
    QStringList m_komunikaty;

private slots:
    void ekranLaptopa()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(), Ekran);
    }

    // Each window of the program, shown as the menu shows it, lies entirely on the screen and
    // can be made no larger than it.
    void kazdeOknoNaEkranie()
    {
        QFile f(przyklad());
        QVERIFY(f.open(QIODevice::ReadOnly));
        StanowiskoGui s(m_komunikaty, qPrintable(QString::fromUtf8(f.readAll())));
        s.glowne->show();
        const QRect wolne = QGuiApplication::primaryScreen()->availableGeometry();
        int sprawdzone = 0;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (!w->inherits("tremida::gui::TFormGlowne") && !QByteArray(w->metaObject()->className()).startsWith("tremida"))
                continue;
            w->show();
            QTest::qWait(10);
            const QString nazwa = QString::fromLatin1(w->metaObject()->className());
            QVERIFY2(wolne.contains(w->frameGeometry()),
                     qPrintable(nazwa + QStringLiteral(" %1,%2 %3x%4")
                                            .arg(w->frameGeometry().x())
                                            .arg(w->frameGeometry().y())
                                            .arg(w->frameGeometry().width())
                                            .arg(w->frameGeometry().height())));
            const QSize najmniejszy = w->minimumSizeHint().expandedTo(w->minimumSize());
            QVERIFY2(najmniejszy.width() <= wolne.width() && najmniejszy.height() <= wolne.height() - 40,
                     qPrintable(nazwa + QStringLiteral(" najmniej %1x%2").arg(najmniejszy.width()).arg(najmniejszy.height())));
            if (w != s.glowne.get())
                w->hide();
            ++sprawdzone;
        }
        QVERIFY(sprawdzone >= 25);
    }

    // A grid shows the date a record's stamp hides, not the stamp; the systems grid of the
    // enumerated values window has the code, name and description only.
    void siatki()
    {
        const QString stempel = GenDataRek(QDate(2024, 3, 5));
        StanowiskoGui s(m_komunikaty,
                        qPrintable(QStringLiteral(R"({"systemyeksperckie": [{"IdSyst": 1, "NazSyst": "A", "DataRek": "%1"}]})")
                                       .arg(stempel)));
        s.glowne->akcja(Akcja::OtwTabSyst)->trigger();
        auto *siatka = s.glowne->formTabSyst()->findChild<Siatka *>();
        QVERIFY(siatka);
        const int kolumna = opisTabeli(Tabela::Systemy).indeksKolumny(QStringLiteral("DataRek"));
        QCOMPARE(siatka->model()->index(0, kolumna).data().toString(), QStringLiteral("05.03.2024"));
        QCOMPARE(siatka->model()->headerData(kolumna, Qt::Horizontal).toString(),
                 QStringLiteral("Data wygenerowania rekordu"));
        s.glowne->akcja(Akcja::OtwTabWartFaktWylicz)->trigger();
        const QList<Siatka *> siatki = s.glowne->formTabWartFaktWylicz()->findChildren<Siatka *>();
        QVERIFY(!siatki.isEmpty());
        Siatka *systemy = nullptr;
        for (Siatka *g : siatki)
            if (g->zbior()->tabela() == Tabela::Systemy)
                systemy = g;
        QVERIFY(systemy);
        int widoczne = 0;
        for (int c = 0; c < systemy->model()->columnCount(); ++c)
            widoczne += systemy->isColumnHidden(c) ? 0 : 1;
        QCOMPARE(widoczne, 3);
    }

    // A message box keeps the message's own lines: none is broken again.
    void komunikatBezPonownegoLamania()
    {
        const QString tekst = QStringLiteral(
            "Tabela faktów będzie wydrukowana wraz z wartościami faktów wyliczeniowych, a następnie wraz z\n\r"
            "wydrukiem tabeli faktów pojawi się okno drukowania, w którym można wybrać drukarkę.\n\rKrótki wiersz.");
        std::unique_ptr<QDialog> okno(utworzOknoKomunikatu(tekst));
        okno->adjustSize();
        auto *etykieta = okno->findChild<QLabel *>(QStringLiteral("tekst"));
        QVERIFY(etykieta);
        QCOMPARE(etykieta->text().count(u'\n'), 2);
        QVERIFY(!etykieta->wordWrap());
        const QFontMetrics fm(etykieta->font());
        for (const QString &linia : etykieta->text().split(u'\n'))
            QVERIFY(etykieta->width() >= fm.horizontalAdvance(linia));
        QVERIFY(okno->width() <= QGuiApplication::primaryScreen()->availableGeometry().width());
    }

    // Stepping through the boiler's facts (every kind and type), rules and constants: the
    // navigator and the buttons stay where they were.
    void nawigatorNaMiejscu_data()
    {
        QTest::addColumn<int>("okno");
        QTest::newRow("facts") << 0;
        QTest::newRow("rules") << 1;
        QTest::newRow("constants") << 2;
    }
    void nawigatorNaMiejscu()
    {
        QFETCH(int, okno);
        QFile f(przyklad());
        QVERIFY(f.open(QIODevice::ReadOnly));
        StanowiskoGui s(m_komunikaty, qPrintable(QString::fromUtf8(f.readAll())));
        const Akcja akcje[] = {Akcja::OtwTabFakt, Akcja::OtwTabReg, Akcja::OtwTabStale};
        s.glowne->akcja(akcje[okno])->trigger();
        QWidget *w = okno == 0 ? static_cast<QWidget *>(s.glowne->formTabFakt())
                     : okno == 1 ? static_cast<QWidget *>(s.glowne->formTabReg())
                                 : static_cast<QWidget *>(s.glowne->formTabStale());
        Nawigator *naw = okno == 0   ? s.glowne->formTabFakt()->nawigator()
                         : okno == 1 ? s.glowne->formTabReg()->nawigator()
                                     : s.glowne->formTabStale()->nawigator();
        QVERIFY(w->isVisible());
        QTest::qWait(10);
        // Where each button stood when it was first seen, and the navigator.
        QHash<QPushButton *, QRect> miejsca;
        const QRect okienko = w->geometry();
        const QRect nawigator = miejsce(naw);
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(w->geometry(), okienko);
            QCOMPARE(miejsce(naw), nawigator);
            for (QPushButton *p : w->findChildren<QPushButton *>()) {
                if (!p->isVisibleTo(w))
                    continue;
                const auto it = miejsca.constFind(p);
                if (it == miejsca.constEnd())
                    miejsca.insert(p, miejsce(p));
                else
                    QVERIFY2(*it == miejsce(p), qPrintable(p->objectName() + u' ' + p->text()));
            }
            naw->kliknij(PrzyciskNaw::Nastepny);
            QTest::qWait(5);
        }
        QVERIFY(miejsca.size() > 2);
    }
};

int main(int argc, char **argv)
{
    // An offscreen screen of a laptop's size.
    QTemporaryDir konfiguracja;
    const QString plik = konfiguracja.filePath(QStringLiteral("ekran.json"));
    QFile f(plik);
    if (!f.open(QIODevice::WriteOnly))
        return 1;
    f.write(QStringLiteral(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": %1, "height": %2,
                               "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                .arg(Ekran.width())
                .arg(Ekran.height())
                .toUtf8());
    f.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(plik));
    QApplication app(argc, argv);
    TstGuiEkran t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_gui_ekran.moc"
