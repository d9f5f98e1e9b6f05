#pragma once
// Reads and writes of the knowledge-base tables used by the inference engines. Each read
// sees exactly what was written before it: within a transaction, records already read are
// served again from memory until anything else writes to the tables. Records are
// returned in table order (ascending primary key). A read that fails behaves as a read that
// found nothing, and a read or write that fails is recorded in the database as the failure
// of the work (Baza::blad), after which every write of the transaction is refused.

#include "store/Rekordy.h"

#include <QList>
#include <QString>
#include <optional>

namespace tremida {

class Baza;

namespace dostep {

// The first fact of the system, in table order, whose NazFakt equals `nazwa` exactly.
std::optional<TRekFakt> faktONazwie(Baza &baza, int kodSyst, const QString &nazwa);
std::optional<TRekFakt> fakt(Baza &baza, int idFakt);
// Facts of the system whose RodzFakt is one of `rodzaje`.
QList<TRekFakt> faktySystemu(Baza &baza, int kodSyst, const QStringList &rodzaje);

QList<TRekWartFaktWylicz> wartosciFaktu(Baza &baza, int idFakt);
std::optional<TRekWartFaktWylicz> wartoscWylicz(Baza &baza, int idWartFaktWylicz);

// The first constant of the system whose NazStala equals `nazwa` exactly.
std::optional<TRekStala> stalaONazwie(Baza &baza, int kodSyst, const QString &nazwa);

std::optional<TRekSyst> system(Baza &baza, int idSyst);
std::optional<TRekReg> regula(Baza &baza, int idReg);

// Writes the value columns of a fact (WartFakt, WartPoprzFakt, CFWartFakt, CFWartPoprzFakt).
// Each write returns false when it was not made.
[[nodiscard]] bool zapiszWartFaktu(Baza &baza, const TRekFakt &f);
// Writes the state columns of a value row (both marks and both CFs).
[[nodiscard]] bool zapiszWartWylicz(Baza &baza, const TRekWartFaktWylicz &w);
// Writes the run columns of a rule (CzyOdpal, CzyBieUdzWeWnios, CFKonklReg).
[[nodiscard]] bool zapiszStanReguly(Baza &baza, const TRekReg &r);

// Appends one trajectory row.
[[nodiscard]] bool wstawKrokTraj(Baza &baza, int idKrok, int kodSyst, int idReg, int poziom, int iteracja,
                   const QString &kierunek, const QString &czyOdpal, double cfKonkl, const QString &przyczyna,
                   const QString &dataRek);

// The greatest IdKrokTraj of the whole trajectory table, 0 when it is empty (or unreadable).
int maksKrokTraj(Baza &baza);

} // namespace dostep
} // namespace tremida
