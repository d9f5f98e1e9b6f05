// The inference windows end to end: the choice of a knowledge base, verification, the
// launcher, a forward run stepped through its conclusions display, the input-fact dialog,
// the enabling of the three inference commands along the road, and the display's buttons.

#include "StanowiskoGui.h"
#include "WierszeLogiczne.h"
#include "inference/DostepWnios.h"
#include "inference/KursorPracy.h"
#include "inference/TFormCzytFaktWnios.h"
#include "inference/TFormMetodyWnios.h"
#include "inference/TFormRealizWnios.h"
#include "inference/TFormWizKonkl.h"
#include "inference/TFormWybSyst.h"
#include "inference/TFormCzytFakt.h"
#include "inference/TFormFalsHip.h"
#include "inference/TWnioskowanie.h"
#include "verify/TFormWeryf.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

using namespace tremida;
using namespace tremida::gui;
using namespace tremida::test;

namespace {


// Answers every input dialog that opens with the next action of the queue (the dialog is
// given to the action, which fills it and presses OK or leaves it).
class Odpowiadacz : public QObject {
public:
    std::deque<std::function<void(TFormCzytFaktWnios *)>> odpowiedzi;
    int pytania = 0;

    Odpowiadacz()
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *d = qobject_cast<TFormCzytFaktWnios *>(QApplication::activeModalWidget());
            if (!d || !d->isVisible())
                return;
            ++pytania;
            if (odpowiedzi.empty()) {
                d->reject();
                return;
            }
            auto o = odpowiedzi.front();
            odpowiedzi.pop_front();
            o(d);
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};

std::function<void(TFormCzytFaktWnios *)> skalar(const QString &wartosc, const QString &cf)
{
    return [=](TFormCzytFaktWnios *d) {
        d->poleWartosci()->setText(wartosc);
        d->poleCF()->setText(cf);
        d->przyciskOk()->click();
    };
}

std::function<void(TFormCzytFaktWnios *)> zamknijOknem()
{
    return [](TFormCzytFaktWnios *d) { d->reject(); };
}

QString wartFaktu(Baza &baza, int idFakt) { return dostep::fakt(baza, idFakt)->WartFakt; }

const QString H2 = QStringLiteral("Hipoteza główna nie została zdefiniowana, tj. wybrana z listy konkluzji. Przy "
                                  "wnioskowaniu w przód nie jest to wymagane. W procesie wnioskowania zostaną "
                                  "zwizualizowane wszystkie możliwe konkluzje.");
const QString H1 = QStringLiteral("Hipoteza główna została zdefiniowana, tj. wybrana z listy konkluzji. W procesie "
                                  "wnioskowania zostaną zwizualizowane wyłącznie konkluzje zgodne z hipotezą główną.");
const QString A1 = QStringLiteral("Została przypisana wartość do faktu. Proces wnioskowania będzie kontynuowany.");
const QString N = QStringLiteral("Nadal nie przypisałeś żadnej wartości do faktu. Proces wnioskowania będzie "
                                 "kontynuowany,\n\rjednak reguły mające ten fakt w polu przesłankowym mogą nie zostać "
                                 "\"odpalone\".");
const QString H9 = QStringLiteral("Zakończenie procesu wnioskowania w przód na skutek wyczerpania możliwości procesu.");
const QString Wybrany = QStringLiteral(
    "System ekspercki (baza wiedzy) do procesu wnioskowania został wybrany. Celem kontynuacji procesu wnioskowania, "
    "jeśli masz zorganizowany i zapisany na dysk plik tekstowy wartości faktów wprowadzanych, to wybierz teraz opcję "
    "menu głównego Wnioskowanie-Wczytanie z pliku wartości faktów wprowadzanych. Jeśli natomiast taki plik nie "
    "istnieje, to wybierz od razu opcję menu głównego Wnioskowanie-Weryfikacja bazy wiedzy.");

} // namespace

class TstGuiWnios : public QObject, private TestStanowiska {
    Q_OBJECT
    TWnioskowanie &wnios() { return m_s->glowne->wnioskowanie(); }

