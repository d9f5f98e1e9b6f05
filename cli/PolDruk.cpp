// print: the printouts of the systems, facts and rules tables written to a PDF file.

#include "Cli.h"

#include "report/PlotnoQt.h"
#include "report/Wydruki.h"
#include "store/Konwersje.h"
#include "store/Warunki.h"

#include <QSqlQuery>

namespace tremida::cli {

int polecenieDruk(Kontekst &k, const QStringList &argumenty)
{
    const QString nazwa = QStringLiteral("print");
    QStringList reszta = argumenty;
    QString pdf;
    bool pozioma = false;
    for (qsizetype i = 0; i < reszta.size();) {
        if (reszta[i] == QStringLiteral("--pdf") && i + 1 < reszta.size()) {
            pdf = reszta[i + 1];
            reszta.remove(i, 2);
        } else if (reszta[i] == QStringLiteral("--landscape")) {
            pozioma = true;
            reszta.remove(i);
        } else if (reszta[i] == QStringLiteral("--portrait")) {
            pozioma = false;
            reszta.remove(i);
        } else {
            ++i;
        }
    }
    if (pdf.isEmpty())
        return bladUzycia(k, nazwa, QStringLiteral("Podaj plik wydruku: --pdf PLIK."));
    if (reszta.isEmpty())
        return bladUzycia(k, nazwa, QStringLiteral("Podaj tabelę: systems, facts SYSTEM albo rules SYSTEM."));
    RodzajWydruku rodzaj;
    tremida::Polecenie polecenie;
    if (reszta[0] == QStringLiteral("systems") && reszta.size() == 1) {
        rodzaj = RodzajWydruku::Systemy;
        polecenie = tremida::Polecenie::DrukTabSyst;
    } else if (reszta[0] == QStringLiteral("facts") && reszta.size() == 2) {
        rodzaj = RodzajWydruku::Fakty;
        polecenie = tremida::Polecenie::DrukTabFakt;
    } else if (reszta[0] == QStringLiteral("rules") && reszta.size() == 2) {
        rodzaj = RodzajWydruku::Reguly;
        polecenie = tremida::Polecenie::DrukTabReg;
    } else {
        return bladUzycia(k, nazwa, QStringLiteral("Podaj tabelę: systems, facts SYSTEM albo rules SYSTEM."));
    }
    int kodSyst = 0;
    if (rodzaj != RodzajWydruku::Systemy) {
        const auto kod = tekstNaInt(reszta[1]);
        if (!kod)
            return bladUzycia(k, nazwa, QStringLiteral("Kod systemu musi być liczbą całkowitą."));
        kodSyst = *kod;
    }
    if (const auto brak = sprawdzWarunki(polecenie, k.baza)) {
        k.komunikat(*brak);
        return Porazka;
    }
    if (rodzaj != RodzajWydruku::Systemy) {
        QSqlQuery q = k.baza.zapytanie();
        q.prepare(QStringLiteral("SELECT count(*) FROM systemyeksperckie WHERE IdSyst=:ParIdSyst"));
        q.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
        if (!q.exec() || !q.next() || q.value(0).toInt() == 0) {
            k.komunikat(QStringLiteral("System ekspercki o kodzie %1 nie istnieje.").arg(kodSyst));
            return Porazka;
        }
    }
    if (const auto pusto = brakRekordowDoWydruku(k.baza, rodzaj, kodSyst)) {
        k.komunikat(*pusto);
        return Porazka;
    }
    if (rodzaj != RodzajWydruku::Systemy)
        k.komunikat(wydruk::KomPrzygotujDrukarke);
    const QDate dzis = QDate::currentDate();
    QString blad;
    const bool ok = drukujDoPdf(pdf, pozioma,
                                [&](Plotno &plotno, QString *b) {
                                    switch (rodzaj) {
                                    case RodzajWydruku::Systemy: return drukujSystemy(k.baza, plotno, pozioma, dzis, b);
                                    case RodzajWydruku::Fakty:
                                        return drukujFakty(k.baza, kodSyst, plotno, pozioma, dzis, b);
                                    case RodzajWydruku::Reguly:
                                        return drukujReguly(k.baza, kodSyst, plotno, pozioma, dzis, b);
                                    }
                                    return false;
                                },
                                &blad);
    if (!ok) {
        k.komunikat(blad);
        return Porazka;
    }
    k.komunikat(wydruk::komunikatKonca(rodzaj));
    return Sukces;
}

} // namespace tremida::cli
