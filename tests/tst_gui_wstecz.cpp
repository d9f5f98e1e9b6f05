// Backward chaining, falsification and mixed inference driven through their windows: the
// method forms, the falsification form and the conclusions display's two process buttons.

#include "StanowiskoGui.h"
#include "TekstyWstecz.h"
#include "inference/TFormFalsHip.h"
#include "inference/TFormMetodyWnios.h"
#include "inference/TFormRealizWnios.h"
#include "inference/TFormWizKonkl.h"
#include "inference/TFormWybSyst.h"
#include "inference/TWnioskowanie.h"
#include "verify/TFormWeryf.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>

using namespace tremida;
using namespace tremida::gui;
using namespace tremida::test;

namespace {

const QString BRAK_ZAZNACZENIA =
    QStringLiteral("Nie zaznaczyłeś (-aś) żadnej konkluzji jako falsyfikującej. Nastąpi wyjście z opcji.");
const QString SFALSYFIKOWANA =
    QStringLiteral("   Hipoteza główna została sfalsyfikowana.\n\r   Nastąpi zakończenie procesu wnioskowania.");

QStringList pozycjeListy(const QListWidget *l)
{
    QStringList wynik;
    for (int i = 0; i < l->count(); ++i)
        wynik << l->item(i)->text();
    return wynik;
}

// Selects the list item with text `tekst` as a click would.
void wybierz(TFormMetodyWnios *forma, const QString &tekst)
{
    const auto znalezione = forma->lista()->findItems(tekst, Qt::MatchExactly);
    QVERIFY(!znalezione.isEmpty());
    forma->lista()->setCurrentItem(znalezione.first());
}

// System 1's trajectory as "rule|level|iteration|direction|fired|CF|reason" rows in step order.
QStringList trajektoria(Baza &baza)
{
    return wierszeZapytania(baza, QStringLiteral("SELECT KodRegTraj, PozRegTraj, IterRegTraj, KierWniTraj, CzyOdpalTraj, "
                                                 "CFKonklRegTraj, PrzyczNieOdpalTraj FROM trajektoria WHERE KodSyst=1 "
                                                 "ORDER BY IdKrokTraj"));
}

} // namespace

class TstGuiWstecz : public QObject {
    Q_OBJECT
    QStringList m_komunikaty;
    // The visible notice of the mixed form at each message (-1: none).
    QList<int> m_uwagiMiesz;
    // Whether the launcher was on screen at each message.
    QList<bool> m_wyrzutniaPrzyKomunikacie;
    TWnioskowanie *m_w = nullptr;

    // The main window on a working folder with `fixture` imported, `zmiany` run, system 1
    // chosen and the launcher shown.
    std::unique_ptr<GlowneTestowe> stanowisko(FolderRoboczy &f, const QString &fixture,
                                              const QStringList &zmiany = {})
    {
        auto o = std::make_unique<GlowneTestowe>(f.sciezka(), [this](const QString &t) { zapiszKomunikat(t); });
        Baza &baza = o->kontekst().baza;
        zalozWszystkieTabele(baza);
        importuj(baza, fixture);
        for (const QString &z : zmiany) {
            QSqlQuery q = baza.zapytanie();
            if (!q.exec(z))
                qWarning("SQL: %s", qPrintable(z));
        }
        o->kontekst().konfig.ProgCF = 0.05;
        o->kontekst().konfig.SNormaKonkl = konfig::Algebraiczna;
        m_w = &o->wnioskowanie();
        o->akcja(Akcja::WyborSyst)->trigger();
        m_w->formWybSyst()->przyciskOk()->click();
        o->kontekst().konfig.CzyPelnaWeryf = false;
        o->akcja(Akcja::WeryfBazy)->trigger();
        m_w->formWeryf()->przyciskStart()->click();
        m_w->formWeryf()->przyciskOk()->click();
        o->akcja(Akcja::RealizWnios)->trigger();
        m_komunikaty.clear();
        m_uwagiMiesz.clear();
        m_wyrzutniaPrzyKomunikacie.clear();
        return o;
    }

