#pragma once
// The seven tables of the knowledge-base store: file names, columns in their order with
// type, width and required flag, named indexes, and the texts of their creation.

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace tremida {

enum class Tabela {
    Systemy,        // systemyeksperckie
    Fakty,          // fakty
    WartFaktWylicz, // wartoscifaktowwyliczeniowych
    Reguly,         // reguly
    Stale,          // stale
    Trajektoria,    // trajektoria
    PlikiMult,      // plikimultimedialne
};

inline constexpr std::array<Tabela, 7> WszystkieTabele = {
    Tabela::Systemy, Tabela::Fakty,       Tabela::WartFaktWylicz, Tabela::Reguly,
    Tabela::Stale,   Tabela::Trajektoria, Tabela::PlikiMult};

enum class TypKol {
    Integer, // 32-bit signed integer
    Float,   // double
    Text,    // text of at most `szerokosc` characters
    Memo,    // text of unlimited length
};

struct OpisKolumny {
    QString nazwa;
    TypKol typ;
    int szerokosc; // Text only; 0 otherwise
    bool wymagana;
};

struct OpisIndeksu {
    QString nazwa;
    QString kolumna;
    bool unikalny;
    bool bezWielkosciLiter;
};

struct OpisTabeli {
    Tabela tabela;
    QString nazwa;        // "fakty"
    QString fraza;        // "tabeli faktów", used in the file-existence messages
    QString kluczGlowny;  // "IdFakt"
    std::vector<OpisKolumny> kolumny;
    std::vector<OpisIndeksu> indeksy;
    QStringList ostrzezenie;          // lines of the overwrite warning
    QString potwierdzenieNowej;       // confirmation after creating a new file
    QString potwierdzenieNadpisanej;  // confirmation after overwriting a file

    QString plik() const { return nazwa + QStringLiteral(".db"); }
    int indeksKolumny(const QString &kolumna) const;
    const OpisKolumny *kolumna(const QString &kolumna) const;
};

// The description of a table as created in a new file. `stale` differs when an existing
// file is overwritten (see schematTabeli(Tabela, bool)).
const OpisTabeli &opisTabeli(Tabela t);

// The description of a table as created by "Założenie tabeli": `nadpisanie` is true when an
// existing file is overwritten after the warning. Only `stale` differs: its DataRek is then
// not required and indnazstala is case-insensitive and not unique.
OpisTabeli schematTabeli(Tabela t, bool nadpisanie);

// The table with this name ("fakty"), or false.
bool tabelaONazwie(const QString &nazwa, Tabela *wynik);

// SQL statements that create the table and its indexes in the database `schemat`.
QStringList sqlTworzeniaTabeli(const OpisTabeli &opis, const QString &schemat);

// Width of the trajectory outcome column: wide enough for every outcome sentence.
inline constexpr int SzerPrzyczNieOdpalTraj = 255;

} // namespace tremida