    // The state of the three inference commands: reading files, verification, inference.
    QList<bool> pozycje()
    {
        return {glowne().akcja(Akcja::CzytFaktPlik)->isEnabled(), glowne().akcja(Akcja::WeryfBazy)->isEnabled(),
                glowne().akcja(Akcja::RealizWnios)->isEnabled()};
    }

    // Choice of system 1, short verification and the launcher, checking the menu on the way.
    void doWyrzutni()
    {
        QCOMPARE(pozycje(), QList<bool>({false, false, false}));
        glowne().akcja(Akcja::WyborSyst)->trigger();
        QVERIFY(wnios().formWybSyst()->isVisible());
        QCOMPARE(wnios().formWybSyst()->poleKod()->text(), QStringLiteral("1"));
        QCOMPARE(wnios().formWybSyst()->poleNazwa()->text(), QStringLiteral("Kocioł"));
        wnios().formWybSyst()->przyciskOk()->click();
        QVERIFY(!wnios().formWybSyst()->isVisible());
        QCOMPARE(m_komunikaty.takeLast(), Wybrany);
        QCOMPARE(pozycje(), QList<bool>({true, true, false}));
        QCOMPARE(wnios().sesja.LicznikKrokow, 57);

        // A visit to the database menu asks for a new choice.
        emit glowne().menuBazaDanych()->aboutToShow();
        QCOMPARE(pozycje(), QList<bool>({false, false, false}));
        glowne().akcja(Akcja::WyborSyst)->trigger();
        wnios().formWybSyst()->przyciskOk()->click();
        m_komunikaty.clear();

        glowne().kontekst().konfig.CzyPelnaWeryf = false;
        glowne().akcja(Akcja::WeryfBazy)->trigger();
        TFormWeryf *weryf = wnios().formWeryf();
        QVERIFY(weryf->isVisible());
        QCOMPARE(weryf->etykieta(0)->text(), QStringLiteral("Skrócona weryfikacja faktów:"));
        QVERIFY(weryf->etykieta(1)->isHidden());
        QVERIFY(weryf->przyciskOk()->isHidden());
        weryf->przyciskStart()->click();
        QCOMPARE(weryf->poleOk(0)->text(), QStringLiteral("OK"));
        QVERIFY(!weryf->przyciskOk()->isHidden());
        QVERIFY(weryf->przyciskZatrzymaj()->isHidden());
        weryf->przyciskOk()->click();
        QVERIFY(!weryf->isVisible());
        QCOMPARE(m_komunikaty,
                 QStringList{"Baza wiedzy została zweryfikowana. Celem kontynuacji procesu wnioskowania, wybierz teraz "
                             "opcję menu głównego Wnioskowanie-Realizacja procesu wnioskowania."});
        QCOMPARE(pozycje(), QList<bool>({true, true, true}));
        m_komunikaty.clear();
        glowne().akcja(Akcja::RealizWnios)->trigger();
        QVERIFY(wnios().formRealizWnios()->isVisible());
    }

    // The launcher and its forward-chaining button: the form of the forward run.
    TFormMetodyWnios *doWPrzod()
    {
        doWyrzutni();
        wnios().formRealizWnios()->przyciskWPrzod()->click();
        return wnios().formWniosWPrzod();
    }

    // The launcher, a forward run and its first conclusion (the temperature answered 600).
    void doPierwszejKonkluzji(Odpowiadacz &odp)
    {
        doWPrzod();
        odp.odpowiedzi.push_back(skalar(QStringLiteral("600"), QStringLiteral("1")));
        wnios().formWniosWPrzod()->przyciskStart()->click();
    }

private slots:
    void init()
    {
        // Every test starts from a fresh workstation over the boiler knowledge base.
        zalozStanowisko("wnios_kociol.json");
    }
    void cleanup() { zamknijStanowisko(); }

