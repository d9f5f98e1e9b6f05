#pragma once
// Backward chaining: a resumable run that tries to prove one main hypothesis. It evaluates
// the rules concluding the hypothesis; when their premises stay UNKNOWN for want of derived
// facts it proves auxiliary hypotheses (the conclusions of the rules about those facts)
// first, iteration after iteration, until a hypothesis rule can fire or an iteration fires
// no new rule. Each rule proving the hypothesis is shown to the user, one per pause. A run
// that fails offers falsification, which works on this run's state with the same iterations
// (its operations are those of TFalsHip, defined in FalsHip.cpp).
//
// Run API (used by the windows and by tremida-cli):
//   Przygotuj   the launcher's backward preparation (rule list, conclusions for the list box);
//   PrzygotujListe  the preparation for mixed inference;
//   Start       starts a run, or continues a paused one;
//   Dalej       the conclusions display's continue button;
//   Zamknij     the display's close button (the run goes on to its next display or its end);
//   Porzuc      the paused run is left where it stands;
//   czyWstrzymany / tryb / czyUdowodniona / czyFalsyfikacjaPrzygotowana / listaReg  state queries.

#include "SilnikWnios.h"
#include "WniosWPrzod.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace tremida {

class Baza;

// Which run the backward procedure serves.
enum class TrybWstecz {
    Samodzielny,      // standalone backward chaining
    PierwszyPrzebieg, // first backward pass of mixed inference (resets; fails silently)
    DrugiPrzebieg,    // second backward pass of mixed inference (no reset; offers falsification)
};

// A falsification candidate: a conclusion about the hypothesis fact other than the hypothesis.
struct TKandydatFals {
    int IdReg = 0;
    QString konkl;
    bool zaznaczony = false;
};

// A rule that can fire, with its conclusion CF.
struct TRegGotowa {
    int IdReg = 0;
    double cfKonkl = 0.0;
};

struct TStanWniosWstecz {
    TrybWstecz tryb = TrybWstecz::Samodzielny;
    int hipFakt = 0;
    QList<int> regulyHip;            // rules concluding the goal in hand
    QList<TKandydatFals> kandydaci;  // falsification candidates, in rule-list order
    int iteracja = 0;
    QList<TRegGotowa> gotowe;        // ready rules of the goal in hand
    QList<int> bezWartosci;          // facts without value of this iteration, first report first
    QList<int> regulyPom;            // auxiliary rules of this iteration
    QStringList hipPom;              // auxiliary hypotheses: a work list that grows
    bool noweOdpalenie = false;
    int pozycja = 0;                 // ready rules shown so far
    double cfZagreg = 0.0;

    // Falsification.
    bool falsyfPrzygotowana = false; // the falsification form has been offered
    int kandydat = 0;                // number (from 1) of the candidate being proved
    bool sfalsyfikowana = false;
    bool wstrzymanaFals = false;     // a conclusion of the falsification run is shown
};

class TWniosWstecz : public TSilnikWnios {
public:
    TWniosWstecz(Baza &baza, const TParKonfig &konfig, TSesjaWnios &sesja, TUzytkownikWnios &uzytkownik)
        : TSilnikWnios(Kierunek::Wstecz, baza, konfig, sesja, uzytkownik)
    {
    }

    // StartWniosWstecz: continues a paused run; otherwise starts a new one. Standalone (the
    // context is not in mixed inference) it takes `hipoteza`, the form's edit text; in a
    // mixed pass the context's main hypothesis.
    // Wstrzymany: a conclusion is shown and `czyUdowodniona()` is true. Zakonczony: the run
    // ended (final message, failure with or without the falsification offer, or silently in
    // the first mixed pass). Przerwany: stopped by an error message.
    WynikPrzebiegu Start(const QString &hipoteza = QString());

    // DalejWniosWstecz: shows the next ready rule or ends the run with its final message.
    WynikPrzebiegu Dalej();

    // The display's close button: standalone, a new choice of system is required and the run
    // goes on as with Dalej; in a mixed pass nothing happens (the run stays paused).
    WynikPrzebiegu Zamknij();

    TrybWstecz tryb() const { return stan.tryb; }
    // True after a failed run offered falsification (F1 or F2 shown and the form offered).
    bool czyFalsyfikacjaPrzygotowana() const { return stan.falsyfPrzygotowana; }

