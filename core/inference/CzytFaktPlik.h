#pragma once
// CzytajWartFaktPlik: reads input-fact values of the chosen knowledge base from a text
// file: ten descriptive lines (five name-value pairs) and then triples of lines - the code of
// an input fact, its value, the CF of that value - written into the facts and enumerated
// values tables triple by triple. A triple that does not fit is reported (F1 to F9) and
// skipped; a file that cannot be read, or a code line that is not an integer, ends the
// reading with a message and keeps what was written.

#include "SesjaWnios.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace tremida {

class Baza;

enum class WynikCzytFakt {
    Przeczytany, // the file was read to its end (skipped triples included)
    Blad,        // no path, an unreadable file or a read error: a message said so
};

// Reads `sciezka` for the knowledge base `kodSyst`; the descriptive lines replace those of
// `sesja`. Every message goes to `pokaz`; after reading to the end and committing, `przedKoncem`
// (when given) is called and then the final message is shown.
WynikCzytFakt CzytajWartFaktPlik(Baza &baza, const QString &sciezka, int kodSyst, TSesjaWnios &sesja,
                                 const PokazKomunikat &pokaz, const std::function<void()> &przedKoncem = {});

// Text of a line of such a file: UTF-8 when the bytes are valid UTF-8, else Windows-1250;
// no value when neither fits. `utf8` says which encoding the whole file uses.
std::optional<QString> dekodujLinie(const QByteArray &linia, bool utf8);

// Whether the bytes are valid UTF-8.
bool czyUtf8(const QByteArray &bajty);

namespace kom {
// "Plik tekstowy do odczytu wartosci faktów nie istnieje lub nie został zaznaczony." ...
QString BrakPlikuFakt();
// The final message after the file was read to its end.
QString FaktyZPlikuZapisane();
// F1 .. F9 by number, for the code read from the file.
QString CzytFakt(int nr, int kod);
} // namespace kom

} // namespace tremida