    // Forward chaining without a hypothesis: each fired rule pauses at the display; the
    // input dialog asks for the real and the enumerated input fact; the run ends by
    // exhaustion, disables the three commands and shows the launcher again.
    void wPrzodBezHipotezy()
    {
        TFormMetodyWnios *forma = doWPrzod();
        QVERIFY(forma->isVisible());
        QVERIFY(!wnios().formRealizWnios()->isVisible());
        QStringList lista;
        for (int i = 0; i < forma->lista()->count(); ++i)
            lista << forma->lista()->item(i)->text();
        QCOMPARE(lista, QStringList({"[stan]=[zły]", "[awaria]=[true]"}));

        Odpowiadacz odp;
        odp.odpowiedzi.push_back(skalar(QStringLiteral("600"), QStringLiteral("1")));
        forma->przyciskStart()->click();
        QCOMPARE(m_komunikaty.first(), H2);
        QVERIFY(m_komunikaty.contains(A1));
        TFormWizKonkl *wiz = wnios().formWizKonkl();
        QVERIFY(wiz->isVisible());
        QCOMPARE(wiz->pole(QStringLiteral("kodReg"))->text(), QStringLiteral("1"));
        QCOMPARE(wiz->pole(QStringLiteral("konklReg"))->text(), QStringLiteral("[stan]=[zły]"));
        QCOMPARE(wiz->pole(QStringLiteral("cfKonkl"))->text(), QStringLiteral("0,9"));
        QCOMPARE(wiz->pole(QStringLiteral("nazSyst"))->text(), QStringLiteral("Kocioł"));
        QVERIFY(!wiz->konkluzjaKoncowa());
        // No illustration of rule 1: every picture and film button hidden.
        QCOMPARE(wiz->pole(QStringLiteral("liczbaObrazow"))->text(), QStringLiteral("0"));
        QVERIFY(wiz->przyciskNastObraz()->isHidden());
        QVERIFY(wiz->przyciskNastFilm()->isHidden());
        QCOMPARE(wartFaktu(baza(), 1), QStringLiteral("600"));
        // While the run is paused the forward notice stays.
        QCOMPARE(forma->widocznaUwaga(), 0);

        // Continue: rule 2 asks for the colour, which the user leaves with the close box;
        // rule 3 then fires on the derived state.
        m_komunikaty.clear();
        odp.odpowiedzi.push_back(zamknijOknem());
        wiz->przyciskKontynuuj()->click();
        QCOMPARE(odp.pytania, 2);
        QVERIFY(m_komunikaty.contains(N));
        QCOMPARE(dostep::fakt(baza(), 2)->WartPoprzFakt, QStringLiteral("nzn"));
        QVERIFY(wiz->isVisible());
        QCOMPARE(wiz->pole(QStringLiteral("kodReg"))->text(), QStringLiteral("3"));
        QVERIFY(wiz->konkluzjaKoncowa());
        QCOMPARE(wiz->przyciskNastObraz()->text(), QStringLiteral("Pokaż obraz/zdjęcie"));
        QCOMPARE(wiz->przyciskNastFilm()->text(), QStringLiteral("Pokaż film"));
        QVERIFY(!wiz->przyciskPoprzObraz()->isVisibleTo(wiz));

        // Continue: nothing more fires; the colour marked "nzn" is not asked for again.
        m_komunikaty.clear();
        wiz->przyciskKontynuuj()->click();
        QCOMPARE(odp.pytania, 2);
        QCOMPARE(m_komunikaty, QStringList{H9});
        QVERIFY(!wiz->isVisible());
        QVERIFY(!forma->isVisible());
        QVERIFY(wnios().formRealizWnios()->isVisible());
        QCOMPARE(pozycje(), QList<bool>({false, false, false}));
        QCOMPARE(wartFaktu(baza(), 4), QStringLiteral("TRUE"));
    }

