#pragma once
// "EDYTOR REGUŁY": writing a rule's premise field and conclusion by picking facts, values,
// constants, literals, operators and parentheses from lists and buttons. The editor offers
// only what the rule grammar allows for the chosen fact, works on copies of the two texts
// and writes them back into the current rule of the rules window on request; it checks
// nothing (the syntax check of the rules window does).

#include "app/KontekstAplikacji.h"
#include "rules/DaneReg.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QWidget>
#include <optional>

#include "widgets/WidzetyQt.h"

namespace tremida::gui {

class GrupaRadiowa;
class TFormTabReg;

class TFormEdytorReg : public QWidget {
    Q_OBJECT
public:
    TFormEdytorReg(KontekstAplikacji &k, TFormTabReg *tabela);

    // Opens the editor on these texts for the knowledge base `kodSyst`: the premise is the
    // target, the facts are loaded and the first one chosen; with no facts every element
    // and operator control is hidden.
    void otworz(const QString &przes, const QString &konkl, int kodSyst);

    void ZmiaKolFormEdytorReg(const TParKonfig &konfig);

    // The part of the rule the elements go into.
    enum class Czlon { Przes, Konkl };
    void ustawCzlon(Czlon c);
    Czlon czlon() const { return m_czlon; }

    // Where an element goes: at the remembered cursor (replacing the remembered selection)
    // or at the end of the target text.
    enum class Miejsce { Kursor, Koniec };

    // Choosing an entry of a list by its position (either of the two parallel lists).
    void wybierzFakt(int pozycja);
    void wybierzWartosc(int pozycja);
    void wybierzStala(int pozycja);

    // Inserting the chosen fact, value or constant, or the literal typed, in brackets.
    void wstawFakt(Miejsce m);
    void wstawWartosc(Miejsce m);
    void wstawStala(Miejsce m);
    void wstawLiteral(Miejsce m);
    // The operator button chosen last, or the literal field when it was clicked last.
    void wybierzOperator(const QString &tekstPrzycisku);
    void wybierzLiteral();
    // The operator row's "kursora" and "końca": inserts the pending element.
    void wstawOczekujacy(Miejsce m);

    // The remembered cursor: position and selection length in the target text.
    void zapamietajKursor(int pozycja, int dlugoscZaznaczenia);

    QString tekstPrzes() const;
    QString tekstKonkl() const;
    QPlainTextEdit *edycjaPrzes() const { return m_edPrzes; }
    QPlainTextEdit *edycjaKonkl() const { return m_edKonkl; }
    QListWidget *faktyKody() const { return m_faktyKody; }
    QListWidget *faktyNazwy() const { return m_faktyNazwy; }
    QListWidget *wartosciKody() const { return m_wartKody; }
    QListWidget *wartosciNazwy() const { return m_wartNazwy; }
    QListWidget *staleKody() const { return m_staleKody; }
    QListWidget *staleNazwy() const { return m_staleNazwy; }
    QLineEdit *literal() const { return m_literal; }
    // The operator button with this caption ("AND", ">=", "spacja", "zmiana wiersza", ...).
    QPushButton *przyciskOperatora(const QString &tekst) const { return m_operatory.value(tekst); }

    // The buttons at the bottom.
    void kopiujCalosc();
    void kopiujPrzes();
    void kopiujKonkl();

protected:
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override;

private:
    void wczytajFakty();
    void wczytajWartosci(int idFakt);
    void wczytajStale(const QString &typStala);
    void ustawWidocznosc();
    static void wypelnij(QListWidget *kody, QListWidget *teksty, const QList<TPozycjaListy> &pozycje);
    static void zaznacz(QListWidget *kody, QListWidget *teksty, int pozycja);
    void wstaw(const QString &element, Miejsce m);
    // "[" + the entry chosen in the list + "]".
    void wstawZListy(const QList<TPozycjaListy> &pozycje, const QListWidget *lista, Miejsce m);
    QPlainTextEdit *cel() const;

    KontekstAplikacji &m_k;
    TFormTabReg *m_tabela;
    int m_kodSyst = 0;
    Czlon m_czlon = Czlon::Przes;
    int m_kursor = 0;
    int m_zaznaczenie = 0;
    bool m_zmieniam = false; // the editor itself is changing a text or a list

    // The pending element of the operator row.
    enum class Rodzaj { Brak, Tekst, Literal, ZmianaWiersza };
    Rodzaj m_oczekujacy = Rodzaj::Brak;
    QString m_oczekujacyTekst;

    QList<TPozycjaListy> m_fakty, m_wartosci, m_stale;

    QLabel *m_lPrzes, *m_lKonkl;
    QPlainTextEdit *m_edPrzes, *m_edKonkl;
    GrupaRadiowa *m_czlonGrupa;
    QGroupBox *m_elementy, *m_operatoryGrupa;
    QLabel *m_lFakty, *m_lWart, *m_lStale, *m_lLiteral;
    QListWidget *m_faktyKody, *m_faktyNazwy, *m_wartKody, *m_wartNazwy, *m_staleKody, *m_staleNazwy;
    QLineEdit *m_literal;
    QWidget *m_pasekWart, *m_pasekStale, *m_pasekLiteral, *m_pasekFakty;
    QList<QLabel *> m_nawiasy;
    QList<QPushButton *> m_przyciskiElementow;
    QMap<QString, QPushButton *> m_operatory;
    QButtonGroup *m_grupaOperatorow;
    QPushButton *m_opKursora, *m_opKonca;
    QPushButton *m_kopiujCalosc, *m_kopiujPrzes, *m_kopiujKonkl, *m_zamknij, *m_pomoc;
};

} // namespace tremida::gui
