// Every window on a laptop screen (1366 × 768): it opens entirely on the screen, can be made
// as small as the screen, and the navigator and buttons of the table windows keep their places
// whatever the record shown.

#include "StanowiskoGui.h"
#include "app/Kolory.h"
#include "app/Komunikat.h"
#include "inference/DostepWnios.h"
#include "inference/TFormCzytFaktWnios.h"
#include "inference/TFormWizKonkl.h"
#include "inference/TWnioskowanie.h"
#include "manual/TInstrukcja.h"
#include "store/DataRek.h"
#include "store/Ilustracje.h"
#include "store/TFormWizFilm.h"
#include "store/TFormWizGraf.h"
#include "store/TFormTabSyst.h"
#include "rules/TFormEdytorReg.h"
#include "rules/TFormTabReg.h"
#include "rules/TFormTabStale.h"
#include "store/TFormTabFakt.h"
#include "store/TFormTabPlikMult.h"
#include "store/TFormTabTraj.h"
#include "store/TFormTabWartFaktWylicz.h"
#include "store/TFormWizWartFaktWylicz.h"
#include "widgets/Nawigator.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QFile>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using namespace tremida;
using namespace tremida::gui;
using namespace tremida::test;

namespace {

const QSize Ekran(1366, 768);

QString przyklad() { return QDir(katalogPrzykladow()).filePath(QStringLiteral("kociol/kociol.json")); }

// The boiler knowledge base with a second system without records, and trajectory steps of
// every direction, fired and not fired.
QString kociolZTrajektoria()
{
    QFile f(przyklad());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
    QJsonArray systemy = o.value(QStringLiteral("systemyeksperckie")).toArray();
    systemy.append(QJsonObject{{"IdSyst", 2}, {"NazSyst", "Pusty"}, {"OpisSyst", "bez rekordów"}});
    o.insert(QStringLiteral("systemyeksperckie"), systemy);
    QJsonArray traj;
    const char *kierunki[] = {"w przod", "wstecz", "falsyf"};
    for (int i = 1; i <= 9; ++i) {
        const bool odpalona = i % 3 == 0;
        QJsonObject k{{"IdKrokTraj", i},
                      {"KodSyst", 1},
                      {"KodRegTraj", 100 + i},
                      {"PozRegTraj", 1 + i % 2},
                      {"IterRegTraj", 1 + i / 3},
                      {"KierWniTraj", kierunki[i % 3]},
                      {"CzyOdpalTraj", odpalona ? "tak" : "nie"},
                      {"PrzyczNieOdpalTraj", odpalona ? "Reguła została \"odpalona\" w danym kroku trajektorii wnioskowania"
                                                      : "Reguła nieprzyjęta na stos do \"odpalenia\". Pole przesłankowe "
                                                        "reguły zwraca wartość logiczną FALSE"},
                      {"DataRek", "5.3.2024"}};
        if (odpalona)
            k.insert(QStringLiteral("CFKonklRegTraj"), 0.72);
        traj.append(k);
    }
    o.insert(QStringLiteral("trajektoria"), traj);
    return QString::fromUtf8(QJsonDocument(o).toJson());
}

// The place of a widget in its window.
QRect miejsce(const QWidget *w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

// Where each visible button of a window stood when it was first seen.
using MiejscaPrzyciskow = QHash<QPushButton *, QRect>;

// Remembers the place of every visible button of `okno` not seen before; the first button seen
// before that now stands elsewhere is returned as `opis` describes it, empty when none moved.
QString przesuniety(QWidget *okno, MiejscaPrzyciskow &miejsca, const std::function<QString(const QPushButton *)> &opis)
{
    for (QPushButton *p : okno->findChildren<QPushButton *>()) {
        if (!p->isVisibleTo(okno))
            continue;
        const auto it = miejsca.constFind(p);
        if (it == miejsca.constEnd())
            miejsca.insert(p, miejsce(p));
        else if (*it != miejsce(p))
            return opis(p);
    }
    return {};
}

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
        // The windows made on first use: a manual page, the picture and film viewers, the
        // rule editor.
        s.glowne->instrukcja().okno(QStringLiteral("0"));
        formWizGraf(s.glowne->kontekst());
        formWizFilm(s.glowne->kontekst());
        s.glowne->akcja(Akcja::OtwTabReg)->trigger();
        s.glowne->formTabReg()->wywolajEdytor();
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
        QVERIFY(sprawdzone >= 30);
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

    // Stepping through the records of each table window (facts of every kind and type, rules,
    // constants, enumerated values of input and derived facts, pictures and films of facts and
    // rules, systems, trajectory steps fired or not, a system without records): the window
    // keeps its size and place on the screen, and the navigators and buttons stay where they
    // were, so that repeated clicks on one button keep hitting it.
    void nawigatorNaMiejscu_data()
    {
        QTest::addColumn<QString>("okno");
        QTest::addColumn<QString>("krok"); // the navigator that steps
        QTest::newRow("facts") << "fakty" << "rekordy";
        QTest::newRow("facts by system") << "fakty" << "systemy";
        QTest::newRow("rules") << "reguly" << "rekordy";
        QTest::newRow("rules by system") << "reguly" << "systemy";
        QTest::newRow("constants") << "stale" << "rekordy";
        QTest::newRow("constants by system") << "stale" << "systemy";
        QTest::newRow("enumerated values by fact") << "wartosci" << "fakty";
        QTest::newRow("enumerated values by system") << "wartosci" << "systemy";
        QTest::newRow("multimedia") << "pliki" << "rekordy";
        QTest::newRow("systems") << "systemy" << "rekordy";
        QTest::newRow("trajectory") << "trajektoria" << "rekordy";
        QTest::newRow("trajectory by system") << "trajektoria" << "systemy";
    }
    void nawigatorNaMiejscu()
    {
        QFETCH(QString, okno);
        QFETCH(QString, krok);
        StanowiskoGui s(m_komunikaty, qPrintable(kociolZTrajektoria()));
        TFormGlowne &g = *s.glowne;
        QWidget *w = nullptr;
        Nawigator *kroczacy = nullptr;
        QList<Nawigator *> nawigatory;
        if (okno == u"fakty") {
            g.akcja(Akcja::OtwTabFakt)->trigger();
            w = g.formTabFakt();
            nawigatory = {g.formTabFakt()->nawigator(), g.formTabFakt()->nawigatorSyst()};
        } else if (okno == u"reguly") {
            g.akcja(Akcja::OtwTabReg)->trigger();
            w = g.formTabReg();
            nawigatory = {g.formTabReg()->nawigator(), g.formTabReg()->nawigatorSyst()};
        } else if (okno == u"stale") {
            g.akcja(Akcja::OtwTabStale)->trigger();
            w = g.formTabStale();
            nawigatory = {g.formTabStale()->nawigator(), g.formTabStale()->nawigatorSyst()};
        } else if (okno == u"wartosci") {
            g.akcja(Akcja::OtwTabWartFaktWylicz)->trigger();
            w = g.formTabWartFaktWylicz();
            nawigatory = {g.formTabWartFaktWylicz()->nawigator(), g.formTabWartFaktWylicz()->nawigatorSyst(),
                          g.formTabWartFaktWylicz()->nawigatorFakt()};
        } else if (okno == u"pliki") {
            g.akcja(Akcja::OtwTabPlikMult)->trigger();
            w = g.formTabPlikMult();
            nawigatory = {g.formTabPlikMult()->nawigator()};
        } else if (okno == u"systemy") {
            g.akcja(Akcja::OtwTabSyst)->trigger();
            w = g.formTabSyst();
            nawigatory = {g.formTabSyst()->nawigator()};
        } else {
            g.akcja(Akcja::OtwTabTraj)->trigger();
            w = g.formTabTraj();
            nawigatory = {g.formTabTraj()->nawigator(), g.formTabTraj()->nawigatorSyst()};
        }
        kroczacy = krok == u"rekordy" ? nawigatory.first() : nawigatory.at(krok == u"systemy" ? 1 : 2);
        QVERIFY(w->isVisible());
        QTest::qWait(10);
        const QRect wolne = QGuiApplication::primaryScreen()->availableGeometry();
        // Where each button stood when it was first seen, and the navigators.
        MiejscaPrzyciskow miejsca;
        const QRect okienko = w->geometry();
        QList<QRect> miejscaNawigatorow;
        for (Nawigator *n : nawigatory)
            miejscaNawigatorow << miejsce(n);
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(w->geometry(), okienko);
            QVERIFY(wolne.contains(w->frameGeometry()));
            for (int n = 0; n < nawigatory.size(); ++n)
                QCOMPARE(miejsce(nawigatory[n]), miejscaNawigatorow[n]);
            const QString ruszony = przesuniety(w, miejsca, [](const QPushButton *p) {
                return p->objectName() + u' ' + p->text();
            });
            QVERIFY2(ruszony.isEmpty(), qPrintable(ruszony));
            kroczacy->kliknij(i < 6 ? PrzyciskNaw::Nastepny : PrzyciskNaw::Poprzedni);
            QTest::qWait(5);
        }
        QVERIFY(miejsca.size() >= 2);

        // Editing a record brings its extra controls (the rules window's copy buttons) without
        // moving anything else.
        if (okno == u"reguly" && krok == u"rekordy") {
            nawigatory.first()->kliknij(PrzyciskNaw::Edytuj);
            for (auto it = miejsca.constBegin(); it != miejsca.constEnd(); ++it)
                if (it.key()->isVisibleTo(w))
                    QVERIFY2(miejsce(it.key()) == *it, qPrintable(it.key()->objectName() + u' ' + it.key()->text()));
            nawigatory.first()->kliknij(PrzyciskNaw::Anuluj);
        }
    }