    // A step whose write another program's table refuses stops the run with the message
    // naming the table file; what the last pause committed stays, the step is undone.
    void bladZapisuWKroku_data()
    {
        QTest::addColumn<QString>("plik");
        QTest::addColumn<QString>("wyzwalacz");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("trajectory row") << "trajektoria.db" << "BEFORE INSERT ON trajektoria"
                                        << "Nie można zapisać zmian w tabeli trajektoria.db: zmiana odrzucona przez "
                                           "ograniczenie tabeli (odmowa).\n\rNastąpi przerwanie procesu wnioskowania.";
        // The value typed into the input dialog cannot be saved: the dialog closes.
        QTest::newRow("input fact's value") << "fakty.db" << "BEFORE UPDATE OF WartFakt ON fakty"
                                            << "Nie można zapisać zmian w tabeli fakty.db: zmiana odrzucona przez "
                                               "ograniczenie tabeli (odmowa).\n\rNastąpi przerwanie procesu "
                                               "wnioskowania.";
    }
    void bladZapisuWKroku()
    {
        QFETCH(QString, plik);
        QFETCH(QString, wyzwalacz);
        QFETCH(QString, komunikat);
        Odpowiadacz odp;
        doPierwszejKonkluzji(odp);
        QVERIFY(wnios().formWizKonkl()->isVisible());
        QSqlQuery q = baza().zapytanie();
        QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM trajektoria")) && q.next());
        const int wiersze = q.value(0).toInt();
        const int licznik = wnios().sesja.LicznikKrokow;
        q.finish();
        InnyProgram(m_s->folder.plik(plik)).sql(QStringLiteral("CREATE TRIGGER odmowa ") + wyzwalacz +
                                         QStringLiteral(" BEGIN SELECT RAISE(ABORT, 'odmowa'); END"));
        m_komunikaty.clear();
        odp.odpowiedzi.push_back(skalar(QStringLiteral("czerwony"), QStringLiteral("1")));
        wnios().formWizKonkl()->przyciskKontynuuj()->click();
        QVERIFY(!m_komunikaty.isEmpty());
        QCOMPARE(m_komunikaty.last(), komunikat);
        QCOMPARE(m_komunikaty.count(komunikat), 1);
        QVERIFY(!wnios().formWizKonkl()->isVisible());
        QVERIFY(!wnios().wstrzymany());
        QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM trajektoria")) && q.next());
        QCOMPARE(q.value(0).toInt(), wiersze);
        QCOMPARE(wnios().sesja.LicznikKrokow, licznik);
    }

    // While a run works the busy cursor is over the windows; a message or the input dialog
    // shown in the middle of it has the usual cursor; once the run waits at the display, or
    // has stopped on an error, no cursor of the run is left.
    void kursorPracy_data()
    {
        wierszeLogiczne("bladZapisu", {{"run paused at its display", false}, {"run stopped by a refused write", true}});
    }
    void kursorPracy()
    {
        QFETCH(bool, bladZapisu);
        doWyrzutni();
        if (bladZapisu) {
            InnyProgram inny(m_s->folder.plik(QStringLiteral("trajektoria.db")));
            inny.sql(QStringLiteral("CREATE TRIGGER odmowa BEFORE INSERT ON trajektoria "
                                    "BEGIN SELECT RAISE(ABORT, 'odmowa'); END"));
        }
        QStringList kursory; // at every message and question: the cursor shown, and whether a run works
        auto kursor = [&kursory](const QString &co) {
            const QCursor *c = QApplication::overrideCursor();
            kursory << co + (c ? (c->shape() == Qt::ArrowCursor ? " strzałka" : " inny") : " brak") +
                           (KursorPracy::czyPraca() ? " w pracy" : "");
        };
        glowne().dialogi().naKomunikat = [&](const QString &) { kursor(QStringLiteral("komunikat")); };
        Odpowiadacz odp;
        odp.odpowiedzi.push_back([&](TFormCzytFaktWnios *d) {
            kursor(QStringLiteral("pytanie"));
            skalar(QStringLiteral("600"), QStringLiteral("1"))(d);
        });
        wnios().formRealizWnios()->przyciskWPrzod()->click();
        wnios().formWniosWPrzod()->przyciskStart()->click();
        QVERIFY(!kursory.isEmpty());
        for (const QString &k : kursory)
            QVERIFY2(k.endsWith(QStringLiteral(" strzałka w pracy")), qPrintable(k));
        if (!bladZapisu)
            QCOMPARE(kursory.filter(QStringLiteral("pytanie")).size(), 1);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QVERIFY(!KursorPracy::czyPraca());
        QCOMPARE(wnios().formWizKonkl()->isVisible(), !bladZapisu);
    }

