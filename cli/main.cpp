// tremida-cli: the knowledge-base store and the engines from a terminal.

#include "Cli.h"

#include "app/PlikKonfig.h"
#include "store/Konwersje.h"

#include <QCoreApplication>
#include <QDir>

using namespace tremida;
using namespace tremida::cli;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tremida-cli"));
    QStringList argumenty = app.arguments().mid(1);

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
    const Polecenie *polecenie = nullptr;
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
