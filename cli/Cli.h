#pragma once
// What every tremida-cli command gets: the database of the working folder, the
// configuration loaded from it, and the output streams.

#include "app/ParKonfig.h"
#include "store/Baza.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <vector>

namespace tremida::cli {

enum KodWyjscia { Sukces = 0, Porazka = 1, BladUzycia = 2 };

struct Kontekst {
    QString folder;
    Baza baza;
    TParKonfig konfig;
    QTextStream out;
    QTextStream err;

    Kontekst();
    // Prints a message of the system as the user would read it ("\n\r" as a line break).
    void komunikat(const QString &tekst);
    // Prints a message of the system as one JSON event line {"event":"message","text":...}.
    void komunikatJson(const QString &tekst);
    // A JSON event line of a whole object.
    void zdarzenieJson(const QByteArray &obiektJson);
};

// One command of tremida-cli: its name, usage line, description and what runs it (not to be
// confused with tremida::Polecenie, a menu command whose file preconditions core checks).
struct PolecenieCli {
    QString nazwa;
    QString skladnia; // "create-tables [TABLE...] [--overwrite]"
    QString opis;
    std::function<int(Kontekst &, const QStringList &)> uruchom;
};

// Every command of tremida-cli, in the order of the usage text.
const std::vector<PolecenieCli> &polecenia();

// The usage text of one command or, for an empty name, of the whole program.
QString skladnia(const QString &nazwa = QString());

// Reports a usage error of a command on standard error and returns BladUzycia.
int bladUzycia(Kontekst &k, const QString &polecenie, const QString &tekst);

} // namespace tremida::cli