    // The display's close button ends a forward run with its message, whether the user uses
    // the button or the window's close box.
    void zamkniecieWPrzod_data()
    {
        wierszeLogiczne("zamknieciemOkna", {{"przycisk", false}, {"okno", true}});
    }
    void zamkniecieWPrzod()
    {
        QFETCH(bool, zamknieciemOkna);
        Odpowiadacz odp;
        doPierwszejKonkluzji(odp);
        QVERIFY(wnios().wstrzymany());
        m_komunikaty.clear();
        TFormWizKonkl *wiz = wnios().formWizKonkl();
        if (zamknieciemOkna)
            wiz->close();
        else
            wiz->przyciskZamknij()->click();
        QCOMPARE(m_komunikaty, QStringList{"Przerwanie procesu wnioskowania w przód przez użytkownika."});
        QVERIFY(!wiz->isVisible());
        QVERIFY(!wnios().wstrzymany());
        QVERIFY(wnios().formRealizWnios()->isVisible());
        QCOMPARE(pozycje(), QList<bool>({false, false, false}));
    }

    // With a hypothesis, rules with other conclusions fire silently and the proving rule is
    // announced before its display; Start pressed during the first pause starts anew.
    void wPrzodZHipoteza()
    {
        TFormMetodyWnios *forma = doWPrzod();
        forma->lista()->setCurrentRow(1);
        QCOMPARE(forma->poleHipotezy()->text(), QStringLiteral("[awaria]=[true]"));
        Odpowiadacz odp;
        odp.odpowiedzi.push_back(skalar(QStringLiteral("600"), QStringLiteral("1")));
        forma->przyciskStart()->click();
        QCOMPARE(m_komunikaty.first(), H1);
        QVERIFY(m_komunikaty.last().startsWith(
            QStringLiteral("Hipoteza główna została udowodniona na podstawie reguły o kodzie 3.")));
        QCOMPARE(wnios().formWizKonkl()->pole(QStringLiteral("kodReg"))->text(), QStringLiteral("3"));

        // Start during the first pause: a new run from the reset knowledge base, which asks
        // for the colour again (its "nzn" forgotten) but keeps the temperature.
        m_komunikaty.clear();
        const int przed = odp.pytania;
        forma->przyciskStart()->click();
        QCOMPARE(m_komunikaty.first(), H1);
        QVERIFY(odp.pytania > przed);
        QVERIFY(wnios().formWizKonkl()->isVisible());
        QCOMPARE(wnios().formWizKonkl()->pole(QStringLiteral("kodReg"))->text(), QStringLiteral("3"));
    }

    // Choosing another knowledge base while a run is paused abandons that run cleanly.
    void wyborPodczasPauzy()
    {
        Odpowiadacz odp;
        doPierwszejKonkluzji(odp);
        QVERIFY(wnios().wstrzymany());
        glowne().akcja(Akcja::WyborSyst)->trigger();
        wnios().formWybSyst()->ustawBiezacy(1);
        wnios().formWybSyst()->przyciskOk()->click();
        QVERIFY(!wnios().wstrzymany());
        QVERIFY(!wnios().formWizKonkl()->isVisible());
        QCOMPARE(wnios().sesja.KodSyst, 2);
        QCOMPARE(pozycje(), QList<bool>({true, true, false}));
        // The continue button of a display no longer shown cannot revive the old run.
        wnios().formWizKonkl()->przyciskKontynuuj()->click();
        QVERIFY(!wnios().wstrzymany());
    }

