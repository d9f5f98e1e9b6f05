#pragma once
// Read-only views of an enumerated fact's values opened from the facts table: for an input
// fact the current assignment ("WIZUALIZACJA WARTOŚCI FAKTU WYLICZENIOWEGO WPROWADZANEGO"),
// for an intermediate or final fact the assignment in the current and the previous
// iteration. One row per value, at most twenty; the choices cannot be changed.

#include "app/ParKonfig.h"
#include "store/Rekordy.h"
#include "widgets/Kontrolki.h"

#include <QList>
#include <QWidget>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tremida::gui {

class KontekstAplikacji;

class TFormWizWartFaktWylicz : public QWidget {
    Q_OBJECT
public:
    static constexpr int MaksWierszy = 20;

    // Fills the view: system and fact, then one row per value in table order.
    void pokazWartosci(const TRekSyst &syst, const TRekFakt &fakt, const QList<TRekWartFaktWylicz> &wartosci);
    int liczbaWidocznychWierszy() const;

    struct Wiersz {
        QLineEdit *kod, *wartosc, *cfAkt, *cfPoprz;
        GrupaRadiowa *akt, *poprz;
    };
    const Wiersz &wiersz(int i) const { return m_wiersze.at(static_cast<size_t>(i)); }
    QPushButton *przyciskZamknij() const { return m_zamknij; }

signals:
    // The close button: the view is hidden and the facts table is to be shown again.
    void zamknieto();

protected:
    TFormWizWartFaktWylicz(KontekstAplikacji &k, bool posredni, QWidget *rodzic);
    void zastosujKoloryWidoku(const TParKonfig &k);

    KontekstAplikacji &m_k;

private:
    bool m_posredni;
    QLabel *m_lKodSyst, *m_lNazSyst, *m_lKodFakt, *m_lNazFakt, *m_lAkt = nullptr, *m_lPoprz = nullptr;
    QList<QLabel *> m_naglowkiKolumn; // the captions over the value rows
    QLineEdit *m_kodSyst, *m_nazSyst, *m_kodFakt, *m_nazFakt;
    std::vector<Wiersz> m_wiersze;
    std::vector<QWidget *> m_paneleWierszy;
    QPushButton *m_zamknij, *m_pomoc;
};

class TFormWizWartFaktWyliczWpr : public TFormWizWartFaktWylicz {
    Q_OBJECT
public:
    explicit TFormWizWartFaktWyliczWpr(KontekstAplikacji &k, QWidget *rodzic = nullptr);
    void ZmiaKolFormWizWartFaktWyliczWpr(const TParKonfig &k) { zastosujKoloryWidoku(k); }
};

class TFormWizWartFaktWyliczPosrLubKonc : public TFormWizWartFaktWylicz {
    Q_OBJECT
public:
    explicit TFormWizWartFaktWyliczPosrLubKonc(KontekstAplikacji &k, QWidget *rodzic = nullptr);
    void ZmiaKolFormWizWartFaktWyliczPosrLubKonc(const TParKonfig &k) { zastosujKoloryWidoku(k); }
};

} // namespace tremida::gui
