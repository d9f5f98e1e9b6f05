#pragma once
// Failures of the table files told in the user's words: which table file, what happened
// (locked by another program, disk full, read-only, not a database file, refused by the
// table's constraints ...), and the tail saying what follows.

#include "Schemat.h"

#include <QString>
#include <optional>

class QSqlError;

namespace tremida {

enum class RodzajBleduBazy {
    Odczyt,        // a table could not be read
    Zapis,         // a change of a table was refused
    Zatwierdzenie, // the changes could not be committed to the files
    Rozpoczecie,   // the work could not begin
};

struct TBladBazy {
    RodzajBleduBazy rodzaj = RodzajBleduBazy::Zapis;
    std::optional<Tabela> tabela; // none when the failure is not of one table (a commit)
    int kod = 0;                  // SQLite's primary result code; 0 for a failure found by the program
    QString tekstSilnika;         // what the engine said (with code 0: the reason in the user's words)

    // The message without its tail, e.g. "Nie można zapisać zmian w tabeli reguly.db:
    // tabela jest używana przez inny program."
    QString tekst() const;
};

// The reason for a failure with SQLite's result code `kod`, in the user's words; a code
// without a translation gives the engine's own text.
QString przyczynaBleduBazy(int kod, const QString &tekstSilnika);

// The failure of a Qt query or transaction.
TBladBazy bladBazy(RodzajBleduBazy rodzaj, std::optional<Tabela> tabela, const QSqlError &e);

// The tails of failure messages: what follows the failure.
namespace ogon {
inline const QString Wnioskowanie = QStringLiteral("Nastąpi przerwanie procesu wnioskowania.");
inline const QString Opcja = QStringLiteral("Opcja nie zostanie zrealizowana.");
inline const QString Weryfikacja = QStringLiteral("Proces wnioskowania nie będzie możliwy.");
} // namespace ogon

// The message of a failure with its tail, the two joined by the system's line break.
QString komunikatBleduBazy(const TBladBazy &b, const QString &ogon);

} // namespace tremida
