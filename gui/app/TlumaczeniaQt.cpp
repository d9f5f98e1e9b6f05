#include "TlumaczeniaQt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace tremida::gui {

QStringList wczytajTlumaczeniaQt(const QString &folder)
{
    // Loaded by file name, never by QLocale: the program is Polish in every locale.
    static const char *const katalogi[] = {"qtbase_pl", "qtmultimedia_pl"};
    const QString skad = folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
    QStringList wczytane;
    for (const char *katalog : katalogi) {
        // Only the exact file: QTranslator would otherwise fall back to other files of the
        // folder with shorter names.
        const QString plik = QDir(skad).filePath(QString::fromLatin1(katalog) + QStringLiteral(".qm"));
        if (!QFileInfo(plik).isFile())
            continue;
        auto *tlumacz = new QTranslator(QCoreApplication::instance());
        if (tlumacz->load(plik) && QCoreApplication::installTranslator(tlumacz))
            wczytane << QString::fromLatin1(katalog);
        else
            delete tlumacz;
    }
    return wczytane;
}

} // namespace tremida::gui