    static QList<bool> pozycje(TFormGlowne &o)
    {
        return {o.akcja(Akcja::CzytFaktPlik)->isEnabled(), o.akcja(Akcja::WeryfBazy)->isEnabled(),
                o.akcja(Akcja::RealizWnios)->isEnabled()};
    }

    // Backward chaining of [H]=[h] on the unprovable base, up to the falsification offer.
    void doFalsyfikacji()
    {
        m_w->formRealizWnios()->przyciskWstecz()->click();
        wybierz(m_w->formWniosWstecz(), QStringLiteral("[H]=[h]"));
        m_w->formWniosWstecz()->przyciskStart()->click();
    }

    // A message with the state of the windows when it was shown.
    void zapiszKomunikat(const QString &t)
    {
        m_komunikaty << t;
        m_uwagiMiesz << (m_w ? m_w->formWniosMiesz()->widocznaUwaga() : -1);
        m_wyrzutniaPrzyKomunikacie << (m_w && m_w->formRealizWnios()->isVisible());
    }

private slots:
    void init() { m_komunikaty.clear(); }
    void cleanup() { m_w = nullptr; }

    // Two ready rules: one display each with the CF aggregated so far, then the final
    // message, after which the form is left for the launcher.
    void wsteczDwieReguly()
    {
        FolderRoboczy f;
        auto o = stanowisko(f, DWIE_REGULY);
        TWnioskowanie &w = *m_w;
        w.formRealizWnios()->przyciskWstecz()->click();
        TFormMetodyWnios *forma = w.formWniosWstecz();
        QVERIFY(forma->isVisible());
        QCOMPARE(pozycjeListy(forma->lista()), QStringList{"[H]=[TRUE]"});

        // Start without a hypothesis: the message, and Start and OK stay usable.
        forma->przyciskStart()->click();
        QCOMPARE(m_komunikaty, QStringList{"Hipoteza główna nie została zdefiniowana, tj. wybrana z listy konkluzji. "
                                           "Nastąpi wyjście z opcji."});
        QVERIFY(!forma->przyciskStart()->isHidden());
        QCOMPARE(forma->widocznaUwaga(), -1);

        m_komunikaty.clear();
        wybierz(forma, QStringLiteral("[H]=[TRUE]"));
        forma->przyciskStart()->click();
        TFormWizKonkl *wiz = w.formWizKonkl();
        QCOMPARE(m_komunikaty, QStringList{udowodniona(2, 1, 1)});
        QVERIFY(wiz->isVisible());
        QCOMPARE(wiz->pole(QStringLiteral("kodReg"))->text(), QStringLiteral("1"));
        QCOMPARE(wiz->pole(QStringLiteral("cfZagreg"))->text(), QStringLiteral("0,6"));
        // During the run no second run can start; the notice stays while it waits.
        QVERIFY(forma->przyciskStart()->isHidden());
        QVERIFY(forma->przyciskOk()->isHidden());
        QCOMPARE(forma->widocznaUwaga(), 0);
        QVERIFY(w.wstrzymany());

        m_komunikaty.clear();
        wiz->przyciskKontynuuj()->click();
        QCOMPARE(m_komunikaty, QStringList{udowodniona(2, 2, 2)});
        QCOMPARE(wiz->pole(QStringLiteral("kodReg"))->text(), QStringLiteral("2"));
        QCOMPARE(wiz->pole(QStringLiteral("cfKonkl"))->text(), QStringLiteral("0,8"));
        QCOMPARE(wiz->pole(QStringLiteral("cfZagreg"))->text(), QStringLiteral("0,92"));

        m_komunikaty.clear();
        wiz->przyciskKontynuuj()->click();
        QCOMPARE(m_komunikaty, QStringList{"   Hipoteza główna została udowodniona ze zagregowanym CF konkluzji równym "
                                           "0,92.\n\r   Nastąpi zakończenie procesu wnioskowania."});
        QVERIFY(!wiz->isVisible());
        QVERIFY(!forma->isVisible());
        QVERIFY(w.formRealizWnios()->isVisible());
        QVERIFY(!forma->przyciskStart()->isHidden());
        QVERIFY(!w.wstrzymany());
        // Continuing to the end does not ask for a new choice of system.
        QCOMPARE(pozycje(*o), QList<bool>({true, true, true}));
    }

