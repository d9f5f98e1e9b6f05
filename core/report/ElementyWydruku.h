#pragma once
// The pieces every printout is built of: margins and fonts, the header of a printout of one
// system's table and of a whole table, underlined headings with a wrapped text below them,
// and a row of cells wrapped side by side.

#include "UkladStrony.h"
#include "Wydruki.h"

#include <QDate>
#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace tremida {

class Baza;
struct TRekSyst;

namespace wydruk {

// Gap between a wrapped cell and the next column.
inline constexpr int OdstepKolumn = 20;

// The margins and font size of a printout: the systems table its own, every other table those
// of the facts and rules printouts.
MarginesyWydruku marginesy(RodzajWydruku r, bool pozioma);

// A CF as printed; an empty CF prints nothing.
QString cf(const std::optional<double> &v);

// Runs a read of a printout; false with the engine's text in *blad.
bool czytaj(QSqlQuery &q, QString *blad);

// Selects the plain font of the printout, bold or underlined when asked.
void czcionka(UkladStrony &u, bool pogrubiona = false, bool podkreslona = false);

// An underlined text at x.
void podkreslony(UkladStrony &u, int x, const QString &tekst);

// A heading underlined at the left margin, the text (or `brak` when it is empty) wrapped over
// the full width below it, and the next line.
void blokOpisu(UkladStrony &u, const QString &naglowek, const QString &tekst, const QString &brak);

// One described field of a record as blokOpisu writes it.
struct BlokOpisu {
    QString naglowek;
    QString tekst;
    QString brak;
};
// The described fields of a record one under the other, each after a line feed.
void blokiOpisu(UkladStrony &u, const QList<BlokOpisu> &bloki);

// Starts the pages and writes every record `q` reads by `rekord`, each followed by the record
// separator, and a line feed after the last; true. False as soon as `rekord` fails (it says
// why to its caller).
bool drukujRekordy(UkladStrony &u, QSqlQuery &q, const std::function<bool(const QSqlRecord &)> &rekord);

// The header of a printout of one system's table: the program, the system's code and wrapped
// name, page number, date, the bold centred title, and the two heading lines at `x` between
// underline rows (`x` empty: the title and one underline row, no heading lines). Starts at the
// top margin and sets the line counter.
void naglowekSystemu(UkladStrony &u, bool pozioma, const QDate &dzien, int kodSyst, const QString &nazwaSyst,
                     const QString &tytul, const QList<int> &x, const QStringList &linia1, const QStringList &linia2);

// The first lines of the header of a printout of a whole table from the top margin: the
// program, the page number and the date.
void poczatekNaglowkaTabeli(UkladStrony &u, const QDate &dzien);

// The header of a printout of a whole table: the program, page number, date, the bold centred
// title and the two heading lines at `x` between underline rows. Sets the line counter.
void naglowekTabeli(UkladStrony &u, const QDate &dzien, const QString &tytul, const QList<int> &x,
                    const QStringList &linia1, const QStringList &linia2);

// The system of code `kodSyst` (an empty name when there is none); no value with *blad when the
// table cannot be read.
std::optional<TRekSyst> systemOKodzie(Baza &baza, int kodSyst, QString *blad);
// The system `kodSyst` as systemOKodzie gives it, then the forward read of its rows by `sql`
// (":ParIdSyst" bound to the code) run in `q`. No value, with the engine's text in *blad,
// when either read fails.
std::optional<TRekSyst> systemIWiersze(Baza &baza, int kodSyst, const QString &sql, QSqlQuery &q, QString *blad);

// The condition selecting the multimedia files that illustrate a fact or a rule of the system
// bound by wiazWarunekPlikowSystemu().
inline const QString WarunekPlikowSystemu = QStringLiteral(
    "(CoPlikIlustr=:ParFakt AND KodElemIlustr IN (SELECT IdFakt FROM fakty WHERE KodSyst=:ParIdSyst)) OR "
    "(CoPlikIlustr=:ParRegula AND KodElemIlustr IN (SELECT IdReg FROM reguly WHERE KodSyst=:ParKodSyst))");
void wiazWarunekPlikowSystemu(QSqlQuery &q, int kodSyst);

// A cell of a row: its text at x, wrapped into `szerokosc` (0: never wrapped).
struct Komorka {
    int x = 0;
    int szerokosc = 0;
    QString tekst;
};

// Prints the cells side by side from the current line, each wrapped in its column, moving to
// the next line between lines; the last line stays current. `podzial` cuts a text into its
// lines for a width (the page model's wrapping, or a remembered one).
void wierszKomorek(UkladStrony &u, const QList<Komorka> &komorki,
                   const std::function<QStringList(int, const QString &)> &podzial = {});

} // namespace wydruk
} // namespace tremida
