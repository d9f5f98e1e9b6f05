#include "PlikiProgramu.h"

#include "Baza.h"
#include "app/ParKonfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <sys/stat.h>

namespace tremida {

namespace {

// Whether two paths name one file (through a link, too).
bool tenSamPlik(const QString &a, const QString &b)
{
    struct stat sa {}, sb {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0 &&
           sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

} // namespace

std::optional<QString> plikProgramu(const Baza &baza, const QString &sciezka)
{
    if (!QFileInfo::exists(sciezka))
        return std::nullopt;
    QStringList pliki{QDir(baza.folder()).filePath(konfig::NazwaPliku), QDir(baza.folder()).filePath(Baza::PlikGlowny)};
    for (Tabela t : WszystkieTabele)
        pliki << baza.sciezka(t);
    for (const QString &p : pliki)
        if (tenSamPlik(sciezka, p))
            return QFileInfo(p).fileName();
    return std::nullopt;
}

} // namespace tremida
