#pragma once
// The six configured colours applied by role to the controls of a window.

#include "app/ParKonfig.h"

#include <QColor>
#include <initializer_list>

class QWidget;

namespace tremida::gui {

// The Qt colour of a stored colour value: a plain colour 0x00BBGGRR, or a system colour
// (window text for fonts, button face for backgrounds) taken from the application palette.
QColor kolorQt(int wartosc);

enum class Rola {
    Czynne,     // active data: bound edit fields, memos, radio groups and their labels
    Bierne,     // passive data: grids, read-only displays and their labels
    Pomocnicze, // auxiliary data: buttons, auxiliary entry fields and their labels
};

// Applies the colours of a role to controls: the font colour always; the background too for
// entry fields, memos, lists and grids (labels and buttons keep their background).
void zastosujKolory(const TParKonfig &k, Rola rola, std::initializer_list<QWidget *> kontrolki);

} // namespace tremida::gui