    // A new choice of knowledge base ends whatever belonged to the previous one: its windows
    // are hidden, and none of them can start an inference on the new choice, which has not been
    // verified.
    void nowyWyborKonczyOkna_data()
    {
        QTest::addColumn<QString>("okno");
        QTest::newRow("launcher") << "wyrzutnia";
        QTest::newRow("paused forward run") << "wstrzymany";
        QTest::newRow("backward form") << "wstecz";
        QTest::newRow("mixed form") << "mieszane";
        QTest::newRow("falsification form") << "falsyfikacja";
        QTest::newRow("input-fact file window") << "plik";
        QTest::newRow("verification form") << "weryfikacja";
    }
    void nowyWyborKonczyOkna()
    {
        QFETCH(QString, okno);
        Odpowiadacz odp;
        if (okno == u"wstrzymany") {
            doPierwszejKonkluzji(odp);
            QVERIFY(wnios().wstrzymany());
        } else {
            doWyrzutni();
        }
        QWidget *otwarte = wnios().formRealizWnios();
        if (okno == u"wstecz" || okno == u"mieszane") {
            (okno == u"wstecz" ? wnios().formRealizWnios()->przyciskWstecz() : wnios().formRealizWnios()->przyciskMiesz())->click();
            otwarte = okno == u"wstecz" ? static_cast<QWidget *>(wnios().formWniosWstecz()) : wnios().formWniosMiesz();
        } else if (okno == u"wstrzymany") {
            otwarte = wnios().formWniosWPrzod();
        } else if (okno == u"falsyfikacja") {
            wnios().pokazFalsyfikacje(QStringLiteral("[a]=[b]"), {QStringLiteral("[a]=[c]")});
            otwarte = wnios().formFalsHip();
        } else if (okno == u"plik") {
            glowne().akcja(Akcja::CzytFaktPlik)->trigger();
            otwarte = wnios().formCzytFakt();
        } else if (okno == u"weryfikacja") {
            glowne().akcja(Akcja::WeryfBazy)->trigger();
            otwarte = wnios().formWeryf();
        }
        QVERIFY(otwarte->isVisible());
        const QStringList trajektoria =
            wierszeZapytania(baza(), QStringLiteral("SELECT * FROM trajektoria ORDER BY IdKrokTraj"));
        const QStringList reguly = wierszeZapytania(baza(), QStringLiteral("SELECT * FROM reguly ORDER BY IdReg"));

        glowne().akcja(Akcja::WyborSyst)->trigger();
        wnios().formWybSyst()->ustawBiezacy(1);
        wnios().formWybSyst()->przyciskOk()->click();
        QCOMPARE(wnios().sesja.KodSyst, 2);
        QCOMPARE(m_komunikaty.takeLast(), Wybrany);
        QCOMPARE(pozycje(), QList<bool>({true, true, false}));
        for (QWidget *f : std::initializer_list<QWidget *>{
                 wnios().formRealizWnios(), wnios().formWniosWPrzod(), wnios().formWniosWstecz(), wnios().formWniosMiesz(), wnios().formFalsHip(),
                 wnios().formWizKonkl(), wnios().formCzytFakt(), wnios().formWeryf()})
            QVERIFY2(!f->isVisible(), qPrintable(f->objectName()));
        QVERIFY(!wnios().wstrzymany());

        // Buttons pressed on the windows of the old choice start nothing.
        m_komunikaty.clear();
        wnios().formRealizWnios()->przyciskWPrzod()->click();
        wnios().formRealizWnios()->przyciskWstecz()->click();
        wnios().formRealizWnios()->przyciskMiesz()->click();
        wnios().formWniosWPrzod()->przyciskStart()->click();
        wnios().formWniosWstecz()->przyciskStart()->click();
        wnios().formWniosMiesz()->przyciskStart()->click();
        wnios().formFalsHip()->przyciskStart()->click();
        wnios().formWizKonkl()->przyciskKontynuuj()->click();
        wnios().realizacja();
        QCOMPARE(m_komunikaty, QStringList{});
        QVERIFY(!wnios().formRealizWnios()->isVisible());
        QVERIFY(!wnios().formWniosWPrzod()->isVisible());
        QCOMPARE(wierszeZapytania(baza(), QStringLiteral("SELECT * FROM trajektoria ORDER BY IdKrokTraj")), trajektoria);
        QCOMPARE(wierszeZapytania(baza(), QStringLiteral("SELECT * FROM reguly ORDER BY IdReg")), reguly);
    }

