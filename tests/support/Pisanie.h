#pragma once
// Typing into a widget as the user does, Polish letters included (the test library's own
// typing knows only ASCII).

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

namespace tremida::test {

inline void wpisz(QWidget *w, const QString &tekst)
{
    for (const QChar c : tekst) {
        const int klawisz = c == u'\n' ? Qt::Key_Return : Qt::Key_unknown;
        QKeyEvent wcisniety(QEvent::KeyPress, klawisz, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &wcisniety);
        QKeyEvent zwolniony(QEvent::KeyRelease, klawisz, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &zwolniony);
    }
}

} // namespace tremida::test
