#pragma once
// Every message box of the program goes through these functions: the exact text of the
// message with its "\n\r" line breaks shown as line breaks. The box is shown by the dialogs
// of the application context (KontekstAplikacji::dialogiAplikacji), so a test that gives the
// context its own dialogs takes the messages instead of the boxes.

#include <QString>

class QDialog;
class QWidget;

namespace tremida::gui {

// Shows a modal message box with the text (caption "TREMIDA", one OK button) through the
// application's dialogs.
void pokazKomunikat(const QString &tekst, QWidget *rodzic = nullptr);

// The message box itself, not yet shown: as wide as its longest line needs (up to the screen),
// so that the message's own line breaks are the only ones.
QDialog *utworzOknoKomunikatu(const QString &tekst, QWidget *rodzic = nullptr);

} // namespace tremida::gui
