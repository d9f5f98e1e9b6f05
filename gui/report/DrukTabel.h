#pragma once
// Printing the systems, facts and rules tables from the windows: the printer set-up and print
// dialogs, the printout drawn on the chosen printer, and the messages before and after.

#include "report/Wydruki.h"

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace tremida::gui {

class KontekstAplikacji;

// Shows the printer set-up dialog and then the print dialog for `drukarka`; false when the
// user cancels either. Tests replace the dialogs (for instance by a PDF file) with
// ustawDialogiDrukarki; an empty function restores them.
using DialogiDrukarki = std::function<bool(QPrinter &, QWidget *)>;
void ustawDialogiDrukarki(DialogiDrukarki dialogi);

// The printer set-up dialog and then the print dialog for `drukarka` (or what a test set in
// their place); false when the user cancels either.
bool pokazDialogiDrukarki(QPrinter &drukarka, QWidget *rodzic);

// Prints a table: the systems table (kodSyst unused) or the facts or rules of one system.
// An empty table or selection gives its message and prints nothing. The page orientation
// chosen in the printer set-up selects the landscape or portrait layout. The completion
// message is shown also when a dialog was cancelled.
void drukujTabele(KontekstAplikacji &kontekst, RodzajWydruku rodzaj, int kodSyst, QWidget *rodzic);

} // namespace tremida::gui
