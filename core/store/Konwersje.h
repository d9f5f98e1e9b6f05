#pragma once
// Conversions between text and numbers, shared by every reader of typed fields,
// stored values, constants, parameters, rule CFs and file lines.

#include <QByteArray>
#include <QString>
#include <optional>

namespace tremida {

// Comma-aware real conversion. A text without a comma gets a blank in front of it;
// otherwise it becomes a blank, the part before the first comma, a point and the part
// after the first comma. The result must then be, after leading blanks, a decimal number
// with a point ("12.5", "-.5", "1E3", "+0.99999E2"); any other character makes it invalid.
// Returns no value when the text is not a valid real number.
std::optional<double> tekstNaReal(const QString &tekst);

// Plain decimal integer conversion to a signed 32-bit integer: optional leading blanks,
// an optional sign and decimal digits, nothing else (a comma, a point or a trailing blank
// are invalid, as is a value outside the 32-bit range). Returns no value when invalid.
std::optional<int> tekstNaInt(const QString &tekst);

// The shortest general form of a real number with a decimal comma, as the system writes
// values ("0,05", "12,5", "-3", "1E-6", "1,5E20"): up to 15 significant digits, fixed
// notation for magnitudes from 0,00001 below 10^15, otherwise a mantissa, "E" and the
// exponent (a sign only when negative).
QString realNaTekst(double wartosc);

// Decimal text of an integer.
QString intNaTekst(int wartosc);

// Text of a message for display: the two-character line break "\n\r" used in every
// message becomes a single line feed.
QString tekstDoWyswietlenia(const QString &komunikat);

// A JSON string value (quotes included) exactly as QJsonDocument writes it: the quote, the
// backslash and control characters escaped (\b \f \n \r \t, others as \u00xx), every
// other character in UTF-8, a surrogate without its pair as \uxxxx.
QByteArray tekstJson(const QString &tekst);

} // namespace tremida
