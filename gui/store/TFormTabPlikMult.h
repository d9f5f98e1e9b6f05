#pragma once
// "TABELA PLIKÓW MULTIMEDIALNYCH": the records of the pictures and films that illustrate
// facts and rules, shown all together or for one chosen fact or rule, with a trial display
// of the file being edited.

#include "widgets/Kontrolki.h"
#include "widgets/Nawigator.h"
#include "widgets/OknoTabeli.h"

#include "widgets/WidzetyQt.h"

namespace tremida::gui {

class TFormTabPlikMult : public OknoTabeli {
    Q_OBJECT
public:
    enum class Widok { Wszystkie, Fakt, Regula };

    explicit TFormTabPlikMult(KontekstAplikacji &k, QWidget *rodzic = nullptr);

    // Opens all records, hides the element selection and shows the window.
    void otworz();

    void ZmiaKolFormTabPlikMult(const TParKonfig &konfig);

    // The view choice; a per-element view needs the systems and the facts or rules file
    // (a message and the view is not changed when one is missing).
    bool ustawWidok(Widok w);
    Widok widok() const { return m_widokBiezacy; }

    ZbiorDanych *zbiorPlikow() const { return m_pliki; }
    ZbiorDanych *zbiorSyst() const { return m_syst; }
    ZbiorDanych *zbiorElementow() const;
    Nawigator *nawigator() const { return m_nawPliki; }
    Nawigator *nawigatorSyst() const { return m_nawSyst; }

protected:
    void zamknijZbiory() override;

private:
    void uruchomZapytanieElementow();
    void uruchomZapytaniePlikow();
    void poAkcjiNawigatora(PrzyciskNaw p);
    // The parts of the window, in the order they are built.
    void utworzWyborElementu();
    void utworzPliki();
    void utworzPolaPliku(QGroupBox *szczegoly);
    void ulozSzczegoly(QGroupBox *szczegoly);
    QGridLayout *utworzPomocnicze();
    void ulozOkno(QGroupBox *szczegoly, QGridLayout *pomocnicze);
    void przepiszWolnyKod();
    void szukajPliku();
    void szukajElementu();
    void probnaWizualizacja();

    ZbiorDanych *m_syst, *m_fakty, *m_reguly, *m_pliki;
    Widok m_widokBiezacy = Widok::Wszystkie;
    GrupaRadiowa *m_widok;
    QWidget *m_wybor;
    Siatka *m_siatkaFakty, *m_siatkaReguly, *m_siatkaPliki;
    Nawigator *m_nawSyst, *m_nawPliki;
    QLabel *m_naglowekSyst, *m_lKodSyst, *m_lNazSyst, *m_naglowekEl, *m_lKodEl, *m_lNazEl, *m_lSzukanyEl;
    QLineEdit *m_kodSyst, *m_nazSyst, *m_kodFaktu, *m_nazFaktu, *m_kodReguly, *m_nazReguly, *m_szukanyEl;
    QPushButton *m_szukajEl;

    QLabel *m_lKod, *m_lNazwa, *m_lStosunek, *m_lKodEl2, *m_lPodpis, *m_lData;
    QLineEdit *m_kod, *m_nazwa, *m_stosunek, *m_kodElementu, *m_data;
    GrupaRadiowa *m_rodzaj, *m_coIlustr;
    QPlainTextEdit *m_podpis;

    QPushButton *m_szukajWolnego, *m_przepisz, *m_szukajRekordu, *m_proba;
    QLabel *m_lWolnyKod, *m_lSzukany;
    QLineEdit *m_wolnyKod, *m_szukany;
};

} // namespace tremida::gui
