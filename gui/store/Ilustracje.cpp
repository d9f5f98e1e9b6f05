#include "Ilustracje.h"

#include "app/Komunikat.h"
#include "app/KontekstAplikacji.h"
#include "store/Slowa.h"

#include <QDir>
#include <QFileInfo>

namespace tremida::gui {

namespace {

QString sciezkaPliku(const KontekstAplikacji &k, const QString &nazwa)
{
    return QFileInfo(nazwa).isAbsolute() ? nazwa : QDir(k.baza.folder()).filePath(nazwa);
}

} // namespace

bool PokazObraz(KontekstAplikacji &k, const QString &nazwaPliku, double, const QString &)
{
    if (!QFileInfo::exists(sciezkaPliku(k, nazwaPliku))) {
        pokazKomunikat(QStringLiteral("Stwierdzono brak na dysku pliku ") + nazwaPliku
                       + QStringLiteral(" do wizualizacji.\n\rOpcja nie zostanie zrealizowana."));
        return false;
    }
    return false; // the picture viewer comes with its window
}

bool PokazFilm(KontekstAplikacji &k, const QString &nazwaPliku, double, const QString &)
{
    if (!QFileInfo::exists(sciezkaPliku(k, nazwaPliku))) {
        pokazKomunikat(QStringLiteral("Stwierdzono brak na dysku pliku filmu ") + nazwaPliku
                       + QStringLiteral(" do odtworzenia.\n\rOpcja nie zostanie zrealizowana."));
        return false;
    }
    return false; // the film viewer comes with its window
}

bool pokazPlikIlustracji(KontekstAplikacji &k, const QString &nazwaPliku, std::optional<double> stosunek,
                         const QString &podpis, const QString &rodzajPliku)
{
    const bool film = rodzajPliku == slowa::Film;
    if (nazwaPliku.isEmpty()) {
        pokazKomunikat(film ? QStringLiteral("Nazwa pliku filmu nie została określona. Opcja nie zostanie zrealizowana.")
                            : QStringLiteral("Nazwa pliku graficznego/zdjęcia nie została określona. Opcja nie "
                                             "zostanie zrealizowana."));
        return false;
    }
    if (!stosunek) {
        pokazKomunikat(film ? QStringLiteral("Wymiary (stosunek wysokości do szerokości) ekranu filmu nie zostały "
                                             "określone. Opcja nie zostanie zrealizowana.")
                            : QStringLiteral("Wymiary (stosunek wysokości do szerokości) pliku graficznego/zdjęcia nie "
                                             "zostały określone. Opcja nie zostanie zrealizowana."));
        return false;
    }
    return film ? PokazFilm(k, nazwaPliku, *stosunek, podpis) : PokazObraz(k, nazwaPliku, *stosunek, podpis);
}

} // namespace tremida::gui