    // A failed backward run offers falsification; the user selects a candidate, which is
    // proven by two rules, each shown in turn, and the hypothesis is falsified.
    void falsyfikacja()
    {
        FolderRoboczy f;
        auto o = stanowisko(f, QStringLiteral("wnios_wstecz.json"), NIEUDOWODNIONA);
        TWnioskowanie &w = *m_w;
        doFalsyfikacji();
        QCOMPARE(m_komunikaty.size(), 1);
        QVERIFY(m_komunikaty.first().contains(QStringLiteral("jest więcej niż jedna taka konkluzja")));
        TFormFalsHip *fals = w.formFalsHip();
        QVERIFY(fals->isVisible());
        QVERIFY(!w.formWniosWstecz()->isVisible());
        QCOMPARE(fals->windowTitle(), QStringLiteral("FALSYFIKACJA HIPOTEZY GŁÓWNEJ"));
        QCOMPARE(fals->poleHipotezy()->text(), QStringLiteral("[H]=[h]"));
        QCOMPARE(pozycjeListy(fals->lista()), QStringList({"[H]=[g]", "[H] = [h]"}));
        QVERIFY(fals->lista()->selectedItems().isEmpty());
        QCOMPARE(fals->lista()->selectionMode(), QAbstractItemView::ExtendedSelection);

        // Start with nothing selected: the message; the form stays ready.
        m_komunikaty.clear();
        fals->przyciskStart()->click();
        QCOMPARE(m_komunikaty, QStringList{BRAK_ZAZNACZENIA});
        QVERIFY(fals->isVisible());
        QVERIFY(!fals->przyciskStart()->isHidden());

        // Selecting items leaves the main hypothesis in its edit.
        m_komunikaty.clear();
        fals->lista()->item(0)->setSelected(true);
        QCOMPARE(fals->poleHipotezy()->text(), QStringLiteral("[H]=[h]"));
        fals->przyciskStart()->click();
        QCOMPARE(m_komunikaty, QStringList{falsUdowodniona(1, 2, 1, 3)});
        TFormWizKonkl *wiz = w.formWizKonkl();
        QVERIFY(wiz->isVisible());
        QCOMPARE(wiz->pole(QStringLiteral("konklReg"))->text(), QStringLiteral("[H]=[g]"));
        QCOMPARE(wiz->pole(QStringLiteral("kodReg"))->text(), QStringLiteral("3"));
        QVERIFY(fals->przyciskStart()->isHidden());
        QCOMPARE(fals->widocznaUwaga(), 0);

        m_komunikaty.clear();
        wiz->przyciskKontynuuj()->click();
        QCOMPARE(m_komunikaty, QStringList{falsUdowodniona(1, 2, 2, 4)});
        QCOMPARE(wiz->pole(QStringLiteral("kodReg"))->text(), QStringLiteral("4"));

        m_komunikaty.clear();
        wiz->przyciskKontynuuj()->click();
        QCOMPARE(m_komunikaty, QStringList{SFALSYFIKOWANA});
        QVERIFY(!wiz->isVisible());
        QVERIFY(!fals->isVisible());
        QVERIFY(w.formRealizWnios()->isVisible());
        QVERIFY(!fals->przyciskStart()->isHidden());
        QVERIFY(!w.formWniosWstecz()->przyciskStart()->isHidden());
        QVERIFY(!w.wstrzymany());
    }

