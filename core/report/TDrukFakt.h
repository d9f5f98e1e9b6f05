#pragma once
// TDrukFakt: the row buffer of one fact in the facts printout. Seven columns of text lines
// (name, unit, value, enumerated value code, word, state and CF) are filled first and then
// printed side by side, one buffer line per printed line.

#include <QString>
#include <QStringList>
#include <array>

namespace tremida {

class TDrukFakt {
public:
    enum Kolumna { Nazwa, Jednostka, Wartosc, KodWart, SlowoWart, StanWart, CFWart, LiczbaKolumn };

    void wyczysc();
    // Puts a text on a buffer line of a column (lines are numbered from 0).
    void wpisz(Kolumna k, int linia, const QString &tekst);
    // Puts the pieces of a wrapped text on consecutive lines from `linia`; returns the line
    // after the last piece.
    int wpiszKawalki(Kolumna k, int linia, const QStringList &kawalki);
    // The largest number of lines used by any column.
    int liczbaLinii() const;
    QString tekst(Kolumna k, int linia) const;

private:
    std::array<QStringList, LiczbaKolumn> m_kolumny;
};

} // namespace tremida
