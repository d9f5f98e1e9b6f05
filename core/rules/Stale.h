#pragma once
// The value of a constant used in a rule: WartStalaObl, the value of a computed constant
// A * argument + B, and the reading of a simple constant.

#include "Usterki.h"

#include <QString>

namespace tremida {

struct TWynikStalaObl {
    enum class Stan {
        Wartosc,     // `wartosc` holds the constant's value text
        BrakWartosci,// the argument's value is "???": the constant has no value now
        Blad         // a value did not convert: `idUsterki` says which
    };
    Stan stan = Stan::BrakWartosci;
    QString wartosc;
    // With Blad: C9 real argument value, C12 integer argument value, C13 logical argument
    // value, C10 parameter A, C11 parameter B.
    IdUsterki idUsterki = IdUsterki::C9;
};

// Value of a computed constant from the argument fact's type `typArg` and value `wartArg`
// and the parameters A and B (texts). Checks in this order:
//  "rzeczywisty": the value (unless "???") by the comma-aware real conversion (C9), A (C10),
//     B (C11); value A*x+B as a real in the general format with a decimal comma ("2,5");
//  "calkowity": the value (unless "???") by the integer conversion (C12), A (C10), B (C11);
//     value x*A+B rounded to the nearest integer, a half to the even neighbour ("2");
//  "logiczny": the value (unless "???") in upper case must be "TRUE" or "FALSE" (C13);
//     that is the value; A and B are not read.
// An argument value "???" gives BrakWartosci once the parameters passed. Any other argument
// type gives BrakWartosci (the caller reports an enumerated argument itself).
TWynikStalaObl WartStalaObl(const QString &typArg, const QString &wartArg, const QString &parA,
                            const QString &parB);

// The literal check of a value text for a fact type (blanks removed first): "rzeczywisty"
// comma-aware real, "calkowity" integer, "logiczny" "TRUE" or "FALSE" in any letter case.
// Other types: false.
bool czyLiteralTypu(const QString &typFakt, const QString &wart);

// The check of a constant's value for a fact type, blanks kept: "rzeczywisty" comma-aware
// real, "calkowity" integer, "logiczny" "TRUE" or "FALSE" in any letter case. Others: false.
bool czyWartoscStalejTypu(const QString &typFakt, const QString &wart);

// The constant type that a fact type requires: "rzeczywista", "calkowita", "logiczna", or
// empty for other types.
QString typStalejDlaFaktu(const QString &typFakt);

} // namespace tremida
