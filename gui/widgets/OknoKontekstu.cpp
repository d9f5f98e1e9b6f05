#include "OknoKontekstu.h"

namespace tremida::gui {

OknoKontekstu::OknoKontekstu(KontekstAplikacji &kontekst, const QString &nazwa, const QString &tytul,
                             QWidget *rodzic)
    : QWidget(rodzic, Qt::Window), m_kontekst(kontekst)
{
    setObjectName(nazwa);
    setWindowTitle(tytul);
}

} // namespace tremida::gui
