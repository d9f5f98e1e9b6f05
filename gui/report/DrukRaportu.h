#pragma once
// Printing the consultation report of a system's last run from the windows: the usual
// printer set-up and print dialogs (a PDF file included), the report drawn on the chosen
// printer, and the messages before and after.

class QWidget;

namespace tremida::gui {

class KontekstAplikacji;

// Prints the report of system `kodSyst`. A system without a run (or tables that cannot be
// read) gives its message and prints nothing; cancelled dialogs print nothing. The page
// orientation chosen in the set-up selects the landscape or portrait layout. After printing
// the completion message is shown; a printer that refused the report is reported instead.
void drukujRaportKonsultacji(KontekstAplikacji &kontekst, int kodSyst, QWidget *rodzic);

} // namespace tremida::gui
