#pragma once
// The column captions of the tables as the windows' grids and tremida-cli list them.

#include <QStringList>

namespace tremida {

// The systems table: "Kod systemu", "Nazwa systemu eksperckiego (bazy wiedzy)", "Opis systemu",
// "Data wygenerowania rekordu".
QStringList naglowkiKolumnSyst();

// The facts table, one caption for each of its fifteen columns in column order.
QStringList naglowkiKolumnFakt();

// The trajectory table, one caption for each of its ten columns in column order.
QStringList naglowkiKolumnTraj();

} // namespace tremida