    // A full verification that fails after a clean short one (OK pressed) leaves inference
    // unavailable: the command is disabled and the launcher of the earlier verification gone.
    void nieudanaWeryfikacja()
    {
        doWyrzutni();
        QSqlQuery q = baza().zapytanie();
        QVERIFY(q.exec(QStringLiteral("UPDATE reguly SET KierWniReg='w tyl' WHERE IdReg=1")));
        glowne().kontekst().konfig.CzyPelnaWeryf = true;
        glowne().akcja(Akcja::WeryfBazy)->trigger();
        wnios().formWeryf()->przyciskStart()->click();
        QCOMPARE(m_komunikaty.last(), QStringLiteral("Reguła o kodzie: 1.\n\rForma kierunku wnioskowania wadliwa.\n\r"
                                                     "Proces wnioskowania nie będzie możliwy."));
        QVERIFY(!wnios().formWeryf()->isVisible());
        QCOMPARE(pozycje(), QList<bool>({true, true, false}));
        QVERIFY(!wnios().formRealizWnios()->isVisible());
        m_komunikaty.clear();
        wnios().formRealizWnios()->przyciskWPrzod()->click();
        QVERIFY(!wnios().formWniosWPrzod()->isVisible());
        QCOMPARE(m_komunikaty, QStringList{});

        // A clean verification makes inference available again.
        QVERIFY(q.exec(QStringLiteral("UPDATE reguly SET KierWniReg='w przod' WHERE IdReg=1")));
        glowne().kontekst().konfig.CzyPelnaWeryf = false;
        glowne().akcja(Akcja::WeryfBazy)->trigger();
        wnios().formWeryf()->przyciskStart()->click();
        wnios().formWeryf()->przyciskOk()->click();
        QCOMPARE(pozycje(), QList<bool>({true, true, true}));
        glowne().akcja(Akcja::RealizWnios)->trigger();
        wnios().formRealizWnios()->przyciskWPrzod()->click();
        QVERIFY(wnios().formWniosWPrzod()->isVisible());
    }

    // The launcher shows the ten descriptive lines, two per row, and refuses a method
    // without rules.
    void wyrzutnia()
    {
        doWyrzutni();
        for (int i = 0; i < 10; ++i)
            wnios().sesja.LinieOpisu[i] = QStringLiteral("linia %1").arg(i + 1);
        glowne().akcja(Akcja::RealizWnios)->trigger();
        QCOMPARE(wnios().formRealizWnios()->poleOpisu(0)->text(), QStringLiteral("linia 1"));
        QCOMPARE(wnios().formRealizWnios()->poleOpisu(9)->text(), QStringLiteral("linia 10"));

        // System 2 has no rules at all.
        wnios().sesja.KodSyst = 2;
        wnios().formRealizWnios()->przyciskWPrzod()->click();
        QCOMPARE(m_komunikaty.takeLast(),
                 QStringLiteral("Brak reguł zadekretowanych do wnioskowania w przód. Nastąpi wyjście z opcji."));
        QVERIFY(!wnios().formWniosWPrzod()->isVisible());
        wnios().formRealizWnios()->przyciskWstecz()->click();
        QCOMPARE(m_komunikaty.takeLast(),
                 QStringLiteral("Brak reguł zadekretowanych do wnioskowania wstecz. Nastąpi wyjście z opcji."));
        wnios().formRealizWnios()->przyciskMiesz()->click();
        QCOMPARE(m_komunikaty,
                 QStringList({"Brak reguł zadekretowanych do wnioskowania wstecz. Wnioskowanie mieszane ograniczy się "
                              "tylko do fazy wnioskowania w przód.",
                              "Brak reguł zadekretowanych zarówno do wnioskowania wstecz jak i w przód. Nastąpi "
                              "wyjście z opcji."}));
        QVERIFY(!wnios().formWniosMiesz()->isVisible());

        // System 1: the mixed form offers the conclusions of rules of every direction.
        m_komunikaty.clear();
        wnios().sesja.KodSyst = 1;
        wnios().formRealizWnios()->przyciskMiesz()->click();
        QVERIFY(wnios().formWniosMiesz()->isVisible());
        QCOMPARE(wnios().formWniosMiesz()->lista()->count(), 3);
        QCOMPARE(wnios().formWniosMiesz()->widocznaUwaga(), -1);
    }
};

QTEST_MAIN(TstGuiWnios)
#include "tst_gui_wnios.moc"
