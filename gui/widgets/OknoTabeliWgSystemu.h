#pragma once
// The table windows whose records belong to knowledge bases (facts, constants, rules): the
// window's dataset of its table, the choice between all records and those of one knowledge
// base (WidokWgSystemu), the records grid and the navigator, and how such a window is opened,
// switched between the two views and closed.

#include "widgets/Nawigator.h"
#include "widgets/OknoTabeli.h"
#include "widgets/WidokWgSystemu.h"

#include <QStringList>

class QVBoxLayout;

namespace tremida::gui {

class Siatka;

class OknoTabeliWgSystemu : public OknoTabeli {
    Q_OBJECT
public:
    // Opens the knowledge bases, selects the view of one knowledge base, reads the records of
    // the first one and shows the window. A record being typed is not thrown away: the window
    // is only brought to the front.
    void otworz();

    // View choice: all records (true) or those of the chosen knowledge base.
    void ustawWidokWszystkich(bool wszystkie);
    bool widokWszystkich() const;

    ZbiorDanych *zbiorSyst() const { return m_wgSyst->systemy(); }
    Nawigator *nawigatorSyst() const { return m_wgSyst->nawigator(); }
    Nawigator *nawigator() const { return m_naw; }

protected:
    // The window named `nazwa` with the dataset of `tabela`, guarded by the OK button; the
    // rest comes with utworzPrzegladanie.
    OknoTabeliWgSystemu(KontekstAplikacji &k, const QString &nazwa, const QString &tytul, const QString &stronaPomocy,
                        Tabela tabela, QWidget *rodzic);

    // Builds the view choice (caption `podpis`, items `wszystkich` and `systemu`, a systems
    // grid at most `wysokoscSiatkiSystemow` high), then the records grid (at least
    // `wysokoscSiatki` high) and the navigator, whose actions go to poAkcjiNawigatora; a
    // move to another record shows its date and calls poPrzewinieciu.
    void utworzPrzegladanie(const QString &podpis, const QString &wszystkich, const QString &systemu,
                            int wysokoscSiatkiSystemow, int wysokoscSiatki);
    // The window's scrolled layout with the view choice, the systems panel, the records grid
    // and the navigator in it; the caller adds the rest below.
    QVBoxLayout *ulozPrzegladanie();

    // The column captions of the records grid.
    virtual QStringList naglowkiRekordow() const = 0;
    // Called when the window is opened anew, before the records are read.
    virtual void przedOtwarciem() {}
    // Called when the other view has been put in place, before its records are read.
    virtual void poZmianieWidoku(bool wszystkie) { Q_UNUSED(wszystkie); }
    virtual void poAkcjiNawigatora(PrzyciskNaw p) = 0;
    // Called when another record becomes current (not while one is being inserted), after
    // its date has been shown.
    virtual void poPrzewinieciu() {}
    void zamknijZbiory() override;

    ZbiorDanych *m_rekordy;
    WidokWgSystemu *m_wgSyst = nullptr;
    Siatka *m_siatka = nullptr;
    Nawigator *m_naw = nullptr;
    // The date field of the current record, made by the window with its other fields.
    QLineEdit *m_data = nullptr;
};

} // namespace tremida::gui