    // Leaving the falsification form, with its button or its close box, also while one of its
    // conclusions is shown, ends the falsification and shows the launcher: the display no
    // longer continues anything.
    void opuszczenieFalsyfikacji_data()
    {
        QTest::addColumn<bool>("wPauzie");
        QTest::addColumn<bool>("krzyzykiem");
        QTest::newRow("przed startem") << false << false;
        QTest::newRow("w pauzie") << true << false;
        QTest::newRow("close box before start") << false << true;
        QTest::newRow("close box while paused") << true << true;
    }
    void opuszczenieFalsyfikacji()
    {
        QFETCH(bool, wPauzie);
        QFETCH(bool, krzyzykiem);
        FolderRoboczy f;
        auto o = stanowisko(f, QStringLiteral("wnios_wstecz.json"), NIEUDOWODNIONA);
        TWnioskowanie &w = *m_w;
        doFalsyfikacji();
        TFormFalsHip *fals = w.formFalsHip();
        if (wPauzie) {
            fals->lista()->item(0)->setSelected(true);
            fals->przyciskStart()->click();
            QVERIFY(w.wstrzymany());
        }
        if (krzyzykiem)
            fals->close();
        else
            fals->przyciskPrzerwij()->click();
        QVERIFY(!fals->isVisible());
        QVERIFY(!w.formWizKonkl()->isVisible());
        QVERIFY(w.formRealizWnios()->isVisible());
        QVERIFY(!w.wstrzymany());
        QVERIFY(!w.fals().czyPrzygotowana());
        m_komunikaty.clear();
        w.formWizKonkl()->przyciskKontynuuj()->click();
        QVERIFY(m_komunikaty.isEmpty());
    }

    // Only a forward rule concludes [D]=[d]: the first backward pass fails silently, the
    // forward phase proves the hypothesis under its own notice, and its continuation ends
    // the mixed run.
    void mieszaneFazaWPrzod()
    {
        FolderRoboczy f;
        auto o = stanowisko(f, QStringLiteral("wnios_wstecz.json"));
        TWnioskowanie &w = *m_w;
        w.formRealizWnios()->przyciskMiesz()->click();
        TFormMetodyWnios *forma = w.formWniosMiesz();
        QVERIFY(forma->isVisible());
        QVERIFY(pozycjeListy(forma->lista()).contains(QStringLiteral("[D]=[d]")));
        wybierz(forma, QStringLiteral("[D]=[d]"));
        forma->przyciskStart()->click();
        QCOMPARE(m_komunikaty, QStringList{"Hipoteza główna została udowodniona na podstawie reguły o kodzie 6.\n\r"
                                           "Zostanie zwizualizowany formularz konkluzji reguły.\n\rZagregowany CF "
                                           "konkluzji będzie obliczany i wizualizowany na tym formularzu sukcesywnie."});
        // The message came while the notice of the forward phase (the second) was shown.
        QCOMPARE(m_uwagiMiesz, QList<int>{1});
        QCOMPARE(forma->widocznaUwaga(), -1);
        QCOMPARE(w.miesz().faza(), FazaMiesz::WPrzod);
        TFormWizKonkl *wiz = w.formWizKonkl();
        QVERIFY(wiz->isVisible());
        QCOMPARE(wiz->pole(QStringLiteral("kodReg"))->text(), QStringLiteral("6"));

        m_komunikaty.clear();
        wiz->przyciskKontynuuj()->click();
        QCOMPARE(m_komunikaty, QStringList{"W fazie wnioskowania w przód procesu wnioskowania mieszanego nastąpiło "
                                           "wykazanie hipotezy głównej. Proces wnioskowania mieszanego zostanie "
                                           "zakończony."});
        QVERIFY(!wiz->isVisible());
        QVERIFY(!forma->isVisible());
        QVERIFY(w.formRealizWnios()->isVisible());
        QCOMPARE(pozycje(*o), QList<bool>({false, false, false}));
    }

