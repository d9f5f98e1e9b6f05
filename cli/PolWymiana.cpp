// Commands that move records in and out as JSON: import, export.

#include "Cli.h"

#include "store/Konwersje.h"
#include "store/Wymiana.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tremida::cli {

namespace {
// The largest JSON file import reads: far above the export of a full database.
constexpr qint64 MaksRozmiarImportu = 512LL * 1024 * 1024;
} // namespace

int polecenieImport(Kontekst &k, const QStringList &argumenty)
{
    if (argumenty.size() != 1 || argumenty[0].startsWith(QStringLiteral("--")))
        return bladUzycia(k, QStringLiteral("import"), QStringLiteral("Podaj jeden plik JSON."));
    // A pipe or a device is not read (it may never end), nor a file larger than any export.
    const QFileInfo fi(argumenty[0]);
    if (fi.exists() && !fi.isFile()) {
        k.komunikat(QStringLiteral("Nie można odczytać pliku %1: to nie jest zwykły plik.\nNie zapisano żadnego "
                                   "rekordu.")
                        .arg(argumenty[0]));
        return Porazka;
    }
    if (fi.size() > MaksRozmiarImportu) {
        k.komunikat(QStringLiteral("Plik %1 jest za duży do importu (%2 bajtów, najwięcej %3).\nNie zapisano żadnego "
                                   "rekordu.")
                        .arg(argumenty[0])
                        .arg(fi.size())
                        .arg(MaksRozmiarImportu));
        return Porazka;
    }
    QFile f(argumenty[0]);
    if (!f.open(QIODevice::ReadOnly)) {
        k.komunikat(QStringLiteral("Nie można odczytać pliku %1: %2").arg(argumenty[0], f.errorString()));
        return Porazka;
    }
    const QByteArray json = f.readAll();
    QString blad;
    int liczba = 0;
    if (!importujJson(k.baza, json, &blad, &liczba)) {
        k.komunikat(blad + QStringLiteral("\nNie zapisano żadnego rekordu."));
        return Porazka;
    }
    k.komunikat(QStringLiteral("Zapisano rekordów: %1.").arg(liczba));
    return Sukces;
}

int polecenieExport(Kontekst &k, const QStringList &argumenty)
{
    std::optional<int> kodSyst;
    for (qsizetype i = 0; i < argumenty.size(); ++i) {
        if (argumenty[i] == QStringLiteral("--system") && i + 1 < argumenty.size()) {
            kodSyst = tekstNaInt(argumenty[++i]);
            if (!kodSyst)
                return bladUzycia(k, QStringLiteral("export"), QStringLiteral("Kod systemu musi być liczbą całkowitą."));
        } else {
            return bladUzycia(k, QStringLiteral("export"), QStringLiteral("Nieznany argument: %1").arg(argumenty[i]));
        }
    }
    // Standard output carries the records only, usually into a file: the message of a failure
    // goes to standard error, and nothing is written unless every table was read whole.
    auto porazka = [&k](const QString &tekst) {
        k.err << tekstDoWyswietlenia(tekst) << '\n';
        k.err.flush();
        return Porazka;
    };
    const QString bladWyjscia = QStringLiteral(
        "Nie można zapisać rekordów na standardowe wyjście (brak miejsca na dysku albo zamknięty odbiorca).");
    k.out.flush();
    // The records go out as they are read, so memory stays small whatever the size of the
    // tables. Into a file they are written in place, and a failure cuts the file back to where
    // it was; anywhere else (a pipe, a terminal) they are gathered in a temporary file first
    // and passed on only when all were read.
    const int fd = fileno(stdout);
    struct stat st {};
    const bool doPliku = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    QString blad;
    if (doPliku) {
        const off_t poczatek = (fcntl(fd, F_GETFL) & O_APPEND) ? st.st_size : lseek(fd, 0, SEEK_CUR);
        QFile plik;
        plik.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle);
        const WynikEksportu w = eksportujJson(k.baza, kodSyst, plik, &blad);
        plik.close();
        if (w != WynikEksportu::Zapisany && poczatek >= 0) {
            if (ftruncate(fd, poczatek) == 0)
                lseek(fd, poczatek, SEEK_SET);
        }
        if (w == WynikEksportu::BladOdczytu)
            return porazka(blad);
        if (w == WynikEksportu::BladZapisu)
            return porazka(bladWyjscia);
        return Sukces;
    }
    QTemporaryFile zbior(QDir::temp().filePath(QStringLiteral("tremida-eksport-XXXXXX.json")));
    if (!zbior.open())
        return porazka(QStringLiteral("Nie można utworzyć pliku tymczasowego w folderze %1: %2.")
                           .arg(QDir::toNativeSeparators(QDir::tempPath()), zbior.errorString()));
    switch (eksportujJson(k.baza, kodSyst, zbior, &blad)) {
    case WynikEksportu::BladOdczytu:
        return porazka(blad);
    case WynikEksportu::BladZapisu:
        return porazka(QStringLiteral("Nie można zapisać pliku tymczasowego %1: %2.")
                           .arg(QDir::toNativeSeparators(zbior.fileName()), zbior.errorString()));
    case WynikEksportu::Zapisany:
        break;
    }
    zbior.seek(0);
    QFile wyjscie;
    wyjscie.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle);
    QByteArray porcja;
    while (!(porcja = zbior.read(1 << 20)).isEmpty())
        if (wyjscie.write(porcja) != porcja.size())
            return porazka(bladWyjscia);
    return Sukces;
}

} // namespace tremida::cli
