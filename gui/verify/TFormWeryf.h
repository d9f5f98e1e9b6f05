#pragma once
// "WERYFIKACJA BAZY WIEDZY": the verification of the chosen knowledge base before inference,
// short or full, with one progress bar per pass; OK after a clean run makes inference
// available.

#include "inference/PolaSystemu.h"

#include "widgets/OknoKontekstu.h"
#include <array>
#include <functional>

class QProgressBar;

namespace tremida::gui {


class TFormWeryf : public OknoKontekstu {
    Q_OBJECT
public:
    explicit TFormWeryf(KontekstAplikacji &kontekst, QWidget *rodzic = nullptr);

    // The menu command: the rows of the mode (`pelna` full, else short), bars at 0 of 1,
    // fields emptied, "Anuluj opcję" and "Start weryfikacji" shown, OK and "Zatrzymaj i wyjdź
    // z procesu weryfikacji" hidden; the form is shown.
    void przygotuj(int kodSyst, const QString &nazSyst, bool pelna);

    // OK after a clean run (enables "Realizacja procesu wnioskowania"), with the code of the
    // verified knowledge base.
    std::function<void(int kodSyst)> poZweryfikowaniu;
    // A run ended with an error (the form is hidden): inference is not available.
    std::function<void(int kodSyst)> poNieudanej;

    QLabel *etykieta(int przebieg) const { return m_et.at(przebieg); }
    QProgressBar *pasek(int przebieg) const { return m_pasek.at(przebieg); }
    QLineEdit *poleOk(int przebieg) const { return m_ok.at(przebieg); }
    QPushButton *przyciskStart() const { return m_start; }
    QPushButton *przyciskZatrzymaj() const { return m_zatrzymaj; }
    QPushButton *przyciskAnuluj() const { return m_anuluj; }
    QPushButton *przyciskOk() const { return m_przyciskOk; }

    void ZmiaKolFormWeryf();

private:
    void start();
    void przyciskiPoPrzebiegu(bool zOk);

    int m_kodSyst = 0;
    bool m_pelna = false;
    QLabel *m_tytul;
    TPolaSystemu m_pola;
    std::array<QLabel *, 3> m_et{};
    std::array<QProgressBar *, 3> m_pasek{};
    std::array<QLineEdit *, 3> m_ok{};
    QPushButton *m_start, *m_zatrzymaj, *m_anuluj, *m_przyciskOk, *m_pomoc;
};

} // namespace tremida::gui
