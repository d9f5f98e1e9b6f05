#pragma once
// "KARTA REGUŁY": the card of one rule in a read-only window: its texts and run state, the
// result of its syntax check with the messages of "Weryfikuj składnię", the structure of its
// premise field, the facts it names with their definitions and states and the constants with
// their values, as an expanded tree.

#include "app/KontekstAplikacji.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTreeView;

namespace tremida {
class TModelWyjasnien;
}

namespace tremida::gui {

class TFormKartaReg : public QWidget {
    Q_OBJECT
public:
    TFormKartaReg(KontekstAplikacji &k, QWidget *rodzic);

    // Shows the card of the stored rule `idReg`; a rule that is not in the rules table (or
    // tables that cannot be read) gives its message and the window is not shown. Returns
    // whether the card is shown.
    bool pokaz(int idReg);

    QTreeView *drzewo() const { return m_drzewo; }
    TModelWyjasnien *model() const { return m_model; }
    QPushButton *przyciskOk() const { return m_ok; }

    void ZmiaKolFormKartaReg(const TParKonfig &konfig);

private:
    KontekstAplikacji &m_k;
    QLabel *m_naglowek;
    QTreeView *m_drzewo;
    TModelWyjasnien *m_model;
    QPushButton *m_pomoc, *m_ok;
};

} // namespace tremida::gui
