#pragma once
// The frame of a top-level window of the application's context: named for finding it, with
// its title, the context at hand, and its colours following the configuration.

#include "app/KontekstAplikacji.h"

#include <QWidget>

namespace tremida::gui {

class OknoKontekstu : public QWidget {
    Q_OBJECT
protected:
    // A top-level window named `nazwa` with the title `tytul`.
    OknoKontekstu(KontekstAplikacji &kontekst, const QString &nazwa, const QString &tytul, QWidget *rodzic);

    // Colours the window now with `zmiaKol` and again whenever the colours change.
    template <class Okno>
    void kolorujZawsze(void (Okno::*zmiaKol)())
    {
        auto *okno = static_cast<Okno *>(this);
        connect(&m_kontekst, &KontekstAplikacji::koloryZmienione, okno, zmiaKol);
        (okno->*zmiaKol)();
    }

    KontekstAplikacji &m_kontekst;
};

} // namespace tremida::gui
