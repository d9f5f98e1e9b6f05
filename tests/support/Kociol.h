#pragma once
// The boiler example for the tests that run tremida-cli on it: a working folder holding its
// tables, the files lying beside it, and the conclusions its answers lead to.

#include "Pomocnicze.h"

#include <QString>
#include <QStringList>

namespace tremida::test {

namespace kociol {

// The conclusions of the boiler example as its rules write them.
inline const QString Niezupelne = QStringLiteral("[stan spalania]=[niezupełne]");
inline const QString Prawidlowe = QStringLiteral("[stan spalania]=[prawidłowe]");
inline const QString Przegrzanie = QStringLiteral("[przegrzanie pary]=[TRUE]");
inline const QString Palnik = QStringLiteral("[usterka kotła]=[zanieczyszczony palnik]");
inline const QString Zawor = QStringLiteral("[usterka kotła]=[niesprawny zawór bezpieczeństwa]");
inline const QString Przegrzewacz = QStringLiteral("[usterka kotła]=[uszkodzony przegrzewacz]");
inline const QString ObnizenieMocy = QStringLiteral("[zalecane obniżenie mocy]=[obniżenie mocy wg temperatury]");

// A file lying beside the boiler example ("odpowiedzi.txt", "wartosci_faktow.txt").
inline QString plik(const QString &nazwa) { return plikPrzykladu(QStringLiteral("kociol"), nazwa); }

} // namespace kociol

// A working folder with the tables of the boiler example, imported through tremida-cli; fails
// the test when the import fails.
struct FolderKotla {
    FolderRoboczy folder;
    FolderKotla() { zaimportujPrzyklad(folder.sciezka(), QStringLiteral("kociol")); }
    // Runs tremida-cli on the folder.
    WynikCli cli(const QStringList &argumenty) const { return uruchomCli(folder.sciezka(), argumenty); }
};

} // namespace tremida::test
