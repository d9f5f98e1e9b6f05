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
    // that names no page. Opened while a modal dialog is open (its "Pomoc"), the page belongs
    // to that dialog until it closes, so that the page takes input beside the dialog.
    TFormInstrukcja *pokaz(const QString &numer);

    // The window of a page, made on first use (hidden); nullptr for an unknown number.
    TFormInstrukcja *okno(const QString &numer);

    // Fills the menu "Instrukcja programu": page 0, then one submenu per chapter holding its
    // sections.
    void wypelnijMenu(QMenu *menu);

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    // Gives the page to `wlasciciel` (a modal dialog, or the main window), keeping its place
    // on the screen and whether it is shown.
    void przenies(TFormInstrukcja *strona, QWidget *wlasciciel);

    KontekstAplikacji &m_kontekst;
    QWidget *m_rodzic;
    std::map<QString, QPointer<TFormInstrukcja>> m_okna;
};

} // namespace tremida::gui
