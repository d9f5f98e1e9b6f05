#pragma once
// The configuration file "plik konfiguracyjny systemu TREMIDA.txt": sixteen lines, one
// parameter each, ended by CR LF.

#include "ParKonfig.h"

#include <QString>

namespace tremida {

// Loading at start: sets every parameter to its standard value, then replaces them from
// the file of `folder` line by line. A missing file, each invalid line, a file that cannot
// be read and a file shorter than sixteen lines are reported through `komunikat`; for an
// invalid or missing line the standard value stays.
void wczytajKonfiguracjePrzyStarcie(TParKonfig &p, const QString &folder, const PokazKomunikat &komunikat);

// "Zapisz własne do pliku": checks the own values (the first failing check's message is
// shown and nothing is written), then writes the sixteen lines and shows the confirmation.
// Returns true when the file was written. A file that cannot be written is reported and the
// old file stays as it was.
bool zapiszWlasneDoPliku(const TWartWlasneKonfig &w, const QString &folder, const PokazKomunikat &komunikat);

// "Czytaj własne z pliku": reads the sixteen lines into the own values. Lines 1, 7 and 8
// are taken as they stand; every other line selects the list item it names or is reported
// and leaves that list as it was. Returns false when the file does not exist or cannot be
// read (reported; nothing changed).
bool czytajWlasneZPliku(TWartWlasneKonfig &w, const QString &folder, const PokazKomunikat &komunikat);

// The sixteen lines that "Zapisz własne do pliku" writes for checked own values.
QStringList linieWlasnych(const TWartWlasneKonfig &w);

} // namespace tremida
