#pragma once
// Exchange of records as JSON: one object whose keys are table names and whose values are
// arrays of records keyed by column name (Integer and Float as numbers, texts as strings,
// null or absent for NULL).

#include <QByteArray>
#include <QString>
#include <optional>

class QIODevice;

namespace tremida {

class Baza;

// Appends every record of the JSON document to the tables, all or nothing: an unknown
// table or column, a wrong type, a missing value of a column the table file requires, a
// text longer than its column, a missing table file or one that is not that table, a key
// violation, a key given twice in one JSON object or a \u escape of half a surrogate pair
// writes nothing. Returns false with a message naming the table, the record's key or
// number (or the character in the file) and the reason in *blad.
bool importujJson(Baza &baza, const QByteArray &json, QString *blad, int *liczbaRekordow = nullptr);

// Every record of every table (or, with `kodSyst`, the records of that system: its system
// row, facts and their enumerated values, constants, rules, trajectory rows, and the
// multimedia rows of its facts and rules), columns in table order, records in key order,
// texts exactly as UTF-8. Importing the result into empty tables reproduces them exactly.
// Returns false, leaving *json as it was, with a message naming the table file and the
// reason in *blad when any of the seven files is missing, is not its table with the
// documented columns (and no other), cannot be read to the end, or holds a value the
// column's type or JSON cannot carry.
bool eksportujJson(Baza &baza, std::optional<int> kodSyst, QByteArray *json, QString *blad);

// The same written to `wyjscie` piece by piece as the records are read, so that memory does
// not grow with the tables. What was written before a failure is left to the caller to
// take back: a failure to read (message in *blad) may come after records were written.
// BladZapisu: the device refused a piece.
enum class WynikEksportu { Zapisany, BladOdczytu, BladZapisu };
WynikEksportu eksportujJson(Baza &baza, std::optional<int> kodSyst, QIODevice &wyjscie, QString *blad);

} // namespace tremida
