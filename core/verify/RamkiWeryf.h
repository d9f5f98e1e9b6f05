#pragma once
// Message frames of the checks of a whole knowledge base: the verification before inference
// (messages of several lines, every error ending with "Proces wnioskowania nie będzie
// możliwy.") and the consistency check of the database (every message on one line, its
// pieces joined by blanks). The rule findings come from the rule checks through the frames
// TRamkaWeryf and TRamkaSpojn; the findings about facts, constants and rule fields are built
// from pieces by TStylKontr.

#include "rules/Usterki.h"

#include <QString>
#include <QStringList>

namespace tremida {

// "Proces wnioskowania nie będzie możliwy.": the last sentence of every error.
inline const QString OgonWeryf = QStringLiteral("Proces wnioskowania nie będzie możliwy.");

// Rule findings in the verification before inference: "Reguła o kodzie: " instead of "Kod
// reguły: ", the tail "\n\r" + OgonWeryf, and the warning about "=" with a real fact ending
// with "Weryfikacja bazy reguł będzie kontynuowana.".
class TRamkaWeryf : public TRamkaReg {
public:
    TRamkaWeryf();
};

// Rule findings in the consistency check: one line, pieces joined by a blank, errors ending
// with " " + OgonWeryf. The raw bracket counts keep "Kod reguły: "; a simple constant in a
// premise is introduced by " Stała o kodzie: ", a computed one by nothing but its detail;
// V2, V6, K4, C4 and C6 (in a premise) and the "=" warning have wordings of their own.
class TRamkaSpojn : public TRamkaReg {
public:
    TRamkaSpojn();
    QString komunikat(const TUsterkaReg &u) const override;
    QString szczegol(IdUsterki id) const override;
};

// How the findings about facts, constants and rule fields are laid out.
struct TStylKontr {
    bool jednaLinia = false; // consistency check: pieces joined by a blank; else by "\n\r"

    // The pieces joined; with `blad` OgonWeryf is the last piece.
    QString tekst(const QStringList &czesci, bool blad = true) const;
};

} // namespace tremida
