#pragma once
// "WIZUALIZACJA KONKLUZJI SYSTEMU EKSPERCKIEGO SZKIELETOWEGO TREMIDA": one fired rule with its
// conclusion, CF and aggregated CF, the user's instructions and the pictures and films of the
// rule. Shown without blocking; its two process buttons continue or close the paused run.

#include "inference/UzytkownikWnios.h"

#include "widgets/OknoKontekstu.h"
#include <functional>

#include "widgets/WidzetyQt.h"

namespace tremida::gui {

class TPrzyciskiIlustracji;

class TFormWizKonkl : public OknoKontekstu {
    Q_OBJECT
public:
    explicit TFormWizKonkl(KontekstAplikacji &kontekst, QWidget *rodzic = nullptr);

    // WizKonklReg: fills every field from the fired rule, counts its pictures and films and
    // resets their buttons.
    void wypelnij(const TWizKonkl &w);
    const TWizKonkl &pokazana() const { return m_wiz; }

    // The process buttons; the window is hidden before either is called.
    std::function<void()> kontynuuj, zamknij;

    QPushButton *przyciskKontynuuj() const { return m_kontynuuj; }
    QPushButton *przyciskZamknij() const { return m_zamknij; }
    QPushButton *przyciskNastObraz() const { return m_nastObraz; }
    QPushButton *przyciskPoprzObraz() const { return m_poprzObraz; }
    QPushButton *przyciskNastFilm() const { return m_nastFilm; }
    QPushButton *przyciskPoprzFilm() const { return m_poprzFilm; }
    QLineEdit *pole(const QString &nazwa) const; // by object name: kodSyst, nazSyst, kodReg, ...
    bool konkluzjaKoncowa() const;

    void ZmiaKolFormWizKonkl();

protected:
    // The window's close box closes the process like its close button, so that no run is
    // left waiting behind a hidden display.
    void closeEvent(QCloseEvent *e) override;

private:
    QLineEdit *pole(const QString &nazwa, QWidget *rodzic);
    void zamknijProces();

    TWizKonkl m_wiz;
    QList<QLabel *> m_etykiety;
    QList<QLineEdit *> m_pola;
    QPlainTextEdit *m_instr, *m_opisReg, *m_opisKonkl;
    QGroupBox *m_rodzaj;
    QRadioButton *m_posredni, *m_koncowy;
    QPushButton *m_kontynuuj, *m_zamknij, *m_skladnia, *m_drzewo, *m_symulacja, *m_pomoc;
    QPushButton *m_nastObraz, *m_poprzObraz, *m_nastFilm, *m_poprzFilm;
    TPrzyciskiIlustracji *m_obrazy, *m_filmy;
};

} // namespace tremida::gui
