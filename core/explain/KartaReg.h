#pragma once
// The rule card: one rule with everything needed to read it. Its texts and run state; the
// result of its syntax check with the messages of "Weryfikuj składnię"; its premise field
// laid out by its structure (NOT, AND, OR and parentheses as an indented tree); every fact it
// names with its definition and state (for an enumerated fact every value row with its
// marks and CFs); every constant it names with its kind, type and value (a computed one with
// A, B, its argument fact and the value it gives now). Reads only.

#include "WezelWyj.h"
#include "app/ParKonfig.h"
#include "rules/DaneReg.h"
#include "store/Rekordy.h"

#include <QString>

namespace tremida {

// The card of rule `reg`, whose system's facts, values and constants `dane` holds, named
// `nazSyst`.
TWezelWyj KartaReguly(const TRekReg &reg, const QString &nazSyst, const IDaneReg &dane, const TParKonfig &konfig);

} // namespace tremida
