#pragma once
// Forward chaining: a resumable run that examines the forward rules level by level, gathers
// the rules that may fire into the conflict set, fires one per iteration by the configured
// meta-rule, writes its conclusion and pauses at every conclusion shown to the user.

#include "SilnikWnios.h"

#include <QList>
#include <QString>
#include <optional>

namespace tremida {

class Baza;

struct TRegOdpal {
    int IdReg = 0;
    double cfKonkl = 0.0;
};

// The conflict set of one iteration.
struct TStosRegOdpal {
    int liczba = 0;
    std::optional<TRegOdpal> pierwsza;
    std::optional<TRegOdpal> najCFReg;
    double wartNajCFReg = -1.0;
    std::optional<TRegOdpal> najCFKonkl;
    double wartNajCFKonkl = -1.0;

    void zeruj() { *this = TStosRegOdpal(); }
    // Offers an accepted rule; a register changes hands only for a strictly greater value.
    void dodaj(int idReg, double cfReg, double cfKonkl);
    // The rule to fire by meta-rule `metaReg`.
    std::optional<TRegOdpal> wybierz(const QString &metaReg) const;
};

enum class TrybWPrzod { Samodzielny, FazaMieszana };

struct TStanWniosWPrzod {
    TrybWPrzod tryb = TrybWPrzod::Samodzielny;
    int hipFakt = 0;
    TListaReg listaReg;
    QList<int> regulyHip;
    int pozycja = 0;
    int iteracja = 0;
    TStosRegOdpal stos;
    TRegOdpal wybrana;
    bool odpalonaWczesniej = false;
    bool wstrzymany = false; // a conclusion is shown and the run waits for continue or close
};

// Run API: Przygotuj (launcher), PrzygotujListe (mixed inference), Start, Dalej (continue
// button), Zamknij (close button), Porzuc (the run is left where it stands); state queries
// czyWstrzymany, czyUdowodniona, listaReg.
class TWniosWPrzod : public TSilnikWnios {
public:
    using TSilnikWnios::TSilnikWnios;

    // The launcher's forward preparation: mode, rule list and the distinct conclusions for
    // the hypothesis list. False after H3 or H4.
    bool Przygotuj(QStringList &konkluzje);

    // The preparation for mixed inference: a new run state and the forward rule list (no
    // message of its own).
    WynikPrzygotowania PrzygotujListe(const PokazKomunikat &pokaz);

    // StartWniosWPrzod: with continuation requested it continues the paused run; otherwise it
    // starts a new run, standalone with the hypothesis text of the form (empty: none), or as
    // the forward phase of mixed inference with the inference context's hypothesis.
    WynikPrzebiegu Start(const QString &hipoteza = QString());

    // DalejWniosWPrzod: continues the paused run (the display's continue button).
    WynikPrzebiegu Dalej();

    // The display's close button: ends a standalone run with its message.
    void Zamknij();

    // The paused run is abandoned without a message: nothing continues it.
    void Porzuc() { stan.wstrzymany = false; }

    // Whether a conclusion is shown and the run waits for continue or close.
    bool czyWstrzymany() const { return stan.wstrzymany; }
    // The forward rules of the run, level by level.
    const TListaReg &listaReg() const { return stan.listaReg; }

private:
    enum class Krok { NowaIteracja, Badanie, Odpalenie };
    WynikPrzebiegu start(const QString &hipoteza);
    WynikPrzebiegu przebieg(Krok krok);
    WynikPrzebiegu koniecWyczerpania();
    // The run's state after a failure of the tables: nothing is paused any more.
    void poBledzie();

    TStanWniosWPrzod stan;
};

} // namespace tremida
