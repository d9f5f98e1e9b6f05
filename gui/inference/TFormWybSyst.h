#pragma once
// "WYBÓR SYSTEMU EKSPERCKIEGO (BAZY WIEDZY) DO PROCESU WNIOSKOWANIA": the grid of the systems
// table with a navigator and the current record's code and name; OK chooses that knowledge
// base for inference.

#include "PolaSystemu.h"

#include "widgets/OknoKontekstu.h"
#include <functional>

class QTableView;

namespace tremida::gui {

class SiatkaSystemow;

class TFormWybSyst : public OknoKontekstu {
    Q_OBJECT
public:
    explicit TFormWybSyst(KontekstAplikacji &kontekst, QWidget *rodzic = nullptr);

    // Opens the systems table in key order on its first record and shows the form.
    void otworz();
    // Makes the record of row `wiersz` current (0-based).
    void ustawBiezacy(int wiersz);
    int biezacyKodSyst() const;

    // Called by OK with the code of the current system.
    std::function<void(int kodSyst)> poWyborze;

    QTableView *siatka() const { return m_siatka; }
    QPushButton *przyciskOk() const { return m_ok; }
    QLineEdit *poleKod() const { return m_pola.kod; }
    QLineEdit *poleNazwa() const { return m_pola.nazwa; }

    void ZmiaKolFormWybSyst();

private:
    void pokazBiezacy();
    void przesun(int wiersz);

    QLabel *m_instrukcja;
    SiatkaSystemow *m_systemy;
    QTableView *m_siatka;
    TPolaSystemu m_pola;
    QPushButton *m_pierwszy, *m_poprzedni, *m_nastepny, *m_ostatni;
    QPushButton *m_ok, *m_pomoc;
};

} // namespace tremida::gui
