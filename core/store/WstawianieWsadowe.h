#pragma once
// Rows appended to one table in batches. Inference appends a trajectory row for every rule it
// examines; written one statement per row, the statement's own cost exceeds the row's. A row
// added here is kept in memory, and the kept rows are written together, in the order they were
// added, by statements of many rows prepared once. The connection (Baza) writes them before
// any other statement reads their table or writes any table, before a commit, and when a work
// tells its user anything; a rollback forgets them. So no reader ever sees part of them, and a
// row the table refuses stops the work at the same point as a single write would: before
// anything that followed it was shown or written.

#include "Schemat.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <vector>

struct sqlite3_stmt;

namespace tremida {

class Baza;

class WstawianieWsadowe {
public:
    // One value of a row: an integer, a real number or a text (a null text stands for NULL).
    class Wartosc {
    public:
        Wartosc(int v) : m_typ(Typ::Calk), m_calk(v) {}
        Wartosc(double v) : m_typ(Typ::Real), m_real(v) {}
        Wartosc(const QString &v) : m_typ(v.isNull() ? Typ::Brak : Typ::Tekst), m_tekst(&v) {}

    private:
        friend class WstawianieWsadowe;
        enum class Typ : unsigned char { Brak, Calk, Real, Tekst };
        Typ m_typ;
        union {
            qint64 m_calk;
            double m_real;
            const QString *m_tekst;
        };
    };

    // Rows kept before they are written when nothing asks for them earlier.
    static constexpr int DomyslnaPojemnosc = 8192;

    // The writer of table `t`, whose rows give the values of `kolumny` in this order.
    WstawianieWsadowe(Baza &baza, Tabela t, QStringList kolumny);
    ~WstawianieWsadowe();
    WstawianieWsadowe(const WstawianieWsadowe &) = delete;
    WstawianieWsadowe &operator=(const WstawianieWsadowe &) = delete;

    Tabela tabela() const { return m_tabela; }

    // Keeps a row (one value per column, in their order); a full batch, or any row outside a
    // transaction, is written at once. False when writes are refused (a failure of the work is
    // recorded) or the batch was refused.
    [[nodiscard]] bool dodaj(std::initializer_list<Wartosc> wiersz);

    // Writes every kept row. False, with the failure recorded in the database as the failure
    // of a write of the table, when the engine refused any of them; the kept rows are gone
    // either way.
    [[nodiscard]] bool zapisz();

    // Forgets the kept rows (their transaction was rolled back).
    void porzuc();

    // Releases the prepared statements (they are prepared again when needed); kept rows stay.
    void zwolnijPolecenia();

    int liczbaZachowanych() const { return m_liczbaWierszy; }

    // How many rows are kept before they are written (1: every row is written when added).
    void ustawPojemnosc(int wiersze);

private:
    struct Pole {
        Wartosc::Typ typ;
        union {
            qint64 calk;
            double real;
            int tekst; // index in m_teksty
        };
    };
    // A text met in a row and its UTF-8 form, which the statements read in place. The text
    // itself is kept too, so its characters stay where they are and a text of the same
    // characters is recognised by where they are.
    struct Tekst {
        QString tekst;
        QByteArray utf8;
        bool zZerem; // holds a zero character, so its end cannot be found by the zero after it
    };

    int indeksTekstu(const QString &t);
    int indeksTekstu(const QString &t, int kolumna);
    sqlite3_stmt *polecenie(int wiersze);
    // Binds rows `pola` to statement number `nr` (of m_polecenia) and runs it.
    bool wykonaj(int nr, const Pole *pola, int wiersze);
    bool zapiszPojedynczo(const std::vector<Pole> &pola, int liczba);
    void zglosBlad(int kod, const QString &tekst);

    Baza &m_baza;
    Tabela m_tabela;
    QStringList m_kolumny;
    int m_pojemnosc = DomyslnaPojemnosc;
    std::vector<Pole> m_pola; // the kept rows, one after another
    int m_liczbaWierszy = 0;
    std::vector<Tekst> m_teksty;
    std::vector<int> m_ostatnieTeksty; // per column, the text of its last row (-1: none)
    // Statements of 64, 8 and 1 rows; none until first needed.
    sqlite3_stmt *m_polecenia[3] = {nullptr, nullptr, nullptr};
    // Per statement, the values bound to its parameters now (a statement keeps its bindings
    // from one execution to the next): a value bound already is not bound again. Emptied
    // when the statement or the kept texts the bindings read are let go.
    std::vector<Pole> m_zwiazane[3];
    void zapomnijZwiazane();
};

} // namespace tremida
