#pragma once
// "OSTRZEŻENIE" shown when an input fact of type real, integer or logical is posted without
// a value: the value may stay unknown now and be given later.

#include "app/ParKonfig.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tremida::gui {

class TFormOstrzBrakWartFakt : public QDialog {
    Q_OBJECT
public:
    explicit TFormOstrzBrakWartFakt(const TParKonfig &konfig, QWidget *rodzic = nullptr);

    // Shows the warning modally; true when the user chose "Wartość faktu jest mi nieznana".
    bool zapytaj();

    void ZmiaKolFormOstrzBrakWartFakt(const TParKonfig &konfig);

    QPushButton *przyciskWprowadz() const { return m_wprowadz; }
    QPushButton *przyciskNieznana() const { return m_nieznana; }

private:
    QLabel *m_tekst;
    QPushButton *m_wprowadz;
    QPushButton *m_nieznana;
};

} // namespace tremida::gui
