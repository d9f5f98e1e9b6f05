#pragma once
// "TABELA FAKTÓW ": the facts of one chosen knowledge base (or of all), with the checks made
// after a fact is posted, the copy of a fact with its enumerated values, the display of an
// enumerated fact's values and the pictures and films that illustrate the current fact.

#include "Ilustracje.h"
#include "widgets/Kontrolki.h"
#include "widgets/OknoTabeliWgSystemu.h"

#include <QString>

#include "widgets/WidzetyQt.h"

namespace tremida::gui {

class TFormOstrzBrakWartFakt;
class TFormWizWartFaktWyliczWpr;
class TFormWizWartFaktWyliczPosrLubKonc;

class TFormTabFakt : public OknoTabeliWgSystemu {
    Q_OBJECT
public:
    explicit TFormTabFakt(KontekstAplikacji &k, QWidget *rodzic = nullptr);

    void ZmiaKolFormTabFakt(const TParKonfig &konfig);

    ZbiorDanych *zbiorFakt() const { return m_fakt; }
    TFormOstrzBrakWartFakt *ostrzezenieBrakWartosci() const { return m_ostrzBrak; }
    TFormWizWartFaktWyliczWpr *widokWartosciWpr() const { return m_wizWpr; }
    TFormWizWartFaktWyliczPosrLubKonc *widokWartosciPosr() const { return m_wizPosr; }
    int liczbaObrazow() const { return m_obrazy->krok().liczba(); }
    int liczbaFilmow() const { return m_filmy->krok().liczba(); }

protected:
    QStringList naglowkiRekordow() const override;
    void poPrzewinieciu() override;
    // Opening the window anew reports a missing table of files again.
    void przedOtwarciem() override;
    void poAkcjiNawigatora(PrzyciskNaw p) override;

private:
    void ustawWidocznosc();
    void policzMultimedia();
    void kontrolaPoZatwierdzeniu(const QVariant &klucz);
    void kopiuj();
    void pokazWartosci(bool posredni);
    // The parts of the window, in the order they are built.
    void polaczZbiorFaktow();
    void utworzPolaFaktu(QGroupBox *szczegoly);
    void utworzWartoscWpr(QGroupBox *szczegoly);
    void utworzWartoscPosr(QGroupBox *szczegoly);
    void ulozSzczegoly(QGroupBox *szczegoly);
    QWidget *utworzPomocnicze();
    void ulozPomocnicze(QWidget *pomocnicze);
    void ulozOkno(QWidget *szczegoly, QWidget *pomocnicze);

    ZbiorDanych *m_fakt = m_rekordy;

    QLabel *m_lKod, *m_lKodSystFakt, *m_lNazwa, *m_lLiczWart, *m_lJedn, *m_lOpis, *m_lPyt, *m_lData;
    QLineEdit *m_kod, *m_kodSystFakt, *m_nazwa, *m_liczWart, *m_jedn;
    GrupaRadiowa *m_rodzaj, *m_typ, *m_wielWart;
    QPlainTextEdit *m_opis, *m_pyt;
    QWidget *m_wartWpr;
    QLabel *m_lWartWpr, *m_lWartWprWart, *m_lWartWprCF;
    QLineEdit *m_wartWprWart, *m_wartWprCF;
    QLabel *m_naglowekPosr;
    QWidget *m_wartPosr;
    QLabel *m_lWartAkt, *m_lCFAkt, *m_lWartPoprz, *m_lCFPoprz;
    QLineEdit *m_wartAkt, *m_cfAkt, *m_wartPoprz, *m_cfPoprz;
    QPushButton *m_przyciskWartWpr, *m_przyciskWartPosr;

    QPushButton *m_szukajWolnego, *m_szukajRekordu, *m_kopiuj;
    QLabel *m_lWolnyKod, *m_lSzukany, *m_lKopiowany;
    QLineEdit *m_wolnyKod, *m_szukany, *m_kopiowany;

    QLabel *m_lLiczbaObrazow, *m_lLiczbaFilmow;
    QLineEdit *m_liczbaObrazowPole, *m_liczbaFilmowPole;
    QPushButton *m_obrazNast, *m_obrazPoprz, *m_filmNast, *m_filmPoprz;
    TPrzyciskiIlustracji *m_obrazy, *m_filmy;
    bool m_brakTabeliPlikowZgloszony = false;

    TFormOstrzBrakWartFakt *m_ostrzBrak;
    TFormWizWartFaktWyliczWpr *m_wizWpr;
    TFormWizWartFaktWyliczPosrLubKonc *m_wizPosr;
};

} // namespace tremida::gui
