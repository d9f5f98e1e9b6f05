#pragma once
// "TABELA REGUŁ": the rules of one chosen knowledge base (or of all) with every field of the
// current rule, the checks made after a rule is posted, copying of rule texts from another
// rule, the rule editor, the one-rule syntax check and the pictures and films that
// illustrate the rule's conclusion.

#include "widgets/Kontrolki.h"
#include "widgets/OknoTabeliWgSystemu.h"

#include <QString>

#include "widgets/WidzetyQt.h"

namespace tremida::gui {

class TFormEdytorReg;
class TFormKartaReg;
class TPrzyciskiIlustracji;

class TFormTabReg : public OknoTabeliWgSystemu {
    Q_OBJECT
public:
    explicit TFormTabReg(KontekstAplikacji &k, QWidget *rodzic = nullptr);

    void ZmiaKolFormTabReg(const TParKonfig &konfig);

    // What a copy from another rule takes over.
    enum class Kopia { PolePrzes, Konkluzja, Calosc };
    // Copies from the rule whose code is in "Kod reguły do skopiowania:" into the rule being
    // inserted or edited; the outcome is shown in a message.
    void kopiuj(Kopia co);

    // "Weryfikuj składnię": the one-rule syntax check of the texts shown in the form, each
    // finding in its own message, then the final one when the check reached its end.
    void weryfikujSkladnie();

    // "Karta reguły...": the card of the current rule as stored, in a read-only window; while
    // the rule is being inserted or edited a message asks to post or cancel first.
    void pokazKarte();

    // "Wywołaj edytor": the editor on the premise and conclusion shown in the form.
    void wywolajEdytor();

    // The rule editor writes its texts back through this: the current rule is put into edit
    // and the given texts replace those of the form. False when there is no current rule.
    bool wpiszTekstyReguly(const QString *przes, const QString *konkl);

    ZbiorDanych *zbiorReg() const { return m_reg; }
    TFormEdytorReg *edytor() const { return m_edytor; }
    TFormKartaReg *karta() const { return m_karta; }
    const TPrzyciskiIlustracji &obrazy() const { return *m_obrazy; }
    const TPrzyciskiIlustracji &filmy() const { return *m_filmy; }

protected:
    QStringList naglowkiRekordow() const override;
    void poPrzewinieciu() override;
    // Closing also hides the rule editor.
    void zamknijZbiory() override;
    void poAkcjiNawigatora(PrzyciskNaw p) override;

private:
    // The parts of the window, in the order they are built.
    void polaczZbiorRegul();
    void utworzPolaReguly(QGroupBox *szczegoly);
    void ulozSzczegoly(QGroupBox *szczegoly);
    void utworzWyszukiwanie(QWidget *pomocnicze);
    void utworzKopiowanie(QWidget *pomocnicze);
    void utworzPrzyciskiReguly(QWidget *pomocnicze);
    QGroupBox *utworzPliki(QWidget *pomocnicze);
    void ulozPomocnicze(QWidget *pomocnicze, QGroupBox *pliki);
    void ulozOkno(QGroupBox *szczegoly, QWidget *pomocnicze);

    void kontrolaPoZatwierdzeniu(const QVariant &klucz);
    void policzMultimedia();
    int kodSystemuReguly() const;

    ZbiorDanych *m_reg = m_rekordy;

    QLabel *m_lKod, *m_lKodSystReg, *m_lNazwa, *m_lPoz, *m_lCF, *m_lPrzes, *m_lKonkl, *m_lOpisKonkl, *m_lInstr,
        *m_lOpis, *m_lCFKonkl, *m_lData;
    QLineEdit *m_kod, *m_kodSystReg, *m_nazwa, *m_poz, *m_cf, *m_cfKonkl;
    GrupaRadiowa *m_kier, *m_czyOdpal, *m_czyUdz;
    QPlainTextEdit *m_przes, *m_konkl, *m_opisKonkl, *m_instr, *m_opis;

    QPushButton *m_szukajWolnego, *m_szukajRekordu, *m_edytuj, *m_weryfikuj, *m_pokazKarte;
    QLabel *m_lWolnyKod, *m_lSzukany;
    QLineEdit *m_wolnyKod, *m_szukany;
    QWidget *m_kopia;
    QLabel *m_lKopiowany, *m_lKopiuj;
    QLineEdit *m_kopiowany;
    QPushButton *m_kopiujPrzes, *m_kopiujKonkl, *m_kopiujCalosc;

    QLabel *m_naglowekPlikow, *m_lLiczbaObrazow, *m_lLiczbaFilmow;
    QLineEdit *m_liczbaObrazow, *m_liczbaFilmow;
    QPushButton *m_obrazNast, *m_obrazPoprz, *m_filmNast, *m_filmPoprz;
    TPrzyciskiIlustracji *m_obrazy, *m_filmy;

    TFormEdytorReg *m_edytor;
    TFormKartaReg *m_karta;
};

} // namespace tremida::gui
