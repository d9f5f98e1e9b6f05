#pragma once
// "OSTRZEŻENIE PRZED WYJŚCIEM BEZ ZATWIERDZENIA ZMIAN": shown when a table window is left
// while its current record is being inserted or edited.

#include "app/ParKonfig.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tremida::gui {

class TFormOstrzWyj : public QDialog {
    Q_OBJECT
public:
    explicit TFormOstrzWyj(const TParKonfig &konfig, QWidget *rodzic = nullptr);

    // Shows the warning modally; true when the user chose "Wyjdź bez zatwierdzenia zmian".
    bool zapytaj();

    void ZmiaKolFormOstrzWyj(const TParKonfig &konfig);

    QPushButton *przyciskWyjdz() const { return m_wyjdz; }
    QPushButton *przyciskWroc() const { return m_wroc; }

private:
    QLabel *m_tekst;
    QPushButton *m_wyjdz;
    QPushButton *m_wroc;
};

} // namespace tremida::gui
