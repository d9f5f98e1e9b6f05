#pragma once
// Checks of the facts, enumerated values and constants made by their table windows after a
// record is posted or another fact is chosen, and the messages they report. The checks only
// report: the record is already saved and the user corrects it by editing it again.

#include "Rekordy.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace tremida {

class Baza;
class TWolnyKod;

// What the facts window does after a fact is posted: the messages to show in order, whether
// the missing-value warning is to be shown, and whether the value "???" asks for CF 0.
struct WynikKontrFakt {
    QStringList komunikaty;
    bool brakWartosci = false; // an input fact of type real, integer or logical without a value
    bool zerujCF = false;      // the value is "???": CF is set to 0 and the record saved again
};

// The checks after posting a fact, by its type and kind (CF read from the record).
WynikKontrFakt kontrolaPoZatwierdzeniuFaktu(const TRekFakt &fakt);

// "Błędna postać wartości faktu. ..." unless the text is a value of the fact's type (real
// comma-aware, 32-bit integer, "TRUE"/"FALSE" in any letter case).
bool czyPoprawnaWartoscFaktu(const QString &typFakt, const QString &wartosc);

// The facts window's display of an enumerated fact's values: no values, or a count other
// than LiczWart, gives a message and the display does not open. `posredni` selects the
// text of the intermediate/final view.
std::optional<QString> kontrolaPrzedWizualizacjaWartosci(int liczbaWartosci, int liczWart, bool posredni);

// The enumerated values window, when another fact is chosen: the first finding of the
// count, single-value and duplicate checks, or no value.
std::optional<QString> kontrolaWartosciFaktu(const TRekFakt &fakt, const QList<TRekWartFaktWylicz> &wartosci);

// After a value of a fact is deleted: the message when fewer values remain than LiczWart.
std::optional<QString> kontrolaPoUsunieciuWartosci(int liczbaWartosci, int liczWart);

// After a value is posted: the messages (too many values; a value word repeated).
QStringList kontrolaPoZatwierdzeniuWartosci(const QList<TRekWartFaktWylicz> &wartosci, int liczWart);

// "Stwierdzono pokrywanie się dwóch lub więcej wartości ..." when two value words of one
// fact are equal (exact, case-sensitive).
bool czyPowtorzoneWartosci(const QList<TRekWartFaktWylicz> &wartosci);

// The constants window after a post in a knowledge base's view: the first failing check's
// message. `argument` is the fact whose IdFakt is KodArgStala (no value when none).
std::optional<QString> kontrolaStalej(const TRekStala &stala, const std::optional<TRekFakt> &argument);

// The values of an enumerated fact in table order; empty when the table cannot be read.
QList<TRekWartFaktWylicz> wartosciFaktu(Baza &baza, int kodFakt);
// The fact of a code, when there is one.
std::optional<TRekFakt> faktOKodzie(Baza &baza, int idFakt);

// Appends a copy of every value of the fact `kodZrodla` for the fact `kodNowego`, each under
// the smallest free value key, without a date stamp, in one transaction. Returns the
// number of values copied, or no value (message in *blad) when nothing was written.
std::optional<int> kopiujWartosciFaktu(Baza &baza, TWolnyKod &wolnyKod, int kodZrodla, int kodNowego,
                                       QString *blad = nullptr);

} // namespace tremida
