#pragma once
// The three printouts: the systems table, the facts of one system with the values of its
// enumerated facts, and the rules of one system. Each is drawn on a canvas with the page
// model; the printer dialogs and messages belong to the caller.

#include "Plotno.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace tremida {

class Baza;

enum class RodzajWydruku { Systemy, Fakty, Reguly };

namespace wydruk {
inline const QString KomPrzygotujDrukarke =
    QStringLiteral("Przygotuj i włącz drukarkę. Włóż do drukarki papier formatu A4.");
inline const QString KomPustaTabelaFaktow =
    QStringLiteral("Tabela faktów wskazanego systemu eksperckiego pusta. Druk tabeli nie zostanie zrealizowany.");
inline const QString KomPustaTabelaRegul =
    QStringLiteral("Tabela reguł wskazanego systemu eksperckiego pusta. Druk tabeli nie zostanie zrealizowany.");
inline const QString KomKoniecSystemow = QStringLiteral(
    "Transfer tabeli systemów eksperckich (baz wiedzy) do drukarki zakończony. Czekaj na wydruk.");
inline const QString KomKoniecFaktow =
    QStringLiteral("Transfer tabeli faktów do drukarki zakończony. Czekaj na wydruk.");
inline const QString KomKoniecRegul = QStringLiteral("Transfer tabeli reguł do drukarki zakończony. Czekaj na wydruk.");

// The message that ends a printout of this kind.
QString komunikatKonca(RodzajWydruku r);
} // namespace wydruk

// The message refusing a printout because there is nothing to print (the systems table, or
// the facts or rules of the system, empty), or no value when there are records.
std::optional<QString> brakRekordowDoWydruku(Baza &baza, RodzajWydruku r, int kodSyst = 0);

class UkladStrony;

// The page header of the printouts of one system: "System ekspercki szkieletowy TREMIDA",
// the system's code and (wrapped) name, page number, printing date, the bold centred title
// and an underline row, then the two heading lines of the columns at x (`x` empty: no
// heading lines). Starts at the top margin and sets the line counter.
void naglowekSystemu(UkladStrony &u, bool pozioma, const QDate &dzien, int kodSyst, const QString &nazwaSyst,
                     const QString &tytul, const QStringList &x, const QStringList &linia1, const QStringList &linia2);

// Draws the printout on the canvas: `pozioma` for landscape pages, `dzien` the printing date.
// The canvas's first page is the printout's first page; the caller ends the document.
// Returns false with the database's message in *blad when the tables cannot be read.
bool drukujSystemy(Baza &baza, Plotno &plotno, bool pozioma, const QDate &dzien, QString *blad = nullptr);
bool drukujFakty(Baza &baza, int kodSyst, Plotno &plotno, bool pozioma, const QDate &dzien,
                 QString *blad = nullptr);
bool drukujReguly(Baza &baza, int kodSyst, Plotno &plotno, bool pozioma, const QDate &dzien,
                  QString *blad = nullptr);

} // namespace tremida
