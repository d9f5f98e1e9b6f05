#pragma once
// "TABELA STAŁYCH": the simple and computed constants of the knowledge bases, with the
// argument fact of a computed constant chosen by code or by name and the checks made after
// a post.

#include "widgets/Kontrolki.h"
#include "widgets/Nawigator.h"
#include "widgets/OknoTabeli.h"
#include "widgets/WidokWgSystemu.h"

#include <QList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tremida::gui {

class TFormTabStale : public OknoTabeli {
    Q_OBJECT
public:
    explicit TFormTabStale(KontekstAplikacji &k, QWidget *rodzic = nullptr);

    // Opens the knowledge bases and the constants of the first one and shows the window.
    void otworz();

    void ZmiaKolFormTabStale(const TParKonfig &konfig);

    // View choice: all constants (true) or those of the chosen knowledge base.
    void ustawWidokWszystkich(bool wszystkie);
    bool widokWszystkich() const;

    ZbiorDanych *zbiorSyst() const { return m_wgSyst->systemy(); }
    ZbiorDanych *zbiorStale() const { return m_stale; }
    Nawigator *nawigatorSyst() const { return m_wgSyst->nawigator(); }
    Nawigator *nawigator() const { return m_nawStale; }
    QComboBox *listaKodowArgumentu() const { return m_argKod; }
    QComboBox *listaNazwArgumentu() const { return m_argNazwa; }
    // Chooses the argument at this position of the lists, as the user does.
    void wybierzArgument(int pozycja);

protected:
    void zamknijZbiory() override;

private:
    struct Argument {
        int kod;
        QString nazwa, typ;
    };
    void wczytajArgumenty(const QVariant &kodSyst);
    void pokazArgument();
    void ustawWidocznosc();
    void poAkcjiNawigatora(PrzyciskNaw p);

    ZbiorDanych *m_stale;
    WidokWgSystemu *m_wgSyst;
    Siatka *m_siatkaStale;
    Nawigator *m_nawStale;

    QLabel *m_lKod, *m_lKodSystStala, *m_lNazwa, *m_lJedn, *m_lWartosc, *m_lA, *m_lB, *m_lOpis, *m_lPyt, *m_lData,
        *m_lArgKod, *m_lArgNazwa;
    QLineEdit *m_kod, *m_kodSystStala, *m_nazwa, *m_jedn, *m_wartosc, *m_a, *m_b, *m_data;
    QPlainTextEdit *m_opis, *m_pyt;
    GrupaRadiowa *m_rodzaj, *m_typ, *m_typArg;
    QComboBox *m_argKod, *m_argNazwa;
    QList<Argument> m_argumenty;
    bool m_wypelniamArgumenty = false;

    QPushButton *m_szukajWolnego, *m_szukajRekordu;
    QLabel *m_lWolnyKod, *m_lSzukany;
    QLineEdit *m_wolnyKod, *m_szukany;
};

} // namespace tremida::gui
