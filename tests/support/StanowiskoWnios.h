#pragma once
// A knowledge base in a temporary folder with every inference run on it and a recording
// user, for the tests of backward chaining, falsification and mixed inference.

#include "Pomocnicze.h"
#include "UzytkownikTestowy.h"
#include "inference/FalsHip.h"
#include "inference/WniosMiesz.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace tremida::test {

// A working folder, its connection and every inference engine on one context, with the
// recording user; the folder stays closed until the test opens it.
struct SilnikiWnios {
    FolderRoboczy folder;
    Baza baza;
    TParKonfig konfig;
    TSesjaWnios sesja;
    UzytkownikTestowy uzytkownik{baza, konfig};
    TWniosWPrzod wprzod{baza, konfig, sesja, uzytkownik};
    TWniosWstecz wstecz{baza, konfig, sesja, uzytkownik};
    TFalsHip fals{wstecz};
    TWniosMiesz miesz{baza, konfig, sesja, uzytkownik, wstecz, wprzod};
};

struct StanowiskoWnios : SilnikiWnios {
    // `fixture`: a file of tests/data or a JSON text; `dodatek`: a second one imported after it;
    // `zmiany`: SQL statements run after both.
    explicit StanowiskoWnios(const QString &fixture, const QStringList &zmiany = {}, const QString &dodatek = {})
    {
        baza.otworz(folder.sciezka());
        zalozWszystkieTabele(baza);
        importuj(baza, fixture);
        if (!dodatek.isEmpty())
            importuj(baza, dodatek);
        for (const QString &z : zmiany) {
            QSqlQuery q = baza.zapytanie();
            if (!q.exec(z))
                QTest::qFail(qPrintable(QStringLiteral("SQL: ") + z + u' ' + q.lastError().text()), __FILE__, __LINE__);
        }
        WybierzSystem(baza, 1, sesja);
    }

    // Continues every display of a run (at most 100) until it ends or stops.
    template <typename Dalej>
    WynikPrzebiegu doKonca(WynikPrzebiegu w, Dalej dalej)
    {
        for (int i = 0; w == WynikPrzebiegu::Wstrzymany && i < 100; ++i) {
            sesja.KontynuacjaZadana = true;
            w = dalej();
        }
        return w;
    }

    // Prepares and runs backward chaining for `hipoteza` to its end.
    WynikPrzebiegu wsteczDoKonca(const QString &hipoteza)
    {
        QStringList konkluzje;
        if (!wstecz.Przygotuj(konkluzje))
            return WynikPrzebiegu::Przerwany;
        return doKonca(wstecz.Start(hipoteza), [this] { return wstecz.Start(); });
    }

    // Runs falsification with the candidates at `zaznaczone` selected, to its end.
    WynikPrzebiegu falsDoKonca(const QList<int> &zaznaczone)
    {
        return doKonca(fals.Start(zaznaczone), [this] { return fals.Start(); });
    }

    // Prepares and runs mixed inference for `hipoteza` to its end.
    WynikPrzebiegu mieszDoKonca(const QString &hipoteza)
    {
        QStringList konkluzje;
        if (!miesz.Przygotuj(konkluzje))
            return WynikPrzebiegu::Przerwany;
        return doKonca(miesz.Start(hipoteza), [this] { return miesz.Dalej(); });
    }

    // The rows of a query, fields joined by "|".
    QStringList sql(const QString &zapytanie) { return wierszeZapytania(baza, zapytanie); }

    // The system's trajectory as "rule|iteration|direction|fired" rows in step order.
    QStringList trajektoria()
    {
        return sql(QStringLiteral("SELECT KodRegTraj, IterRegTraj, KierWniTraj, CzyOdpalTraj FROM trajektoria "
                                  "WHERE KodSyst=1 ORDER BY IdKrokTraj"));
    }
};

} // namespace tremida::test
