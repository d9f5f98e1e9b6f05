#pragma once
// The configuration dialog "KONFIGURACJA APLIKACJI": the standard value of every parameter
// beside the user's own value, applying either set to the running program, and writing or
// reading the own values to or from the configuration file.

#include "app/ParKonfig.h"

#include <QDialog>
#include <array>

#include "widgets/WidzetyQt.h"

namespace tremida::gui {

class KontekstAplikacji;

class TFormKonfig : public QDialog {
    Q_OBJECT
public:
    // The own-value controls start from the context's current parameters; the dialog
    // follows the context's colours from then on.
    explicit TFormKonfig(KontekstAplikacji &k, QWidget *rodzic = nullptr);

    // The own values as the controls hold them, and setting the controls from them.
    TWartWlasneKonfig wlasne() const;
    void ustawWlasne(const TWartWlasneKonfig &w);

    // The dialog's actions, as its buttons run them.
    void zastosujStandardowe();
    void przepiszStandardoweDoWlasnych();
    void zapiszWlasneDoPliku();
    void czytajWlasneZPliku();
    void zastosujWlasne();

    void ZmiaKolFormKonfig(const TParKonfig &konfig);

    // Controls, in the order of the parameters (0 MaxPozReg ... 15 MetaReg).
    static constexpr int LiczbaParametrow = 16;
    QLineEdit *poleWlasne(int parametr) const;   // 0, 6, 7; nullptr for the others
    QComboBox *listaWlasna(int parametr) const;  // the others; nullptr for 0, 6, 7
    QLineEdit *poleStandardowe(int parametr) const { return m_standardowe[static_cast<size_t>(parametr)]; }
    QLabel *etykieta(int parametr) const { return m_etykiety[static_cast<size_t>(parametr)]; }
    QPushButton *przyciskZastosujStandardowe() const { return m_zastStd; }
    QPushButton *przyciskPrzepiszStandardowe() const { return m_przepiszStd; }
    QPushButton *przyciskZapiszWlasne() const { return m_zapisz; }
    QPushButton *przyciskCzytajWlasne() const { return m_czytaj; }
    QPushButton *przyciskZastosujWlasne() const { return m_zastWlasne; }
    QPushButton *przyciskOK() const { return m_ok; }
    QPushButton *przyciskPomoc() const { return m_pomoc; }

private:
    KontekstAplikacji &m_kontekst;
    std::array<QLabel *, LiczbaParametrow> m_etykiety{};
    std::array<QLineEdit *, LiczbaParametrow> m_standardowe{};
    std::array<QWidget *, LiczbaParametrow> m_wlasne{};
    QList<QLabel *> m_naglowkiStandardowe;
    QList<QLabel *> m_naglowkiWlasne;
    QList<QGroupBox *> m_grupy;
    QPushButton *m_zastStd;
    QPushButton *m_przepiszStd;
    QPushButton *m_zapisz;
    QPushButton *m_czytaj;
    QPushButton *m_zastWlasne;
    QPushButton *m_ok;
    QPushButton *m_pomoc;
};

} // namespace tremida::gui
