#include "KursorPracy.h"

#include <QApplication>
#include <QCursor>

namespace tremida::gui {

namespace {
int glebokosc = 0; // KursorPracy objects held
} // namespace

KursorPracy::KursorPracy()
{
    ++glebokosc;
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

KursorPracy::~KursorPracy()
{
    --glebokosc;
    QApplication::restoreOverrideCursor();
}

bool KursorPracy::czyPraca() { return glebokosc > 0; }

PrzerwaPracy::PrzerwaPracy() : m_ustawiona(KursorPracy::czyPraca())
{
    if (m_ustawiona)
        QApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
}

PrzerwaPracy::~PrzerwaPracy()
{
    if (m_ustawiona)
        QApplication::restoreOverrideCursor();
}

} // namespace tremida::gui
