#pragma once
// A row of captioned fields in a grid layout.

#include <Qt>
#include <initializer_list>

class QGridLayout;
class QWidget;

namespace tremida::gui {

// Lays out captions and their fields side by side, each caption followed by its field, one
// cell each, along row `wiersz` of `u` from column `kolumna`. A caption in column 0 keeps the
// cell's own alignment, the others are aligned by `wyrownanie` (right beside their field in
// the record panels of the table windows).
void wierszPol(QGridLayout *u, int wiersz, int kolumna, std::initializer_list<QWidget *> podpisyIPola,
               Qt::Alignment wyrownanie = {});

} // namespace tremida::gui