    // The display's close button on the last conclusion of a backward run or a falsification:
    // the final message comes first, then the run's form is hidden, then the launcher appears.
    void zamkniecieNaKoncu_data()
    {
        QTest::addColumn<QString>("tryb");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("backward") << "wstecz"
                                  << "   Hipoteza główna została udowodniona ze zagregowanym CF konkluzji równym "
                                     "0,92.\n\r   Nastąpi zakończenie procesu wnioskowania.";
        QTest::newRow("falsification") << "falsyfikacja" << SFALSYFIKOWANA;
    }
    void zamkniecieNaKoncu()
    {
        QFETCH(QString, tryb);
        QFETCH(QString, komunikat);
        FolderRoboczy f;
        const bool wstecz = tryb == u"wstecz";
        auto o = stanowisko(f, wstecz ? DWIE_REGULY : QStringLiteral("wnios_wstecz.json"),
                            wstecz ? QStringList{} : NIEUDOWODNIONA);
        TWnioskowanie &w = *m_w;
        TFormMetodyWnios *forma = w.formWniosWstecz();
        if (wstecz) {
            w.formRealizWnios()->przyciskWstecz()->click();
            wybierz(forma, QStringLiteral("[H]=[TRUE]"));
            forma->przyciskStart()->click();
        } else {
            doFalsyfikacji();
            forma = w.formFalsHip();
            forma->lista()->item(0)->setSelected(true);
            forma->przyciskStart()->click();
        }
        // To the last conclusion of the run.
        TFormWizKonkl *wiz = w.formWizKonkl();
        wiz->przyciskKontynuuj()->click();
        QVERIFY(wiz->isVisible());
        QVERIFY(forma->isVisible());
        m_komunikaty.clear();
        m_wyrzutniaPrzyKomunikacie.clear();
        QList<bool> formaPrzyKomunikacie;
        o->dialogi().naKomunikat = [&](const QString &t) {
            m_komunikaty << t;
            m_wyrzutniaPrzyKomunikacie << w.formRealizWnios()->isVisible();
            formaPrzyKomunikacie << forma->isVisible();
        };
        wiz->przyciskZamknij()->click();
        QCOMPARE(m_komunikaty, QStringList{komunikat});
        QCOMPARE(m_wyrzutniaPrzyKomunikacie, QList<bool>{false});
        QCOMPARE(formaPrzyKomunikacie, QList<bool>{true});
        QVERIFY(!forma->isVisible());
        QVERIFY(!wiz->isVisible());
        QVERIFY(w.formRealizWnios()->isVisible());
        QCOMPARE(pozycje(*o), QList<bool>({false, false, false}));
    }

