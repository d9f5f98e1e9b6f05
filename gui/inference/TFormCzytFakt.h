#pragma once
// "CZYTANIE WARTOŚCI FAKTÓW WPROWADZANYCH Z PLIKU TEKSTOWEGO": the choice of a text file of
// input-fact values and its reading into the tables of the chosen knowledge base.

#include "widgets/OknoKontekstu.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tremida {
struct TSesjaWnios;
}

namespace tremida::gui {

class TWyborPliku;

class TFormCzytFakt : public OknoKontekstu {
    Q_OBJECT
public:
    TFormCzytFakt(KontekstAplikacji &kontekst, TSesjaWnios &sesja, QWidget *rodzic = nullptr);

    // Shows the working folder with no file chosen.
    void otworz();

    TWyborPliku *wyborPliku() const { return m_wybor; }
    QLineEdit *poleSciezki() const { return m_sciezka; }
    QPushButton *przyciskCzytaj() const { return m_czytaj; }
    QPushButton *przyciskAnuluj() const { return m_anuluj; }

    void ZmiaKolFormCzytFakt();

private:
    void czytaj();

    TSesjaWnios &m_sesja;
    TWyborPliku *m_wybor;
    QLabel *m_etPlik, *m_etSciezka;
    QLineEdit *m_sciezka;
    QPushButton *m_czytaj, *m_anuluj, *m_pomoc;
};

} // namespace tremida::gui
