#pragma once
// The about window "O PROGRAMIE".

#include "app/ParKonfig.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tremida::gui {

class TFormOProgramie : public QDialog {
    Q_OBJECT
public:
    explicit TFormOProgramie(const TParKonfig &konfig, QWidget *rodzic = nullptr);
    void ZmiaKolFormOProgramie(const TParKonfig &konfig);

private:
    QLabel *m_nazwa;
    QLabel *m_wersja;
    QLabel *m_opis;
    QPushButton *m_ok;
};

} // namespace tremida::gui
