#pragma once
// The "OSTRZEŻENIE" window shown before a table file that exists is created again.

#include "app/ParKonfig.h"
#include "store/Schemat.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tremida::gui {

class TFormOstrzTab : public QDialog {
    Q_OBJECT
public:
    TFormOstrzTab(Tabela tabela, const TParKonfig &konfig, QWidget *rodzic = nullptr);

    // Shows the window modally; true when the user chose "Kontynuuj realizację opcji".
    bool zapytaj();

    void ZmiaKolFormOstrzTab(const TParKonfig &konfig);

    QPushButton *przyciskKontynuuj() const { return m_kontynuuj; }
    QPushButton *przyciskAnuluj() const { return m_anuluj; }
    QString tekst() const;

private:
    QLabel *m_tekst;
    QPushButton *m_kontynuuj;
    QPushButton *m_anuluj;
};

} // namespace tremida::gui
