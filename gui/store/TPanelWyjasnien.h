#pragma once
// The explanations beside the trajectory viewer's grid: the conclusions of the chosen
// system's last run, the tree of fired rules of the one chosen, "why not" for any conclusion
// text typed, and the printing of the consultation report. Choosing a node that stands for a
// trajectory step asks the viewer to move its grid to that step.

#include "app/KontekstAplikacji.h"

#include <QWidget>

#include "widgets/WidzetyQt.h"

namespace tremida {
class TModelWyjasnien;
struct TWynikWyjasnienia;
}

namespace tremida::gui {

class TPanelWyjasnien : public QWidget {
    Q_OBJECT
public:
    explicit TPanelWyjasnien(KontekstAplikacji &k, QWidget *rodzic = nullptr);

    // Shows the explanations of system `kodSyst` (0: none): its conclusions, the tree of the
    // first one, an empty "why not". The conclusions and the tree are read when the tree tab
    // is on screen, so a viewer over a long run opens without reading it.
    void ustawSystem(int kodSyst);
    int system() const { return m_kodSyst; }

    // Shows the tree of the conclusion at `indeks` of the list.
    void wybierzKonkluzje(int indeks);
    // "Wyjaśnij": the "why not" of the text typed; a text that is no conclusion gets its message.
    void dlaczegoNie();
    // "Drukuj raport z konsultacji": the report of the system's last run through the dialogs.
    void drukujRaport();

    QComboBox *listaKonkluzji() const { return m_konkluzje; }
    QTreeView *drzewoJak() const { return m_drzewoJak; }
    QTreeView *drzewoDlaczego() const { return m_drzewoDlaczego; }
    QLineEdit *poleDlaczego() const { return m_tekstDlaczego; }
    QPushButton *przyciskDlaczego() const { return m_wyjasnij; }
    QPushButton *przyciskRaportu() const { return m_raport; }
    QTabWidget *zakladki() const { return m_zakladki; }
    TModelWyjasnien *modelJak() const { return m_modelJak; }
    TModelWyjasnien *modelDlaczego() const { return m_modelDlaczego; }

    void ZmiaKolPanelWyjasnien(const TParKonfig &konfig);

protected:
    void showEvent(QShowEvent *e) override;

signals:
    // A node standing for trajectory step `krok` was chosen.
    void krokWybrany(int krok);

private:
    QTreeView *drzewo(TModelWyjasnien *model);
    // Reads the conclusions and the first tree of the system once the tree tab is on screen.
    void wczytajKonkluzje();
    // The trees of an explanation in a model and its view, expanded, or its message.
    void pokaz(const TWynikWyjasnienia &w, TModelWyjasnien *model, QTreeView *widok);

    KontekstAplikacji &m_k;
    int m_kodSyst = 0;
    bool m_konkluzjeWczytane = true;
    QLabel *m_naglowek, *m_lKonkluzje, *m_lDlaczego;
    QTabWidget *m_zakladki;
    QComboBox *m_konkluzje;
    QTreeView *m_drzewoJak, *m_drzewoDlaczego;
    QLineEdit *m_tekstDlaczego;
    QPushButton *m_wyjasnij, *m_raport;
    TModelWyjasnien *m_modelJak, *m_modelDlaczego;
};

} // namespace tremida::gui
