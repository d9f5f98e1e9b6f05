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
#include <memory>
#include <optional>

namespace tremida {

class Baza;

namespace dostep {

// A number that stays the same as long as the remembered records are not forgotten (another
// program's write, a transaction's end): what inference writes leaves it as it is, so the
// names of facts and constants, their codes and the constants themselves read under one number
// hold while it lasts. 0 when nothing is remembered.
quint64 pokolenieOdczytow(Baza &baza);

// The first fact of the system, in table order, whose NazFakt equals `nazwa` exactly.
std::optional<TRekFakt> faktONazwie(Baza &baza, int kodSyst, const QString &nazwa);
std::optional<TRekFakt> fakt(Baza &baza, int idFakt);
// The same records shared with the store rather than copied (none when there is no such
// record); a record stays as it was read, whatever is written after.
std::shared_ptr<const TRekFakt> faktONazwieDzielony(Baza &baza, int kodSyst, const QString &nazwa);
std::shared_ptr<const TRekFakt> faktDzielony(Baza &baza, int idFakt);
// Where the store keeps the current record of a fact: a write of the engine that changed
// exactly that row puts the new record there, any other write to the row empties it. What it
// holds, while not empty, is what faktDzielony would return, as long as pokolenieOdczytow
// stays the number it had when the place was taken. None when the fact does not exist or
// nothing is remembered (outside a transaction).
struct TMiejsceFaktu {
    std::shared_ptr<const TRekFakt> rekord;
};
std::shared_ptr<const TMiejsceFaktu> miejsceFaktu(Baza &baza, int idFakt);
// Facts of the system whose RodzFakt is one of `rodzaje`.
QList<TRekFakt> faktySystemu(Baza &baza, int kodSyst, const QStringList &rodzaje);

QList<TRekWartFaktWylicz> wartosciFaktu(Baza &baza, int idFakt);
std::optional<TRekWartFaktWylicz> wartoscWylicz(Baza &baza, int idWartFaktWylicz);

// The first constant of the system whose NazStala equals `nazwa` exactly.
std::optional<TRekStala> stalaONazwie(Baza &baza, int kodSyst, const QString &nazwa);
std::shared_ptr<const TRekStala> stalaONazwieDzielona(Baza &baza, int kodSyst, const QString &nazwa);

std::optional<TRekSyst> system(Baza &baza, int idSyst);
std::optional<TRekReg> regula(Baza &baza, int idReg);
std::shared_ptr<const TRekReg> regulaDzielona(Baza &baza, int idReg);
// How many multimedia files of kind `rodzajPliku` illustrate element `kodElem` of kind
// `coIlustr` (as plikiIlustrujace finds them); when the table holds no file at all, a
// transaction asks it once.
int liczbaIlustracji(Baza &baza, int kodElem, const QString &coIlustr, const QString &rodzajPliku);

// CFKonklReg of every fired rule (CzyOdpal "tak") of the system whose conclusion is exactly
// `konkl`, in key order; NULL reads as 0.
QList<double> cfOdpalonych(Baza &baza, int kodSyst, const QString &konkl);

// Writes the value columns of a fact (WartFakt, WartPoprzFakt, CFWartFakt, CFWartPoprzFakt).
// Each write returns false when it was not made.
[[nodiscard]] bool zapiszWartFaktu(Baza &baza, const TRekFakt &f);
// Writes the state columns of a value row (both marks and both CFs).
[[nodiscard]] bool zapiszWartWylicz(Baza &baza, const TRekWartFaktWylicz &w);
// Writes the run columns of a rule (CzyOdpal, CzyBieUdzWeWnios, CFKonklReg).
[[nodiscard]] bool zapiszStanReguly(Baza &baza, const TRekReg &r);

// Appends one trajectory row. The row is kept with the rows after it and written with them
// (see WstawianieWsadowe) before anything reads the trajectory, writes a table, ends the work
// or tells the user anything. False when writes are refused or a batch was refused.
[[nodiscard]] bool wstawKrokTraj(Baza &baza, int idKrok, int kodSyst, int idReg, int poziom, int iteracja,
                   const QString &kierunek, const QString &czyOdpal, double cfKonkl, const QString &przyczyna,
                   const QString &dataRek);

// The greatest IdKrokTraj of the whole trajectory table, 0 when it is empty (or unreadable).
int maksKrokTraj(Baza &baza);

} // namespace dostep
} // namespace tremida
