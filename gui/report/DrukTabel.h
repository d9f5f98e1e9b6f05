#pragma once
// Printing the systems, facts and rules tables from the windows: the printer set-up and print
// dialogs, the printout drawn on the chosen printer, and the messages before and after.

#include "report/Wydruki.h"

#include <QString>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace tremida::gui {

class KontekstAplikacji;

// The printer set-up dialog and then the print dialog for `drukarka`, through the
// application's dialogs (a test's dialogs may choose a PDF file instead); false when the user
// cancels either.
bool pokazDialogiDrukarki(QPrinter &drukarka, QWidget *rodzic);

// Draws a printout on a canvas in the chosen orientation; false with a message in *blad
// when it cannot (the tables cannot be read).
using RysowanieWydruku = std::function<bool(Plotno &, bool pozioma, QString *blad)>;

// Prints through the dialogs: an A4 printer at 300 dpi named `nazwaDokumentu`, offered in the
// orientation `pozioma`, the set-up and print dialogs, then `rysuj` on the printer in the
// orientation the user chose. No value when a dialog was cancelled (nothing printed); true
// when printed; false when the drawing or the printer failed, with the message in *blad.
// The print dialog offers the document's name with ".pdf" in `folder` for printing to a file.
std::optional<bool> drukujPrzezDialogi(const QString &folder, const QString &nazwaDokumentu, bool pozioma,
                                      const RysowanieWydruku &rysuj, QWidget *rodzic, QString *blad);

// Prints a table: the systems table (kodSyst unused) or the facts or rules of one system.
// An empty table or selection gives its message and prints nothing. The page orientation
// chosen in the printer set-up selects the landscape or portrait layout. The print dialog
// offers, for printing to a PDF file, the printout's name with ".pdf" in the working folder.
// The completion message is shown also when a dialog was cancelled.
void drukujTabele(KontekstAplikacji &kontekst, RodzajWydruku rodzaj, int kodSyst, QWidget *rodzic);

} // namespace tremida::gui
