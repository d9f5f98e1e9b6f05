#pragma once
// The rule of a code as the rules window and tremida-cli read it, and the
// checks the rules window makes after a rule is posted. The checks only report: the record is
// already saved and the user corrects it by editing it again.

#include "Rekordy.h"

#include <QString>
#include <optional>

namespace tremida {

class Baza;

// The rule of a code, when there is one. No value both when the table holds no such rule and
// when it cannot be read; in the latter case *blad gets the engine's message (it is left
// alone otherwise).
std::optional<TRekReg> regulaOKodzie(Baza &baza, int idReg, QString *blad = nullptr);

// The checks after posting a rule, in their order: the level not positive, the level above
// `maxPozReg` (the configured maximum), CF outside [0,1], no instructions (blanks only count
// as none). Returns the message of the first that fails, or no value.
std::optional<QString> kontrolaPoZatwierdzeniuReguly(const TRekReg &regula, int maxPozReg);

} // namespace tremida
