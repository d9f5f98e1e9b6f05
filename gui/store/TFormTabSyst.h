#pragma once
// "TABELA SYSTEMÓW EKSPERCKICH (BAZ WIEDZY)": the knowledge bases, created, edited and
// deleted here.

#include "widgets/Kontrolki.h"
#include "widgets/Nawigator.h"
#include "widgets/OknoTabeli.h"

#include "widgets/WidzetyQt.h"

namespace tremida::gui {

class TFormTabSyst : public OknoTabeli {
    Q_OBJECT
public:
    explicit TFormTabSyst(KontekstAplikacji &k, QWidget *rodzic = nullptr);

    // Opens the systems table in key order, decodes the first record's date and shows the window.
    void otworz();

    void ZmiaKolFormTabSyst(const TParKonfig &konfig);

    ZbiorDanych *zbior() const { return m_syst; }
    Nawigator *nawigator() const { return m_nawigator; }
    QLineEdit *poleKodu() const { return m_kod; }
    QLineEdit *poleNazwy() const { return m_nazwa; }
    QPlainTextEdit *poleOpisu() const { return m_opis; }
    QLineEdit *poleDaty() const { return m_data; }
    QLineEdit *poleWolnegoKodu() const { return m_wolnyKod; }
    QPushButton *przyciskWolnyKod() const { return m_szukajKodu; }

protected:
    void zamknijZbiory() override;

private:
    ZbiorDanych *m_syst;
    Siatka *m_siatka;
    Nawigator *m_nawigator;
    QLabel *m_naglowek, *m_lKod, *m_lNazwa, *m_lOpis, *m_lData, *m_lWolnyKod;
    QLineEdit *m_kod, *m_nazwa, *m_data, *m_wolnyKod;
    QPlainTextEdit *m_opis;
    QPushButton *m_szukajKodu;
};

} // namespace tremida::gui
