#include "WierszPol.h"

#include <QGridLayout>

namespace tremida::gui {

void wierszPol(QGridLayout *u, int wiersz, int kolumna, std::initializer_list<QWidget *> podpisyIPola,
               Qt::Alignment wyrownanie)
{
    int k = kolumna;
    for (QWidget *w : podpisyIPola) {
        const bool podpis = (k - kolumna) % 2 == 0;
        u->addWidget(w, wiersz, k, podpis && k > 0 ? wyrownanie : Qt::Alignment());
        ++k;
    }
}

} // namespace tremida::gui
