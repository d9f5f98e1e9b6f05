#pragma once
// The choice of a knowledge base before printing its facts (with the values of its
// enumerated facts) or its rules: the systems grid, the chosen system's code and name, and
// the buttons that print, cancel or open the manual.

#include "inference/PolaSystemu.h"
#include "report/Wydruki.h"

#include "widgets/OknoKontekstu.h"

class QTableView;

namespace tremida::gui {

class SiatkaSystemow;

class TFormWybSystDruk : public OknoKontekstu {
    Q_OBJECT
public:
    // `rodzaj` is RodzajWydruku::Fakty or RodzajWydruku::Reguly.
    TFormWybSystDruk(KontekstAplikacji &kontekst, RodzajWydruku rodzaj, QWidget *rodzic = nullptr);

    // Opens the systems table on its first record and shows the window.
    void otworz();
    // Code of the system marked in the grid, 0 when none.
    int wybranyKodSyst() const;

    QTableView *siatka() const { return m_siatka; }
    QPushButton *przyciskDrukuj() const { return m_drukuj; }
    QPushButton *przyciskAnuluj() const { return m_anuluj; }
    QPushButton *przyciskPomoc() const { return m_pomoc; }

    // Applies the configured colours by role.
    void ZmiaKolFormWybSystDruk();

private:
    void pokazBiezacy();
    void drukuj();
    void zamknij();

    RodzajWydruku m_rodzaj;
    SiatkaSystemow *m_systemy;
    QTableView *m_siatka;
    QLabel *m_zacheta = nullptr;
    TPolaSystemu m_pola;
    QPushButton *m_drukuj, *m_anuluj, *m_pomoc;
};

} // namespace tremida::gui
