#pragma once
// Helpers shared by the tests: a temporary working folder with table files, a knowledge
// base loaded from a JSON fixture, and runs of tremida-cli.

#include "store/Baza.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace tremida::test {

// A temporary working folder, removed at the end of the test.
class FolderRoboczy {
public:
    FolderRoboczy();
    QString sciezka() const { return m_dir.path(); }
    QString plik(const QString &nazwa) const { return m_dir.filePath(nazwa); }
    // Writes a file of the folder.
    void zapisz(const QString &nazwa, const QByteArray &tresc) const;

private:
    QTemporaryDir m_dir;
};

// Creates every table file in the database's folder; fails the test on error.
void zalozWszystkieTabele(Baza &baza);

// Imports a JSON fixture of tests/data (or a JSON text when `json` starts with "{").
void importuj(Baza &baza, const QString &json);

// The rows of a query of the database, fields joined by "|"; one row "blad" when it fails.
QStringList wierszeZapytania(Baza &baza, const QString &zapytanie);

// The SHA-256 of each table file (*.db) of a folder, by file name: equal maps before and after
// a command mean that it changed no table.
QMap<QString, QByteArray> skrotyPlikowTabel(const QString &folder);

// Path of a file under tests/data.
QString plikDanych(const QString &nazwa);

// The folder of the example knowledge bases (examples/), and a file of one example.
QString katalogPrzykladow();
QString plikPrzykladu(const QString &przyklad, const QString &nazwa);

// Creates the table files in `folder` and imports the example `przyklad` ("kociol") through
// tremida-cli; fails the test on error.
void zaimportujPrzyklad(const QString &folder, const QString &przyklad);

// The SHA-256 hashes of the table files and text files of a folder, by file name: a run that
// must leave the tables untouched compares them before and after.
QMap<QString, QByteArray> skrotyPlikow(const QString &folder);

// A connection of another program to one table file, for changes and locks the program under
// test meets as they come from outside.
class InnyProgram {
public:
    explicit InnyProgram(const QString &plik);
    ~InnyProgram();
    InnyProgram(const InnyProgram &) = delete;
    InnyProgram &operator=(const InnyProgram &) = delete;
    // Runs one statement; fails the test when it fails.
    void sql(const QString &polecenie);

private:
    QString m_nazwa;
};

struct WynikCli {
    int kod = -1;
    QString out;
    QString err;
};

// Each line of tremida-cli's --json output as a JSON object.
QList<QJsonObject> zdarzeniaJson(const QString &out);

// The texts of the "message" events of tremida-cli's --json output, in order.
QStringList komunikatyJson(const QString &out);

// Runs tremida-cli with `--dir folder` and the arguments, feeding `wejscie` to its standard input.
WynikCli uruchomCli(const QString &folder, const QStringList &argumenty, const QByteArray &wejscie = {});

// The same under the locale `lokalizacja` ("pl_PL.UTF-8"): LC_ALL and LANG are set to it, and
// the locales compiled for the tests are found through LOCPATH.
WynikCli uruchomCliWLokalizacji(const QString &lokalizacja, const QString &folder, const QStringList &argumenty);

} // namespace tremida::test
