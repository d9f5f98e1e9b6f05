#pragma once
// The last inference run of a knowledge base, as its trajectory tells it: for each system the
// trajectory table holds the steps of its last run. From the steps and the rules this class
// reads the run's method, its main hypothesis (backward and mixed runs), every firing with
// the conclusion it wrote, the conclusions in the order they were first reached, the
// conclusions the run showed to the user with the aggregated CF the display showed, and the
// aggregated CF of any conclusion over the firings before a step.

#include "app/ParKonfig.h"
#include "store/Rekordy.h"

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

namespace tremida {

class Baza;

// A conclusion cut by the conclusion scanner: the fact's name and the value. Two conclusion
// texts that give the same fact and value write the same thing and are one conclusion here.
struct TKluczKonkl {
    QString fakt;
    QString wartosc;
    bool operator==(const TKluczKonkl &) const = default;
};

// The key of a conclusion text; no value when the text holds no complete "[fact] op [value]".
std::optional<TKluczKonkl> kluczKonkluzji(const QString &tekst);

// One fired step of the run.
struct TOdpalenie {
    int indeks = 0;       // index of the step in TPrzebiegWnios::kroki
    int krok = 0;         // IdKrokTraj
    int idReg = 0;
    QString kierunek;     // KierWniTraj
    double cf = 0.0;      // CFKonklRegTraj, the CF the conclusion was written with
    QString konkl;        // the rule's conclusion text now; empty when the rule is gone
    std::optional<TKluczKonkl> klucz;
};

// A conclusion the run reached: its text (that of its first firing) and key.
struct TKonkluzjaPrzebiegu {
    QString tekst;
    TKluczKonkl klucz;
};

// A conclusion shown to the user: the firing that showed it and the aggregated CF beside it.
struct TPokazana {
    int odpalenie = 0; // index in TPrzebiegWnios::odpalenia
    double cfZagreg = 0.0;
};

// What of a run's trajectory is read: every step, or only the fired ones (all that the trees
// of fired rules and the list of conclusions need, a small part of a long run).
enum class TZakresKrokow { Wszystkie, Odpalenia };

class TPrzebiegWnios {
public:
    // Reads the system's record, trajectory and rules (and any rule a step names that now
    // belongs elsewhere). With TZakresKrokow::Odpalenia `kroki` holds only the fired steps,
    // so what is told of all the steps (method, hypothesis, their count) is not to be asked.
    // False when the system does not exist; read failures are recorded in the database
    // (Baza::blad) and leave what was read.
    bool wczytaj(Baza &baza, int kodSyst, TZakresKrokow zakres = TZakresKrokow::Wszystkie);

    int kodSyst = 0;
    QString nazSyst;
    QList<TRekTraj> kroki;
    QList<TOdpalenie> odpalenia;

    bool pusty() const { return kroki.isEmpty(); }
    // The rule of a code as it is now; nullptr when it is not in the rules table.
    const TRekReg *regula(int idReg) const;
    // The system's rules in key order.
    const QList<TRekReg> &regulySystemu() const { return m_regulySystemu; }

    // "wnioskowanie w przód", "wnioskowanie wstecz", "wnioskowanie mieszane", each of the
    // last two followed by " z falsyfikacją hipotezy głównej" when the run went on to
    // falsification; empty without steps.
    QString metoda() const;
    // The main hypothesis of a backward or mixed run: the conclusion of the rules examined
    // first. A forward run keeps no trace of its hypothesis: no value.
    std::optional<QString> hipoteza() const;
    // The date of the run's first step as stored ("5.3.2024"); empty without steps.
    QString data() const;
    // Whether a step of the direction ("w przod", "wstecz", "falsyf") was made.
    bool maKierunek(const QString &kierunek) const;

    // The conclusions reached, each once, in the order of their first firing.
    QList<TKonkluzjaPrzebiegu> konkluzje() const;
    // The firings (indices) whose conclusion has the key, made before step `przedKrokiem`.
    QList<int> odpaleniaKonkluzji(const TKluczKonkl &klucz, int przedKrokiem = INT_MAX) const;
    // The firings (indices) of conclusions about the fact, before step `przedKrokiem`.
    QList<int> odpaleniaFaktu(const QString &fakt, int przedKrokiem = INT_MAX) const;
    // The conclusions shown to the user, in order: in a forward run every firing (in the
    // forward phase of a mixed run those of the main hypothesis), in a backward run the
    // firings of the main hypothesis, in falsification those of the falsifying conclusions
    // (the other conclusions about the hypothesis's fact). Each carries the aggregated CF
    // of its display: the CFs of the rules of the same conclusion text fired so far in the
    // same direction, each rule with the CF of its last firing, by the s-norm SNormaKonkl.
    QList<TPokazana> pokazane(const TParKonfig &konfig) const;
    // The aggregated CF of firings (indices): each rule once with the CF of its last
    // firing among them, in ascending rule code, by the s-norm SNormaKonkl.
    static double zagregowany(const QList<TOdpalenie> &wszystkie, const QList<int> &odpalenia,
                              const TParKonfig &konfig);

private:
    QHash<int, TRekReg> m_reguly;
    QList<TRekReg> m_regulySystemu;
};

} // namespace tremida
