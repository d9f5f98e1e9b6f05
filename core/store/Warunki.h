#pragma once
// File-existence preconditions of the commands that work on tables: before a command
// prepares its window it tests, in a fixed order, that the table files it needs exist, and
// the print commands also that the systems table is not empty.

#include "Schemat.h"

#include <QString>
#include <optional>

namespace tremida {

class Baza;

enum class Polecenie {
    OtwTabSyst,         // Systems table -> "Otwarcie tabeli"
    DrukTabSyst,        // Systems table -> "Druk tabeli"
    OtwTabFakt,         // Facts table -> "Otwarcie tabeli"
    DrukTabFakt,        // Facts table -> "Druk tabeli"
    OtwTabWartFaktWylicz, // Enumerated values table -> "Otwarcie tabeli"
    OtwTabStale,        // Constants table -> "Otwarcie tabeli"
    OtwTabReg,          // Rules table -> "Otwarcie tabeli"
    DrukTabReg,         // Rules table -> "Druk tabeli"
    OtwTabTraj,         // Trajectory table -> "Otwarcie tabeli"
    OtwTabPlikMult,     // Multimedia table -> "Otwarcie tabeli"
    KontrSpojnBazy,     // "Kontrola spójności bazy"
    WyborSyst,          // "Wybór systemu eksperckiego (bazy wiedzy)"
    // Beside the menu: tremida-cli's printouts of the constants, trajectory and multimedia
    // tables (all files, or those illustrating one system's facts and rules) and the writing
    // of input-fact values to a file.
    DrukTabStale,
    DrukTabTraj,
    DrukTabPlikMult,
    DrukTabPlikMultSyst,
    ZapisFaktPlik,
};

// Suffixes appended to a missing-file message.
namespace Przyrostek {
inline const QString Brak;
inline const QString S1 = QStringLiteral(" Tabela jest niezbędna do wyboru systemu eksperckiego.");
inline const QString S2 = QStringLiteral(" Tabela jest niezbędna do wyboru faktu wyliczeniowego.");
inline const QString S3 = QStringLiteral(" Tabela jest niezbędna do generowania i edycji reguł.");
inline const QString S4 = QStringLiteral(" Procesu kontroli spójności bazy nie można zrealizować.");
inline const QString S5 = QStringLiteral(" Procesu wnioskowania nie można zrealizować.");
// The views of the multimedia window that choose an illustrated fact or rule.
inline const QString WyborFaktuIlustr =
    QStringLiteral(" Tabela jest niezbędna do wyboru faktu ilustrowanego przez pliki multimedialne.");
inline const QString WyborRegulyIlustr =
    QStringLiteral(" Tabela jest niezbędna do wyboru reguły ilustrowanej przez pliki multimedialne.");
} // namespace Przyrostek

// "Stwierdzono brak na dysku pliku <file> <phrase>.\n\rOpcja nie zostanie zrealizowana." + suffix
QString komunikatBrakPliku(Tabela t, const QString &przyrostek = QString());

// The facts window without the multimedia table: "Stwierdzono brak na dysku pliku
// plikimultimedialne.db tabeli plików multimedialnych.\n\rObrazy i filmy ilustrujące fakty nie
// będą dostępne."
QString komunikatBrakTabeliIlustracjiFaktow();

// The problem of a table file that exists but is not a valid table file of its name (see
// Baza::problemPliku), then "\n\rOpcja nie zostanie zrealizowana." and the suffix.
QString komunikatWadliwyPlik(const QString &problem, const QString &przyrostek = QString());

// "Tabela systemów eksperckich (baz wiedzy) pusta. Opcja nie zostanie zrealizowana."
QString komunikatPustaTabelaSyst();

// Tests the preconditions of a command in their order and returns the message of the first
// that fails (a missing table file, or one that is not a valid table file of its name), or
// no value when the command may go on. Brings the database's attachments in
// line with the folder first, so that files created meanwhile by another program count.
std::optional<QString> sprawdzWarunki(Polecenie p, Baza &baza);

} // namespace tremida