    // Falsification of the hypothesis on the state of the failed run (see TFalsHip).
    WynikPrzebiegu StartFals(const QList<int> &zaznaczone);
    WynikPrzebiegu DalejFals();
    WynikPrzebiegu ZamknijFals();
    void PrzerwijFals();
    bool czyFalsWstrzymana() const { return stan.wstrzymanaFals; }
    bool czySfalsyfikowana() const { return stan.sfalsyfikowana; }
    QStringList kandydaciFals() const;

private:
    enum class WynikIteracji { Gotowe, Niewykazana, Przerwanie };

    WynikPrzebiegu start(const QString &hipoteza);

    // Static facts about the conclusion of one rule of the rule list, read once per run (rules,
    // facts and constants do not change while a run works).
    struct TKonklReg {
        int idFakt = 0;
        bool operOk = true;   // the operator is "="
        bool stalaObl = false; // the value names a computed constant (not for enumerated facts)
        int konkl = 0;         // number of the rule's conclusion text among the distinct ones
        QString wart;
        QString kod;           // the rule's code as the session names the last rule used
    };

    // Reads conclusion text `tekst` and returns its fact's IdFakt; E1 / E2 (code of the last
    // rule used) and no value when the fact is missing or an input fact.
    std::optional<int> faktCelu(const QString &tekst);
    // Reads the conclusions of the rule list: hypothesis rules, candidates and the conclusion
    // table. False after E1 / E2.
    bool czytajKonkluzje();
    void ustawRegulyHip(const QString &cel);
    // Iterations from the current counter until one has ready rules (Gotowe), ends without
    // new firing (Niewykazana) or an error message stops the run (Przerwanie).
    WynikIteracji iteruj(TrybOceny tryb);
    // Evaluates rule `idReg` for the goal in hand: a ready rule joins the ready rules, an
    // UNKNOWN one adds its facts without value (counted in `nowe`). False after an abort.
    bool ocen(int idReg, TrybOceny tryb, int *nowe);
    // Gathers the auxiliary rules and hypotheses of the facts `fakty` from place `od` on.
    // False after an error message.
    bool ZbierzHipPom(const QList<int> &fakty, qsizetype od = 0);
    void dodajBezWart(const QList<int> &fakty, int *nowe);
    bool odpalPomocnicza(const TRegGotowa &g, const QString &cel, double cf, TrybOceny tryb);
    // Fires the next ready rule for goal `cel`: conclusion, rule marks, display filling,
    // trajectory row. False after an error message.
    bool odpalGotowa(TrybOceny tryb, const QString &cel);
    WynikPrzebiegu pokazNastepna();
    WynikPrzebiegu porazka();
    WynikPrzebiegu koniecBledu();

    WynikPrzebiegu startFals(const QList<int> &zaznaczone);
    WynikPrzebiegu nastepnyKandydat();
    WynikPrzebiegu pokazNastepnaFals();
    WynikPrzebiegu koniecBleduFals();

    void nowyStan() override;

    TStanWniosWstecz stan;

    QList<TKonklReg> m_konkl;           // parallel to m_listaReg
    QHash<int, QList<int>> m_wgFaktu;   // fact -> indices into the rule list
    QList<int> m_specjalne;             // indices whose conclusion needs work in ZbierzHipPom
    QList<bool> m_czyHip;               // parallel to m_listaReg: the rule is in stan.regulyHip
    void ustawCzyHip();
    QSet<int> m_bezWartSet;             // stan.bezWartosci as a set
    QList<int> m_bezOceny;              // the facts without value one evaluation met (kept for its room)
    // The auxiliary hypotheses by conclusion number (TKonklReg::konkl): whether each is in
    // stan.hipPom, its positions in stan.regulyPom, the numbers of stan.hipPom in its order,
    // and the numbers used in this iteration (to clear them).
    QList<bool> m_jestHipPom;
    QList<QList<int>> m_pomWgKonkl;
    QList<int> m_hipPomKonkl;
    QList<int> m_uzyteKonkl;
    QList<int> m_regulyPomPoz;          // parallel to stan.regulyPom: places in m_listaReg
    void wyczyscHipPom();
};

} // namespace tremida
