#pragma once
// Every message box of the program goes through these functions: the exact text of the
// message with its "\n\r" line breaks shown as line breaks. Tests can take the messages
// instead of the boxes.

#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace tremida::gui {

// Shows a modal message box with the text (caption "TREMIDA", one OK button).
void pokazKomunikat(const QString &tekst, QWidget *rodzic = nullptr);

// The message box itself, not yet shown: as wide as its longest line needs (up to the screen),
// so that the message's own line breaks are the only ones.
QDialog *utworzOknoKomunikatu(const QString &tekst, QWidget *rodzic = nullptr);

// Replaces the message boxes by a function that receives each text as it would be shown
// (exact, "\n\r" kept). An empty function restores the boxes.
using PrzechwytKomunikatu = std::function<void(const QString &)>;
void ustawPrzechwytKomunikatow(PrzechwytKomunikatu przechwyt);

} // namespace tremida::gui
