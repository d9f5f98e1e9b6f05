#pragma once
// The inference context: the chosen knowledge base, the trajectory step counter, the mode
// of the current run, and the preparation of the rule lists of each direction.

#include "app/ParKonfig.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace tremida {

class Baza;

// One rule of a rule list: its code and conclusion text.
struct TPozListyReg {
    int IdReg = 0;
    QString KonklReg;
    bool operator==(const TPozListyReg &) const = default;
};
using TListaReg = QList<TPozListyReg>;

// The run in hand, set by the launcher's preparations, by falsification and by the phases of
// mixed inference.
enum class TrybSesji {
    Brak,            // no run prepared
    WPrzod,          // standalone forward chaining
    Wstecz,          // standalone backward chaining
    Falsyfikacja,    // falsification of the hypothesis after a failed backward run
    Mieszane,        // mixed inference outside its phases
    MieszaneWstecz1, // mixed inference, first backward pass
    MieszaneWPrzod,  // mixed inference, forward phase
    MieszaneWstecz2, // mixed inference, second backward pass
};

struct TSesjaWnios {
    int KodSyst = 0;
    QString NazSyst;
    int LicznikKrokow = 0; // the last IdKrokTraj used
    std::array<QString, 10> LinieOpisu;

    TrybSesji Tryb = TrybSesji::Brak;

    // The main hypothesis of the run in hand; the engines read and write it here only.
    bool HipZdefiniowana = false;
    QString HipGlowna;
    bool Udowodniona = false;
    bool KontynuacjaZadana = false;

    // The code of the rule the engine used last, shown by messages raised before a run has
    // read any rule.
    QString OstatniKodReg;

    bool czyWybrany() const { return KodSyst > 0; }
    // Whether the run in hand is mixed inference, in one of its phases or between them.
    bool czyMieszane() const;
};

// Message shown after a system has been chosen for inference.
QString komunikatWybranoSystem();

// The choice form's OK for system `idSyst`: code and name, step counter (greatest step of
// the whole trajectory table), description lines emptied, continuation cleared. Returns the
// message to show, or no value when the system does not exist or the tables cannot be read
// (nothing changes then; *blad receives the message of a failed read).
std::optional<QString> WybierzSystem(Baza &baza, int idSyst, TSesjaWnios &sesja, QString *blad = nullptr);

enum class Kierunek { WPrzod, Wstecz, Wszystkie };

// Blad: a read or write of the rules table failed (recorded in the database; the caller
// stops without a message of its own).
enum class WynikPrzygotowania { Gotowe, Puste, PoziomZaWysoki, Blad };

// PrzygotujListeReg: marks every rule of the system with the direction as taking part
// (CzyBieUdzWeWnios "tak", CzyOdpal "nie", CFKonklReg 0), checks the highest level against
// MaxPozReg, and builds the list level by level (ascending IdReg within a level). With
// `konkluzje` it also collects each distinct conclusion text once, in list order.
// PoziomZaWysoki: the message H4 has been shown and the list is left as it was.
WynikPrzygotowania PrzygotujListeReg(Baza &baza, const TParKonfig &konfig, int kodSyst, Kierunek kierunek,
                                     TListaReg &lista, QStringList *konkluzje, const PokazKomunikat &pokaz);

// The highest PozReg of the system's rules of a direction, at least 1.
int maksPoziomReg(Baza &baza, int kodSyst, Kierunek kierunek);

// Marks the rules of the direction as taking part in a run (see PrzygotujListeReg). False
// when the write failed.
[[nodiscard]] bool zresetujReguly(Baza &baza, int kodSyst, Kierunek kierunek);

// The launcher's preparation of a standalone run of direction `kierunek` (WPrzod or Wstecz):
// the mode, no hypothesis, the rule list and its distinct conclusions for the list box.
// Returns false after the message about no rule of the direction (H3 forward) or H4.
bool PrzygotujWnioskowanie(Baza &baza, const TParKonfig &konfig, TSesjaWnios &sesja, Kierunek kierunek,
                           TListaReg &lista, QStringList &konkluzje, const PokazKomunikat &pokaz);

// Appends one trajectory row with the next step number (the counter is increased first).
// False when the write failed.
[[nodiscard]] bool DopiszKrokTraj(Baza &baza, TSesjaWnios &sesja, int idReg, int poziom, int iteracja, const QString &kierunek,
                    const QString &czyOdpal, double cfKonkl, const QString &przyczyna);

// Resets the knowledge base of a system before a run: intermediate and final facts lose
// their values and CFs (enumerated value rows included), input facts forget their "nzn"
// marks (value and CF stay), and the system's trajectory rows are deleted. False when a
// read or write failed (the rest is not done).
[[nodiscard]] bool ZresetujBazeWiedzy(Baza &baza, int kodSyst);

// Deletes the trajectory rows of a system. False when the write failed.
[[nodiscard]] bool UsunTrajSystemu(Baza &baza, int kodSyst);

namespace kom {
QString H3();
QString H4();
} // namespace kom

} // namespace tremida