    // A mixed run paused at a conclusion: Start on the mixed form continues the paused phase as
    // the display's continue button does, so the run gives the messages and the trajectory of a
    // run continued from the display.
    void mieszaneStartWPauzie_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("hipoteza");
        QTest::addColumn<QStringList>("komunikaty"); // after the first display
        QTest::newRow("first backward pass")
            << DWIE_REGULY << "[H]=[TRUE]"
            << QStringList{udowodniona(2, 2, 2), "   Hipoteza główna została udowodniona ze zagregowanym CF konkluzji "
                                                 "równym 0,92.\n\r   Nastąpi zakończenie procesu wnioskowania."};
        QTest::newRow("forward phase")
            << "wnios_wstecz.json" << "[D]=[d]"
            << QStringList{"W fazie wnioskowania w przód procesu wnioskowania mieszanego nastąpiło wykazanie hipotezy "
                           "głównej. Proces wnioskowania mieszanego zostanie zakończony."};
    }
    void mieszaneStartWPauzie()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, hipoteza);
        QFETCH(QStringList, komunikaty);
        QStringList trajektorie[2];
        for (const bool startem : {false, true}) {
            FolderRoboczy f;
            auto o = stanowisko(f, fixture);
            TWnioskowanie &w = *m_w;
            w.formRealizWnios()->przyciskMiesz()->click();
            TFormMetodyWnios *forma = w.formWniosMiesz();
            wybierz(forma, hipoteza);
            forma->przyciskStart()->click();
            QVERIFY(w.wstrzymany());
            m_komunikaty.clear();
            for (int i = 0; i < 10 && w.wstrzymany(); ++i) {
                QVERIFY(forma->isVisible());
                if (startem)
                    forma->przyciskStart()->click();
                else
                    w.formWizKonkl()->przyciskKontynuuj()->click();
            }
            QCOMPARE(m_komunikaty, komunikaty);
            QVERIFY(!w.wstrzymany());
            QVERIFY(!w.formWizKonkl()->isVisible());
            QVERIFY(!forma->isVisible());
            QVERIFY(w.formRealizWnios()->isVisible());
            trajektorie[startem] = trajektoria(o->kontekst().baza);
            m_w = nullptr;
        }
        QVERIFY(!trajektorie[0].isEmpty());
        QCOMPARE(trajektorie[1], trajektorie[0]);
    }

    // Mixed inference that proves nothing: the second pass offers falsification (shown
    // under the third notice), then the end message of mixed inference.
    void mieszaneBezDowodu()
    {
        FolderRoboczy f;
        auto o = stanowisko(f, QStringLiteral("wnios_wstecz.json"), NIEUDOWODNIONA);
        TWnioskowanie &w = *m_w;
        w.formRealizWnios()->przyciskMiesz()->click();
        wybierz(w.formWniosMiesz(), QStringLiteral("[H]=[h]"));
        w.formWniosMiesz()->przyciskStart()->click();
        QCOMPARE(m_komunikaty.size(), 2);
        QVERIFY(m_komunikaty.first().contains(QStringLiteral("jest więcej niż jedna taka konkluzja")));
        QCOMPARE(m_komunikaty.last(),
                 QStringLiteral("Proces wnioskowania mieszanego zakończył się. Hipoteza główna nie została wykazana."));
        QCOMPARE(m_uwagiMiesz, QList<int>({2, 2}));
        QVERIFY(!w.formWniosMiesz()->isVisible());
        QVERIFY(w.formFalsHip()->isVisible());
        QCOMPARE(pozycjeListy(w.formFalsHip()->lista()), QStringList({"[H]=[g]", "[H] = [h]"}));
    }

    // The display's close button in each backward mode: backward chaining and falsification
    // go on to their next display, ask for a new choice of system and show the launcher;
    // mixed inference only shows the launcher and keeps its run paused.
    void zamkniecie_data()
    {
        QTest::addColumn<QString>("tryb");
        QTest::addColumn<QString>("komunikat");
        QTest::addColumn<QString>("kodRegPo");
        QTest::addColumn<QList<bool>>("pozycjePo");
        QTest::newRow("wstecz") << "wstecz" << udowodniona(2, 2, 2) << "2" << QList<bool>({false, false, false});
        QTest::newRow("falsyfikacja") << "falsyfikacja" << falsUdowodniona(1, 2, 2, 4) << "4"
                                      << QList<bool>({false, false, false});
        QTest::newRow("mieszane") << "mieszane" << QString() << "1" << QList<bool>({true, true, true});
    }
    void zamkniecie()
    {
        QFETCH(QString, tryb);
        QFETCH(QString, komunikat);
        QFETCH(QString, kodRegPo);
        QFETCH(QList<bool>, pozycjePo);
        FolderRoboczy f;
        auto o = stanowisko(f, tryb == u"falsyfikacja" ? QStringLiteral("wnios_wstecz.json") : DWIE_REGULY,
                            tryb == u"falsyfikacja" ? NIEUDOWODNIONA : QStringList{});
        TWnioskowanie &w = *m_w;
        if (tryb == u"wstecz") {
            w.formRealizWnios()->przyciskWstecz()->click();
            wybierz(w.formWniosWstecz(), QStringLiteral("[H]=[TRUE]"));
            w.formWniosWstecz()->przyciskStart()->click();
        } else if (tryb == u"falsyfikacja") {
            doFalsyfikacji();
            w.formFalsHip()->lista()->item(0)->setSelected(true);
            w.formFalsHip()->przyciskStart()->click();
        } else {
            w.formRealizWnios()->przyciskMiesz()->click();
            wybierz(w.formWniosMiesz(), QStringLiteral("[H]=[TRUE]"));
            w.formWniosMiesz()->przyciskStart()->click();
        }
        TFormWizKonkl *wiz = w.formWizKonkl();
        QVERIFY(wiz->isVisible());
        QVERIFY(w.formRealizWnios()->isHidden());
        m_komunikaty.clear();
        wiz->przyciskZamknij()->click();
        QCOMPARE(m_komunikaty, komunikat.isEmpty() ? QStringList{} : QStringList{komunikat});
        QVERIFY(wiz->isVisible());
        QVERIFY(!wiz->przyciskKontynuuj()->isHidden());
        QCOMPARE(wiz->pole(QStringLiteral("kodReg"))->text(), kodRegPo);
        QVERIFY(w.formRealizWnios()->isVisible());
        QCOMPARE(pozycje(*o), pozycjePo);
        QVERIFY(w.wstrzymany());
    }
};

QTEST_MAIN(TstGuiWstecz)
#include "tst_gui_wstecz.moc"