    // The conclusions display keeps its size and its buttons for rules with and without
    // pictures and films.
    void wizualizacjaNaMiejscu()
    {
        StanowiskoGui s(m_komunikaty, qPrintable(kociolZTrajektoria()));
        TFormWizKonkl *wiz = s.glowne->wnioskowanie().formWizKonkl();
        MiejscaPrzyciskow miejsca;
        QRect okienko;
        // Rule 104 has a film, 105 and 106 a picture each, 101 nothing.
        for (int kod : {104, 101, 105, 106, 101, 104}) {
            TWizKonkl k;
            k.kodSyst = 1;
            k.nazSyst = QStringLiteral("Kocioł");
            k.idReg = kod;
            k.konklReg = QStringLiteral("[a]=[b]");
            k.rodzFakt = kod == 101 ? QStringLiteral("posredni") : QStringLiteral("koncowy");
            wiz->wypelnij(k);
            wiz->show();
            QTest::qWait(5);
            if (okienko.isNull())
                okienko = wiz->geometry();
            QCOMPARE(wiz->geometry(), okienko);
            QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(wiz->frameGeometry()));
            const QString ruszony = przesuniety(wiz, miejsca, [&](const QPushButton *p) {
                return QStringLiteral("%1, reguła %2").arg(p->text()).arg(kod);
            });
            QVERIFY2(ruszony.isEmpty(), qPrintable(ruszony));
        }
    }

    // The view of a derived fact's values is as tall as its rows need, whatever fact it showed
    // before.
    void widokWartosciWgWierszy()
    {
        StanowiskoGui s(m_komunikaty, qPrintable(kociolZTrajektoria()));
        TFormGlowne &g = *s.glowne;
        g.akcja(Akcja::OtwTabFakt)->trigger();
        TFormWizWartFaktWylicz *widok = g.formTabFakt()->widokWartosciPosr();
        QList<int> wysokosci;
        for (int fakt : {106, 108, 106}) { // two values, three, two again
            QVERIFY(g.formTabFakt()->zbiorFakt()->znajdz("IdFakt", fakt));
            g.formTabFakt()->findChild<QPushButton *>(QStringLiteral("przyciskWartPosr"))->click();
            QVERIFY(widok->isVisible());
            QTest::qWait(5);
            wysokosci << widok->height();
            widok->przyciskZamknij()->click();
        }
        QVERIFY(wysokosci[1] > wysokosci[0]);
        QCOMPARE(wysokosci[2], wysokosci[0]);
    }

    // Every caption of the input dialog, the conclusions display and the views of enumerated
    // values takes the colour of its role (none stays black).
    void etykietyWKolorachRol_data()
    {
        QTest::addColumn<QString>("okno");
        QTest::newRow("input-fact dialog, enumerated") << "wartosc wyliczeniowa";
        QTest::newRow("input-fact dialog, scalar") << "wartosc";
        QTest::newRow("conclusions display") << "konkluzja";
        QTest::newRow("values of an input fact") << "wartosci wprowadzanego";
        QTest::newRow("values of a derived fact") << "wartosci posredniego";
    }
    void etykietyWKolorachRol()
    {
        QFETCH(QString, okno);
        StanowiskoGui s(m_komunikaty, qPrintable(kociolZTrajektoria()));
        TFormGlowne &g = *s.glowne;
        const TParKonfig &k = g.kontekst().konfig;
        QWidget *w = nullptr;
        if (okno.startsWith(u"wartosc ") || okno == u"wartosc") {
            TKontekstCzytFakt kont;
            kont.kodSyst = 1;
            kont.fakt = *dostep::fakt(g.kontekst().baza, okno == u"wartosc" ? 101 : 103);
            kont.wartosci = dostep::wartosciFaktu(g.kontekst().baza, kont.fakt.IdFakt);
            g.wnioskowanie().formCzytFaktWnios()->przygotuj(kont);
            w = g.wnioskowanie().formCzytFaktWnios();
        } else if (okno == u"konkluzja") {
            w = g.wnioskowanie().formWizKonkl();
        } else {
            g.akcja(Akcja::OtwTabFakt)->trigger();
            const bool wprowadzany = okno == u"wartosci wprowadzanego";
            QVERIFY(g.formTabFakt()->zbiorFakt()->znajdz("IdFakt", wprowadzany ? 103 : 106));
            auto *wartosci = g.formTabFakt()->findChild<QPushButton *>(
                wprowadzany ? QStringLiteral("przyciskWartWpr") : QStringLiteral("przyciskWartPosr"));
            QVERIFY(wartosci && wartosci->isVisibleTo(g.formTabFakt()));
            wartosci->click();
            w = wprowadzany ? static_cast<QWidget *>(g.formTabFakt()->widokWartosciWpr())
                            : g.formTabFakt()->widokWartosciPosr();
        }
        w->show();
        const QList<QColor> role = {kolorQt(k.KolCzcCzyn), kolorQt(k.KolCzcBier), kolorQt(k.KolCzcPomoc)};
        int sprawdzone = 0;
        for (QLabel *l : w->findChildren<QLabel *>()) {
            if (!l->isVisibleTo(w) || l->text().isEmpty())
                continue;
            QVERIFY2(role.contains(l->palette().color(QPalette::WindowText)), qPrintable(l->text()));
            ++sprawdzone;
        }
        for (QGroupBox *g : w->findChildren<QGroupBox *>()) {
            if (!g->isVisibleTo(w) || g->title().isEmpty())
                continue;
            QVERIFY2(role.contains(g->palette().color(QPalette::WindowText)), qPrintable(g->title()));
            ++sprawdzone;
        }
        QVERIFY(sprawdzone >= 4);
    }

    // The rule editor keeps its size and its buttons whatever the type of the fact chosen
    // (operators and the value, constant or literal row change with it).
    void edytorNaMiejscu()
    {
        StanowiskoGui s(m_komunikaty, qPrintable(kociolZTrajektoria()));
        TFormGlowne &g = *s.glowne;
        g.akcja(Akcja::OtwTabReg)->trigger();
        g.formTabReg()->wywolajEdytor();
        TFormEdytorReg *e = g.formTabReg()->edytor();
        QVERIFY(e->isVisible());
        QTest::qWait(10);
        const QRect wolne = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect okienko = e->geometry();
        QVERIFY(wolne.contains(e->frameGeometry()));
        MiejscaPrzyciskow miejsca;
        QVERIFY(e->faktyKody()->count() >= 9);
        for (int czlon = 0; czlon < 2; ++czlon) {
            e->ustawCzlon(czlon == 0 ? TFormEdytorReg::Czlon::Przes : TFormEdytorReg::Czlon::Konkl);
            for (int i = 0; i < e->faktyKody()->count(); ++i) {
                e->wybierzFakt(i);
                QTest::qWait(5);
                QCOMPARE(e->geometry(), okienko);
                const QString ruszony = przesuniety(e, miejsca, [&](const QPushButton *p) {
                    return QStringLiteral("%1 %2, fakt %3").arg(p->objectName(), p->text()).arg(i);
                });
                QVERIFY2(ruszony.isEmpty(), qPrintable(ruszony));
            }
        }
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
