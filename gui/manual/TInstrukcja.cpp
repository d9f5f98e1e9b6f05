#include "TInstrukcja.h"

#include "TFormInstrukcja.h"
#include "manual/Instrukcja.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>

namespace tremida::gui {

TInstrukcja::TInstrukcja(KontekstAplikacji &kontekst, QWidget *rodzicOkien)
    : QObject(rodzicOkien), m_kontekst(kontekst), m_rodzic(rodzicOkien)
{
    connect(&m_kontekst, &KontekstAplikacji::koloryZmienione, this, [this] {
        for (auto &[numer, okno] : m_okna)
            if (okno)
                okno->ZmiaKolFormInstrukcja(m_kontekst.konfig);
    });
}

TFormInstrukcja *TInstrukcja::okno(const QString &numer)
{
    const StronaInstrukcji *strona = stronaInstrukcji(numer);
    if (!strona)
        return nullptr;
    QPointer<TFormInstrukcja> &okno = m_okna[strona->numer];
    if (!okno) {
        okno = new TFormInstrukcja(strona->numer, m_kontekst.konfig, m_rodzic);
        TFormInstrukcja *to = okno;
        connect(to, &TFormInstrukcja::przejdzDo, this, [this, to](const QString &cel) {
            to->hide();
            pokaz(cel);
        });
    }
    return okno;
}

TFormInstrukcja *TInstrukcja::pokaz(const QString &numer)
{
    TFormInstrukcja *o = okno(numer);
    if (!o)
        return nullptr;
    // A modal dialog blocks every window but its own: the page opened from it becomes one of
    // its windows, and goes back to the main window when the dialog closes.
    QWidget *modalny = QApplication::activeModalWidget();
    if (modalny && modalny != o && !o->isAncestorOf(modalny)) {
        if (o->parentWidget() != modalny) {
            przenies(o, modalny);
            modalny->installEventFilter(this);
        }
    } else if (o->parentWidget() != m_rodzic) {
        przenies(o, m_rodzic);
    }
    o->show();
    o->raise();
    o->activateWindow();
    return o;
}

void TInstrukcja::przenies(TFormInstrukcja *strona, QWidget *wlasciciel)
{
    const bool widoczna = strona->isVisible();
    const QPoint miejsce = strona->pos();
    strona->setParent(wlasciciel, strona->windowFlags() | Qt::Window);
    strona->move(miejsce);
    if (widoczna)
        strona->show();
}

bool TInstrukcja::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::Hide && !e->spontaneous() && o->isWidgetType()) {
        auto *dialog = static_cast<QWidget *>(o);
        dialog->removeEventFilter(this);
        for (auto &[numer, strona] : m_okna)
            if (strona && strona->parentWidget() == dialog)
                przenies(strona, m_rodzic);
    }
    return QObject::eventFilter(o, e);
}

void TInstrukcja::wypelnijMenu(QMenu *menu)
{
    int rozdzial = -1;
    QMenu *podmenu = nullptr;
    for (const StronaInstrukcji &s : stronyInstrukcji()) {
        QMenu *cel = menu;
        if (s.rozdzial > 0) {
            if (s.rozdzial != rozdzial) {
                rozdzial = s.rozdzial;
                podmenu = menu->addMenu(tytulRozdzialu(rozdzial));
            }
            cel = podmenu;
        }
        const QString numer = s.numer;
        QAction *a = cel->addAction(s.tytul);
        a->setData(numer);
        connect(a, &QAction::triggered, this, [this, numer] { pokaz(numer); });
    }
}

} // namespace tremida::gui
