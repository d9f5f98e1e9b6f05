#pragma once
// The page model shared by the printouts: a header repeated on every page, a line grid with
// a fixed line height, word-wrapped cells, underline rows between records and a page break
// when the line budget of the page is used up.

#include "Plotno.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

namespace tremida {

struct MarginesyWydruku {
    int rozmiarCzcionki; // points
    int gora, dol, lewy, prawy;
};

class UkladStrony {
public:
    // `naglowek` prints the page header from the top margin and sets the line counter.
    // `zerujPrzedNaglowkiem`: at a page break the counter is reset before the header and one
    // more next line follows it (the facts and rules printouts).
    UkladStrony(Plotno &plotno, const MarginesyWydruku &m, bool zerujPrzedNaglowkiem);

    void ustawNaglowek(std::function<void()> naglowek) { m_naglowek = std::move(naglowek); }

    Plotno &plotno() { return m_plotno; }
    const MarginesyWydruku &marginesy() const { return m_m; }
    int wysokoscLinii() const { return 5 * m_m.rozmiarCzcionki; }
    int liniiNaStronie() const;
    int szerokoscPelna() const;  // page width minus left and right margins
    int y() const { return m_y; }
    void ustawY(int y) { m_y = y; }
    void przesunY(int linii) { m_y += linii * wysokoscLinii(); }
    int numerStrony() const { return m_strona; }
    int licznikLinii() const { return m_licznik; }
    void ustawLicznikLinii(int n) { m_licznik = n; }

    // Starts the first page: y at the top margin, the header printed.
    void rozpocznij();

    // Next line: counts the line; past the page's budget starts a new page with its header,
    // otherwise moves y down one line.
    void nastepnaLinia();

    // An underline row of "_" from the left margin to the right margin at y.
    void linia();

    // After each record: an underline row when y is more than one line below the last one,
    // otherwise y moves up one line.
    void separatorRekordu();

    // Prints a text at (x, y) in the current font.
    void pisz(int x, const QString &tekst);

    // Prints a text word-wrapped into the width at column x, moving to the next line between
    // its pieces (the last piece is printed on the current line, which stays current).
    // Line breaks in the text split it first; a break at the very start of a line is skipped.
    void zawijaj(int x, int szerokosc, const QString &tekst);

    // The pieces a text is cut into by the wrapping rule, for a given width.
    QStringList podzial(int szerokosc, const QString &tekst) const;

    // A text centred between the margins at y.
    void piszWysrodkowany(const QString &tekst);

private:
    Plotno &m_plotno;
    MarginesyWydruku m_m;
    bool m_zerujPrzedNaglowkiem;
    std::function<void()> m_naglowek;
    int m_y = 0;
    int m_strona = 1;
    int m_licznik = 0;
    int m_ostatniaLinia = -1000000;
};

// "dd.mm.rrrr" with day and month right-aligned in two characters (" 5. 3.2024").
QString dataWydruku(const QDate &dzien);

// Splits a memo at its line breaks (CR LF, LF or CR); an empty line at the very start of a
// piece that follows a break is skipped as the printout skips leading breaks.
QStringList linieMemo(const QString &tekst);

} // namespace tremida
