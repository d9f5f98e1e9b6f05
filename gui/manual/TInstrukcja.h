#pragma once
// The pages of the built-in manual as one book: each page's window is made on its first
// opening and afterwards only shown and hidden, so several pages may be open at once; the
// navigation buttons hide the page they are on and open their target.

#include "app/KontekstAplikacji.h"

#include <QObject>
#include <QPointer>
#include <map>

class QMenu;
class QWidget;

namespace tremida::gui {

class TFormInstrukcja;

class TInstrukcja : public QObject {
    Q_OBJECT
public:
    // The page windows become top-level children of `rodzicOkien`.
    TInstrukcja(KontekstAplikacji &kontekst, QWidget *rodzicOkien);

    // Shows and raises the page `numer` ("5.1", "0"); nullptr, showing nothing, for a number
    // that names no page.
    TFormInstrukcja *pokaz(const QString &numer);

    // The window of a page, made on first use (hidden); nullptr for an unknown number.
    TFormInstrukcja *okno(const QString &numer);

    // Fills the menu "Instrukcja programu": page 0, then one submenu per chapter holding its
    // sections.
    void wypelnijMenu(QMenu *menu);

private:
    KontekstAplikacji &m_kontekst;
    QWidget *m_rodzic;
    std::map<QString, QPointer<TFormInstrukcja>> m_okna;
};

} // namespace tremida::gui
