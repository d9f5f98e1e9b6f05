#pragma once
// "REALIZACJA PROCESU WNIOSKOWANIA": the knowledge base of the inference, the ten descriptive
// parameters read from an input-fact file, and the buttons that organise forward, backward
// or mixed inference.

#include "PolaSystemu.h"

#include "widgets/OknoKontekstu.h"
#include <array>
#include <functional>

namespace tremida::gui {


class TFormRealizWnios : public OknoKontekstu {
    Q_OBJECT
public:
    explicit TFormRealizWnios(KontekstAplikacji &kontekst, QWidget *rodzic = nullptr);

    // Fills the system fields and the ten descriptive fields (two per row, left then right).
    void wypelnij(int kodSyst, const QString &nazSyst, const std::array<QString, 10> &linie);

    // The three "Organizuj ..." buttons.
    std::function<void()> organizujWPrzod, organizujWstecz, organizujMiesz;

    QLineEdit *poleOpisu(int i) const { return m_opis.at(i); } // 0..9
    QPushButton *przyciskWPrzod() const { return m_wPrzod; }
    QPushButton *przyciskWstecz() const { return m_wstecz; }
    QPushButton *przyciskMiesz() const { return m_miesz; }

    void ZmiaKolFormRealizWnios();

private:
    QLabel *m_tytul, *m_tytulOpisu;
    TPolaSystemu m_pola;
    std::array<QLineEdit *, 10> m_opis{};
    QPushButton *m_wPrzod, *m_wstecz, *m_miesz, *m_anuluj, *m_ok, *m_pomoc;
};

} // namespace tremida::gui
