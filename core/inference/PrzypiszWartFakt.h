#pragma once
// Entry of an input fact's value during inference: the checks and writes behind the OK
// button of the input dialog. The dialog, tremida-cli and the tests collect what the user
// typed and call these functions; messages go to `pokaz`.

#include "app/ParKonfig.h"

#include <QList>
#include <QString>

namespace tremida {

class Baza;
struct TRekFakt;

enum class WynikPrzypisania {
    Odrzucone,   // a check rejected the entry; the dialog stays open
    Przypisane,  // a value was stored (message A1 or A2)
    BezWartosci, // no value given: message N, WartPoprzFakt "nzn"
    BladZapisu,  // the value could not be saved: the failure is recorded in the database
                 // (Baza::blad) and no message is shown here; the dialog closes and the run
                 // stops with the failure's message
};

// One value row of the enumerated section as the user left it.
struct TWierszWylicz {
    int IdWartFaktWylicz = 0;
    QString wybor; // "tak", "nie", "???", or empty when the row has no choice
    QString cf;    // the CF as typed
};

// A real, integer or logical fact: `wartosc` and `cf` are the texts of the two edits.
// Empty or "???" stores no value (N, "nzn"); otherwise the value is checked by the fact's
// type (R5, R6, R7) and the CF (R8, R9, warning R10), then value and CF are stored as typed
// and A1 is shown. `wynikWart` receives the stored WartFakt on success.
[[nodiscard]] WynikPrzypisania PrzypiszWartFaktSkalar(Baza &baza, const TParKonfig &konfig, const TRekFakt &fakt,
                                        const QString &wartosc, const QString &cf, const PokazKomunikat &pokaz,
                                        QString *wynikWart = nullptr);

// An enumerated fact: every row is checked and written in order until the first rejection
// (R1 a second "tak" of a single-valued fact, R2 a CF that is not a number, R3 a "tak" CF
// outside [0,1], warning R4 a "tak" CF below the threshold); rows written before a
// rejection stay written. With a "tak" row A2 is shown, without one N and "nzn".
[[nodiscard]] WynikPrzypisania PrzypiszWartFaktWylicz(Baza &baza, const TParKonfig &konfig, const TRekFakt &fakt,
                                        const QList<TWierszWylicz> &wiersze, const PokazKomunikat &pokaz);

// The dialog left without its OK button: nothing typed is taken, the fact is marked "nzn" so
// that the run does not ask again, and N is shown. BladZapisu (no message) when the mark
// could not be saved.
[[nodiscard]] WynikPrzypisania PorzucWartFakt(Baza &baza, const TRekFakt &fakt, const PokazKomunikat &pokaz);

namespace kom {
QString PrzypisR1();
QString PrzypisR2(int kod);
QString PrzypisR3(int kod);
QString PrzypisR4(int kod);
QString PrzypisA2();
QString PrzypisN();
QString PrzypisR5();
QString PrzypisR6();
QString PrzypisR7();
QString PrzypisR8();
QString PrzypisR9();
QString PrzypisR10();
QString PrzypisA1();
} // namespace kom

} // namespace tremida
