#pragma once
// RedukujPolePrzesReg: reduces a token text (logical tokens, "NOT", "AND", "OR",
// parentheses and stray characters) group by group to one token, the value and CF of the
// whole premise field. AND is reduced before OR within a group, left to right; one NOT per
// round, leftmost first; every combined CF is rounded to hundredths before the next.

#include "Logika.h"
#include "Usterki.h"

#include <QList>
#include <QString>

namespace tremida {

struct TParKonfig;

struct TWynikRedukcji {
    enum class Stan {
        Token,       // one token: wartosc and cf hold its value and CF
        BezWartosci, // parentheses in the wrong order: no value and no message
        Usterka      // a structural finding ended the reduction (the last of `usterki`)
    };
    Stan stan = Stan::BezWartosci;
    TWartLog wartosc = TWartLog::Unknown;
    double cf = 0.0;
    // Findings in order: R1 when `poR1Dalej` let the reduction go on, then the one that
    // ended it (Stan::Usterka).
    QList<TUsterkaReg> usterki;
};

struct TOpcjeRedukcji {
    // After R1 (unequal counts of "(" and ")") list it and go on instead of stopping; a "("
    // that no ")" follows then ends the reduction without a further finding.
    bool poR1Dalej = false;
};

// Reduces `tekstTokenow` with the norms TNormaIloczyn (AND) and SNormaSuma (OR) of `konfig`.
// `kodReg` is the rule code text used in the findings, whose texts `ramka` builds. Never
// fails otherwise and never loops: every round shortens the text or removes a parenthesis,
// "NOT" or operator, and a ")" before any "(" ends the reduction without a value.
TWynikRedukcji RedukujPolePrzesReg(const QString &tekstTokenow, const QString &kodReg, const TRamkaReg &ramka,
                                   const TParKonfig &konfig, const TOpcjeRedukcji &opcje = {});

} // namespace tremida
