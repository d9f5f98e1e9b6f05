// tremida-cli: the knowledge-base store and the engines from a terminal.

#include "Cli.h"

#include "app/PlikKonfig.h"
#include "store/Konwersje.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <memory>

using namespace tremida;
using namespace tremida::cli;

int main(int argc, char *argv[])
{
    // Printing measures and draws text with real fonts, which needs the GUI application
    // object; it runs on the offscreen platform when no platform is chosen.
    bool druk = false;
    for (int i = 1; i < argc; ++i)
        druk = druk || qstrcmp(argv[i], "print") == 0 || qstrcmp(argv[i], "report") == 0;
    if (druk && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a session's runtime folder Qt would warn on standard error; a private one is
    // made for the run instead.
    QTemporaryDir folderSesji;
    if (druk && qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && folderSesji.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folderSesji.path()));
    std::unique_ptr<QCoreApplication> app(druk ? new QGuiApplication(argc, argv) : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("tremida-cli"));
    QStringList argumenty = QCoreApplication::arguments().mid(1);

    Kontekst k;
    k.folder = QDir::currentPath();
    while (!argumenty.isEmpty() && argumenty.first().startsWith(QStringLiteral("--"))) {
        const QString a = argumenty.takeFirst();
        if (a == QStringLiteral("--help")) {
            k.out << skladnia();
            return Sukces;
        }
        if (a == QStringLiteral("--dir") && !argumenty.isEmpty()) {
            k.folder = argumenty.takeFirst();
        } else if (a.startsWith(QStringLiteral("--dir="))) {
            k.folder = a.mid(6);
        } else {
            k.err << QStringLiteral("Nieznana opcja: %1\n").arg(a) << skladnia();
            return BladUzycia;
        }
    }
    if (argumenty.isEmpty()) {
        k.err << skladnia();
        return BladUzycia;
    }
    const QString nazwa = argumenty.takeFirst();
    const PolecenieCli *polecenie = nullptr;
    for (const auto &p : polecenia())
        if (p.nazwa == nazwa)
            polecenie = &p;
    if (!polecenie) {
        k.err << QStringLiteral("Nieznane polecenie: %1\n").arg(nazwa) << skladnia();
        return BladUzycia;
    }
    if (argumenty.contains(QStringLiteral("--help"))) {
        k.out << skladnia(nazwa);
        return Sukces;
    }

    QString blad;
    if (!k.baza.otworz(k.folder, &blad)) {
        k.err << blad << '\n';
        return Porazka;
    }
    for (const QString &problem : k.baza.synchronizuj())
        k.err << tekstDoWyswietlenia(problem) << '\n';
    // As at the program's start: the configuration of the folder, its messages on standard error.
    wczytajKonfiguracjePrzyStarcie(k.konfig, k.baza.folder(), [&k](const QString &t) {
        k.err << tekstDoWyswietlenia(t) << '\n';
        k.err.flush();
    });
    const int wynik = polecenie->uruchom(k, argumenty);
    k.out.flush();
    k.err.flush();
    return wynik;
}
