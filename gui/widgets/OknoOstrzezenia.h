#pragma once
// The frame of the warning windows: the warning icon beside a plain text, and below it two
// buttons side by side in the middle, one that goes on with what the user began (the window
// is accepted) and one that holds back (rejected, and the default, so Enter is the safe answer).

#include "app/ParKonfig.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tremida::gui {

class OknoOstrzezenia : public QDialog {
    Q_OBJECT
public:
    // Shows the warning modally; true when the user chose the button that goes on.
    bool zapytaj();

protected:
    // Which of the two buttons, left or right, goes on with the action.
    enum class Dalej { Lewy, Prawy };

    // A modal window named `nazwa` with the title `tytul` and the text `tekst`; the buttons read
    // `lewy` and `prawy` and are coloured from `konfig`.
    OknoOstrzezenia(const QString &nazwa, const QString &tytul, const QString &tekst, const QString &lewy,
                    const QString &prawy, Dalej dalej, const TParKonfig &konfig, QWidget *rodzic);

    // Colours the text as passive and the buttons as auxiliary controls.
    void zmienKolory(const TParKonfig &konfig);

    QLabel *m_tekst;
    QPushButton *m_lewy;
    QPushButton *m_prawy;
};

} // namespace tremida::gui
