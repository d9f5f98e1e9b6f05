#pragma once
// The modal dialogs the program opens on its own: the message box, the yes/no question and the
// printer dialogs. The application context owns one object of this class and every message,
// question and printout goes through it; a test gives the context its own object, which
// answers without showing anything.

#include <QString>

class QPrinter;
class QWidget;

namespace tremida::gui {

class Dialogi {
public:
    Dialogi() = default;
    virtual ~Dialogi() = default;
    Dialogi(const Dialogi &) = delete;
    Dialogi &operator=(const Dialogi &) = delete;

    // Shows the message box (caption "TREMIDA", one OK button) with the exact text, its "\n\r"
    // line breaks shown as line breaks, modally over `rodzic` (the active window when null).
    virtual void komunikat(const QString &tekst, QWidget *rodzic);

    // Asks a yes/no question ("Tak"/"Nie", "Nie" the default) modally over `rodzic`; true
    // for "Tak".
    virtual bool potwierdzenie(const QString &pytanie, QWidget *rodzic);

    // The printer set-up dialog and then the print dialog for `drukarka`; false when the user
    // cancels either.
    virtual bool dialogiDrukarki(QPrinter &drukarka, QWidget *rodzic);
};

} // namespace tremida::gui
