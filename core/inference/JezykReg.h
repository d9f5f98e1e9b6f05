#pragma once
// The rule language as inference uses it: the message frame of inference around the
// findings of the rule checks and of the reduction, and the few steps the engines take
// from the rule language in one call.

#include "app/ParKonfig.h"
#include "rules/Logika.h"
#include "rules/Redukcja.h"
#include "rules/Skaner.h"
#include "rules/Usterki.h"

#include <QString>
#include <optional>

namespace tremida::jezyk {

using Wart = TWartLog;

// Findings framed for inference: every error ends with "Nastąpi przerwanie procesu
// wnioskowania.", a premise finding names the premise, and the details that inference words
// differently (P4, the computed-constant findings) take their inference wording.
class TRamkaWnios : public TRamkaReg {
public:
    TRamkaWnios();
    QString komunikat(const TUsterkaReg &u) const override;
    QString szczegol(IdUsterki id) const override;
};

// The whole inference message of finding `id` of rule `kod` (premise ordinal `nrPrzes` for
// premise findings).
QString komunikat(IdUsterki id, const QString &kod, int nrPrzes = 0);

// Raw bracket checks of a rule (S1 to S6, in their order): the message of the first that
// fails, or no value.
std::optional<QString> kontrolaNawiasow(const QString &kod, const QString &przesReg, const QString &konklReg);

// The reduction of a token text with the configured norms. `komunikat` holds the message of
// a structural finding; a text reduced to no token (parentheses in the wrong order) gives
// neither value nor message.
struct TRedukcja {
    std::optional<Wart> wartosc;
    double cf = 0.0;
    std::optional<QString> komunikat;
};
TRedukcja redukuj(const QString &tekstTokenow, const QString &kod, const TParKonfig &konfig);

} // namespace tremida::jezyk
