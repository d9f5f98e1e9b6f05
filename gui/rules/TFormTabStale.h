#pragma once
// "TABELA STAŁYCH": the simple and computed constants of the knowledge bases, with the
// argument fact of a computed constant chosen by code or by name and the checks made after
// a post.

#include "rules/DaneReg.h"
#include "widgets/Kontrolki.h"
#include "widgets/OknoTabeliWgSystemu.h"

#include <QList>

#include "widgets/WidzetyQt.h"

namespace tremida::gui {

class TFormTabStale : public OknoTabeliWgSystemu {
    Q_OBJECT
public:
    explicit TFormTabStale(KontekstAplikacji &k, QWidget *rodzic = nullptr);

    void ZmiaKolFormTabStale(const TParKonfig &konfig);

    ZbiorDanych *zbiorStale() const { return m_stale; }
    QComboBox *listaKodowArgumentu() const { return m_argKod; }
    QComboBox *listaNazwArgumentu() const { return m_argNazwa; }
    // Chooses the argument at this position of the lists, as the user does.
    void wybierzArgument(int pozycja);

protected:
    QStringList naglowkiRekordow() const override;
    void poPrzewinieciu() override;
    // Every navigator button while one knowledge base is shown; no insert in the view of all.
    void przedOtwarciem() override;
    void poZmianieWidoku(bool wszystkie) override;
    void poAkcjiNawigatora(PrzyciskNaw p) override;

private:
    void wczytajArgumenty(const QVariant &kodSyst);
    void pokazArgument();
    void ustawWidocznosc();

    ZbiorDanych *m_stale = m_rekordy;

    QLabel *m_lKod, *m_lKodSystStala, *m_lNazwa, *m_lJedn, *m_lWartosc, *m_lA, *m_lB, *m_lOpis, *m_lPyt, *m_lData,
        *m_lArgKod, *m_lArgNazwa;
    QLineEdit *m_kod, *m_kodSystStala, *m_nazwa, *m_jedn, *m_wartosc, *m_a, *m_b;
    QPlainTextEdit *m_opis, *m_pyt;
    GrupaRadiowa *m_rodzaj, *m_typ, *m_typArg;
    QComboBox *m_argKod, *m_argNazwa;
    QList<TPozycjaListy> m_argumenty;
    bool m_wypelniamArgumenty = false;

    QPushButton *m_szukajWolnego, *m_szukajRekordu;
    QLabel *m_lWolnyKod, *m_lSzukany;
    QLineEdit *m_wolnyKod, *m_szukany;
};

} // namespace tremida::gui
