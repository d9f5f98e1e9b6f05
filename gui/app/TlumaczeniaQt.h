#pragma once
// Qt's own dialogs and buttons (page set-up, printing, file and folder choice, standard
// buttons) in Polish, whatever the locale of the process.

#include <QString>
#include <QStringList>

namespace tremida::gui {

// Installs Qt's Polish catalogues of the modules whose texts the program shows (base and
// widgets with printing, multimedia) into the application, read from `folder` (empty: Qt's
// translations folder, QLibraryInfo::TranslationsPath). The process locale plays no part.
// A catalogue that is missing or unreadable is skipped and its dialogs stay in English;
// nothing fails. Returns the names of the catalogues installed ("qtbase_pl", ...).
// Call it once, after the application object exists.
QStringList wczytajTlumaczeniaQt(const QString &folder = {});

} // namespace tremida::gui
