#include "Kolory.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace tremida::gui {

QColor kolorQt(int wartosc)
{
    const quint32 v = static_cast<quint32>(wartosc);
    if (v & 0x80000000u) {
        const QPalette p = QApplication::palette();
        switch (v & 0xFFu) {
        case 0x08: return p.color(QPalette::WindowText); // window text
        case 0x0F: return p.color(QPalette::Button);     // button face
        case 0x05: return p.color(QPalette::Base);       // window
        default: return p.color(QPalette::Window);
        }
    }
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
}

void zastosujKolory(const TParKonfig &k, Rola rola, std::initializer_list<QWidget *> kontrolki)
{
    int czcionka = 0, tlo = 0;
    switch (rola) {
    case Rola::Czynne: czcionka = k.KolCzcCzyn; tlo = k.KolTlaCzyn; break;
    case Rola::Bierne: czcionka = k.KolCzcBier; tlo = k.KolTlaBier; break;
    case Rola::Pomocnicze: czcionka = k.KolCzcPomoc; tlo = k.KolTlaPomoc; break;
    }
    const QColor kc = kolorQt(czcionka);
    const QColor kt = kolorQt(tlo);
    for (QWidget *w : kontrolki) {
        if (!w)
            continue;
        QPalette p = w->palette();
        p.setColor(QPalette::WindowText, kc);
        p.setColor(QPalette::Text, kc);
        p.setColor(QPalette::ButtonText, kc);
        const bool zTlem = qobject_cast<QLineEdit *>(w) || qobject_cast<QTextEdit *>(w)
                           || qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QAbstractItemView *>(w)
                           || qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractSpinBox *>(w)
                           || (rola != Rola::Pomocnicze && qobject_cast<QGroupBox *>(w));
        if (zTlem) {
            p.setColor(QPalette::Base, kt);
            p.setColor(QPalette::Window, kt);
            p.setColor(QPalette::Button, kt);
            w->setAutoFillBackground(true);
        }
        w->setPalette(p);
    }
}

} // namespace tremida::gui
