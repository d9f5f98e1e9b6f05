#pragma once
// A knowledge base for the tests: a temporary folder with every table file, empty or filled
// from a JSON fixture, changed by SQL statements and read back as text. A test that works on
// the folder and the connection directly takes them by name: `auto &[folder, baza] = b;`.

#include "Pomocnicze.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace tremida::test {

struct BazaTestowa {
    FolderRoboczy folder;
    Baza baza;
    // Every table file, empty; fails the test when the folder cannot be opened.
    BazaTestowa()
    {
        if (QTest::qVerify(baza.otworz(folder.sciezka()), "baza.otworz(folder.sciezka())", "", __FILE__, __LINE__))
            zalozWszystkieTabele(baza);
    }
    // Every table file, filled from the JSON fixture; fails the test when the folder cannot be
    // opened.
    explicit BazaTestowa(const QString &fixture) : BazaTestowa() { importuj(baza, fixture); }
    // Runs each statement; fails the test on the first that fails.
    void sql(const QStringList &polecenia)
    {
        for (const QString &p : polecenia) {
            QSqlQuery q = baza.zapytanie();
            QVERIFY2(q.exec(p), qPrintable(p + QStringLiteral(" ") + q.lastError().text()));
        }
    }
    // The first column of the first row of a query as text, "<none>" without a row.
    QString tekst(const QString &zapytanie)
    {
        QSqlQuery q = baza.zapytanie();
        if (!q.exec(zapytanie) || !q.next())
            return QStringLiteral("<none>");
        return q.value(0).toString();
    }
};

} // namespace tremida::test
