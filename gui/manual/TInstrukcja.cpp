#include "TInstrukcja.h"

#include "TFormInstrukcja.h"
#include "manual/Instrukcja.h"

#include <QAction>
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
    o->show();
    o->raise();
    o->activateWindow();
    return o;
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
