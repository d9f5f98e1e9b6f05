#pragma once
// "TABELA WARTOŚCI FAKTÓW WYLICZENIOWYCH": the predefined values of enumerated facts, chosen
// through a knowledge base and one of its enumerated facts, with the checks of the number
// of values, of single-valued facts and of repeated value words.

#include "widgets/Kontrolki.h"
#include "widgets/Nawigator.h"
#include "widgets/OknoTabeli.h"

#include "widgets/WidzetyQt.h"

namespace tremida::gui {

class TFormTabWartFaktWylicz : public OknoTabeli {
    Q_OBJECT
public:
    explicit TFormTabWartFaktWylicz(KontekstAplikacji &k, QWidget *rodzic = nullptr);

    // Opens the systems, the enumerated facts of the first system and the values of the
    // first fact, in the view of one fact's values, and shows the window.
    void otworz();

    void ZmiaKolFormTabWartFaktWylicz(const TParKonfig &konfig);

    // View choice: all values of all enumerated facts (true) or the values of the chosen fact.
    void ustawWidokWszystkich(bool wszystkie);
    bool widokWszystkich() const;

    ZbiorDanych *zbiorSyst() const { return m_syst; }
    ZbiorDanych *zbiorFakt() const { return m_fakt; }
    ZbiorDanych *zbiorWart() const { return m_wart; }
    Nawigator *nawigatorSyst() const { return m_nawSyst; }
    Nawigator *nawigatorFakt() const { return m_nawFakt; }
    Nawigator *nawigator() const { return m_nawWart; }
    int liczbaWartosci() const { return m_liczbaWartosci; }
    // Whether the panel of an input fact (true) or of an intermediate/final fact is shown.
    bool panelWprowadzanego() const;

protected:
    void zamknijZbiory() override;

private:
    void uruchomZapytanieFaktow();
    void uruchomZapytanieWartosci();
    void policzWartosci();
    void ustawPanel();
    void poAkcjiNawigatora(PrzyciskNaw p);
    // The parts of the window, in the order they are built.
    void utworzWyborFaktu();
    void utworzWartosci();
    void utworzPolaWartosci(QGroupBox *szczegoly);
    void utworzPanelWprowadzanego(QGroupBox *szczegoly);
    void utworzPanelPosredniego(QGroupBox *szczegoly);
    void ulozSzczegoly(QGroupBox *szczegoly);
    QGridLayout *utworzPomocnicze();
    void ulozOkno(QGroupBox *szczegoly, QGridLayout *pomocnicze);

    ZbiorDanych *m_syst, *m_fakt, *m_wart;
    GrupaRadiowa *m_widok;
    QWidget *m_wybor;
    Siatka *m_siatkaSyst, *m_siatkaFakt, *m_siatkaWart;
    Nawigator *m_nawSyst, *m_nawFakt, *m_nawWart;
    QLabel *m_lSzukanyFakt, *m_lSzukanaWart, *m_lWolnyKod, *m_lLiczba;
    QLineEdit *m_szukanyFakt, *m_szukanaWart, *m_wolnyKod, *m_liczba;
    QPushButton *m_szukajFaktu, *m_szukajWartosci, *m_szukajWolnego;

    QLabel *m_lKod, *m_lKodFakt, *m_lWartosc, *m_lData;
    QLineEdit *m_kod, *m_kodFakt, *m_wartosc, *m_data;
    QWidget *m_panelWpr, *m_panelPosr;
    GrupaRadiowa *m_wprAkt, *m_posrAkt, *m_posrPoprz;
    QLabel *m_lWprCF, *m_naglowekPosr, *m_lPosrCFAkt, *m_lPosrCFPoprz;
    QLineEdit *m_wprCF, *m_posrCFAkt, *m_posrCFPoprz;
    int m_liczbaWartosci = 0;
    // The window is being opened: the first fact is shown without its checks, which run when
    // the user chooses another fact.
    bool m_otwieranie = false;
};

} // namespace tremida::gui
