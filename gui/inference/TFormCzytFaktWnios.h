#pragma once
// "PRZYPISYWANIE, W TRAKCIE PROCESU WNIOSKOWANIA, WARTOŚCI FAKTOWI WPROWADZANEMU O DOTYCHCZAS
// NIEPRZYPISANEJ WARTOŚCI": the modal dialog in which the user gives an input fact its value
// during a run. It only collects what is typed; the checks and writes are those of
// PrzypiszWartFaktSkalar and PrzypiszWartFaktWylicz.

#include "inference/PrzypiszWartFakt.h"
#include "inference/UzytkownikWnios.h"

#include <QDialog>
#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace tremida::gui {

class KontekstAplikacji;

class TFormCzytFaktWnios : public QDialog {
    Q_OBJECT
public:
    static constexpr int LiczbaWierszy = 20;
    static constexpr int WysokoscLinii = 25;

    explicit TFormCzytFaktWnios(KontekstAplikacji &kontekst, QWidget *rodzic = nullptr);

    // OtworzCzytFaktWnios steps 2 to 4: binds the dialog to the fact of the call context and
    // prepares the scalar or the enumerated section and the size.
    void przygotuj(const TKontekstCzytFakt &k);
    // Shows the dialog modally; sets `zamknietyOk`. Leaving it with the window's close box
    // records that no value was given, as OK with no value does, and keeps every stored value.
    void otworz(TKontekstCzytFakt &k);

    // The n-th edit of the value rows (1..60: code, value text, CF of row (n+2)/3); null for
    // any other n.
    QLineEdit *EditJakoKomp(int n) const;
    // The choice "tak"/"nie"/"???" of row i (1..20); null for any other i.
    QWidget *RadioGroupJakoKomp(int i) const;
    // Marks row i (1..20) "tak", "nie", "???" or nothing (empty text).
    void ustawWybor(int i, const QString &wybor);
    QString wybor(int i) const;

    QLineEdit *poleWartosci() const { return m_wartosc; }
    QLineEdit *poleCF() const { return m_cf; }
    QPushButton *przyciskOk() const { return m_ok; }
    QGroupBox *sekcjaSkalarna() const { return m_skalar; }
    QGroupBox *sekcjaWyliczeniowa() const { return m_wylicz; }
    int liczbaWartosci() const { return m_n; }
    int wysokoscPelna() const { return m_wysokoscPelna; }
    // The stored WartFakt after a successful scalar entry.
    QString wynikWartosci() const { return m_wynik; }

    void ZmiaKolFormCzytFaktWnios();

    // Leaving the dialog without OK (close box, Escape).
    void reject() override;

private:
    struct Wiersz {
        QWidget *linia = nullptr; // the line the row sits on (two rows per line)
        QWidget *skladniki = nullptr;
        QLineEdit *kod = nullptr, *wartosc = nullptr, *cf = nullptr;
        QWidget *wybor = nullptr;
        QButtonGroup *grupa = nullptr;
    };
    void ok();
    QList<TWierszWylicz> wiersze() const;

    KontekstAplikacji &m_kontekst;
    TKontekstCzytFakt m_k;
    int m_n = 0;
    QString m_wynik;
    bool m_zamknietyOk = false;
    int m_wysokoscPelna = 0;
    int m_wysokoscSkalar = 0; // the height with the scalar section, whatever was shown before
    int m_szerokosc = 0;
    QLineEdit *m_kodSyst, *m_nazSyst;
    QLineEdit *m_kodFakt, *m_nazFakt, *m_rodzFakt, *m_typFakt, *m_wielWart, *m_liczWart, *m_jednostka;
    QLabel *m_etWielWart, *m_etLiczWart;
    QGroupBox *m_parametry;
    QList<QLabel *> m_etBierne, m_etCzynne; // captions coloured by the role of their data
    QPlainTextEdit *m_opisFakt, *m_pytFakt;
    QGroupBox *m_skalar, *m_wylicz;
    QLineEdit *m_wartosc, *m_cf;
    std::array<Wiersz, LiczbaWierszy> m_wiersze;
    QList<QWidget *> m_linie;
    QPushButton *m_ok, *m_pomoc;
};

} // namespace tremida::gui
