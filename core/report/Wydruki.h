#pragma once
// The printouts: the systems table, the facts of one system with the values of its enumerated
// facts, the rules of one system, and beside the menu's printouts the constants and the
// trajectory of one system and the multimedia files (all, or those illustrating one system's
// facts and rules). Each is drawn on a canvas with the page model; the printer dialogs and
// messages belong to the caller.

#include "Plotno.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace tremida {

class Baza;

enum class RodzajWydruku { Systemy, Fakty, Reguly, Stale, Trajektoria, PlikiMult };

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
inline const QString KomPustaTabelaStalych =
    QStringLiteral("Tabela stałych wskazanego systemu eksperckiego pusta. Druk tabeli nie zostanie zrealizowany.");
inline const QString KomPustaTabelaTraj = QStringLiteral(
    "Tabela trajektorii wnioskowania wskazanego systemu eksperckiego pusta. Druk tabeli nie zostanie zrealizowany.");
inline const QString KomPustaTabelaPlikMult =
    QStringLiteral("Tabela plików multimedialnych pusta. Druk tabeli nie zostanie zrealizowany.");
inline const QString KomBrakPlikMultSystemu =
    QStringLiteral("Tabela plików multimedialnych nie zawiera plików ilustrujących fakty i reguły wskazanego systemu "
                   "eksperckiego. Druk tabeli nie zostanie zrealizowany.");
inline const QString KomKoniecStalych =
    QStringLiteral("Transfer tabeli stałych do drukarki zakończony. Czekaj na wydruk.");
inline const QString KomKoniecTraj =
    QStringLiteral("Transfer tabeli trajektorii wnioskowania do drukarki zakończony. Czekaj na wydruk.");
inline const QString KomKoniecPlikMult =
    QStringLiteral("Transfer tabeli plików multimedialnych do drukarki zakończony. Czekaj na wydruk.");

// The message that ends a printout of this kind.
QString komunikatKonca(RodzajWydruku r);
} // namespace wydruk

// The message refusing a printout because there is nothing to print (the systems table, or
// the facts, rules, constants or trajectory steps of the system, or the multimedia files - of
// the system when `kodSyst` is positive, all of them otherwise - empty), or no value when there
// are records.
std::optional<QString> brakRekordowDoWydruku(Baza &baza, RodzajWydruku r, int kodSyst = 0);


// Draws the printout on the canvas: `pozioma` for landscape pages, `dzien` the printing date.
// The canvas's first page is the printout's first page; the caller ends the document.
// Returns false with the database's message in *blad when the tables cannot be read.
bool drukujSystemy(Baza &baza, Plotno &plotno, bool pozioma, const QDate &dzien, QString *blad = nullptr);
bool drukujFakty(Baza &baza, int kodSyst, Plotno &plotno, bool pozioma, const QDate &dzien,
                 QString *blad = nullptr);
bool drukujReguly(Baza &baza, int kodSyst, Plotno &plotno, bool pozioma, const QDate &dzien,
                  QString *blad = nullptr);
// The constants of a system: code, name, kind, type, unit, the value of a simple constant or
// the argument and parameters A and B of a computed one, then its description and instruction.
bool drukujStale(Baza &baza, int kodSyst, Plotno &plotno, bool pozioma, const QDate &dzien, QString *blad = nullptr);
// The trajectory of a system: one row per step in step order with its columns and its outcome
// sentence wrapped. The steps are read and drawn one by one, so a trajectory of any length
// takes little memory.
bool drukujTrajektorie(Baza &baza, int kodSyst, Plotno &plotno, bool pozioma, const QDate &dzien,
                       QString *blad = nullptr);
// The multimedia files: all (`kodSyst` 0) or those illustrating the facts and rules of a system.
bool drukujPlikiMult(Baza &baza, int kodSyst, Plotno &plotno, bool pozioma, const QDate &dzien,
                     QString *blad = nullptr);

// The printout of kind `r` (of system `kodSyst` where it has one).
bool drukujTabele(Baza &baza, RodzajWydruku r, int kodSyst, Plotno &plotno, bool pozioma, const QDate &dzien,
                  QString *blad = nullptr);

} // namespace tremida
