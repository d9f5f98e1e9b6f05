#pragma once
// Verification of the chosen knowledge base before inference ("WERYFIKACJA BAZY WIEDZY").
// The short mode prepares the input facts only; the full mode checks every fact, every
// constant and every rule in three passes. The first error ends the verification and
// leaves inference unavailable; missing values are replaced by "???" on the way and stay
// replaced. The windows show the progress of each pass through TWidokWeryf.

#include "app/ParKonfig.h"

#include <functional>

namespace tremida {

class Baza;

// The three passes, each shown as one row of the form.
enum class PrzebiegWeryf { Fakty, Stale, Reguly };

// What the verification tells its form.
struct TWidokWeryf {
    // A message box (errors, warnings, notes), exact text with "\n\r" line breaks.
    PokazKomunikat komunikat;
    // The progress bar of a pass: its position and maximum.
    std::function<void(PrzebiegWeryf, int pozycja, int maksimum)> postep;
    // A pass ended: its field shows "OK".
    std::function<void(PrzebiegWeryf)> ok;
};

struct TWynikWeryf {
    bool czysta = false;          // no error: the OK button makes inference available
    bool zZastrzezeniami = false; // the rules pass gave warnings
};

// Verifies the knowledge base `kodSyst`, fully or shortly (konfig.CzyPelnaWeryf is the
// form's default). The database changes only by the resets of missing values.
TWynikWeryf WeryfikujBazeWiedzy(Baza &baza, const TParKonfig &konfig, int kodSyst, bool pelna,
                                const TWidokWeryf &widok);

// Captions of the rows of the form in each mode.
QString opisPrzebiegu(PrzebiegWeryf przebieg, bool pelna);

// The message of the OK button after a clean verification.
QString komunikatBazaZweryfikowana();

} // namespace tremida
