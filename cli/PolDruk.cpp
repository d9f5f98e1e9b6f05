// print: the printouts of the systems, facts, rules, constants, trajectory and multimedia tables
// written to a PDF file.

#include "Cli.h"

#include "report/PlotnoQt.h"
#include "report/Wydruki.h"
#include "store/Konwersje.h"
#include "store/Rekordy.h"
#include "store/Warunki.h"

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
    const QString tabele = QStringLiteral("Podaj tabelę: systems, facts SYSTEM, rules SYSTEM, constants SYSTEM, "
                                          "trajectory SYSTEM albo multimedia [SYSTEM].");
    if (reszta.isEmpty())
        return bladUzycia(k, nazwa, tabele);
    // The tables, the kind of printout, its preconditions, and whether it is of one system
    // (multimedia: of one system when a code is given).
    struct Wybor {
        const char *nazwa;
        RodzajWydruku rodzaj;
        tremida::Polecenie polecenie;
        bool systemu;
    };
    static const Wybor wybory[] = {
        {"systems", RodzajWydruku::Systemy, tremida::Polecenie::DrukTabSyst, false},
        {"facts", RodzajWydruku::Fakty, tremida::Polecenie::DrukTabFakt, true},
        {"rules", RodzajWydruku::Reguly, tremida::Polecenie::DrukTabReg, true},
        {"constants", RodzajWydruku::Stale, tremida::Polecenie::DrukTabStale, true},
        {"trajectory", RodzajWydruku::Trajektoria, tremida::Polecenie::DrukTabTraj, true},
        {"multimedia", RodzajWydruku::PlikiMult, tremida::Polecenie::DrukTabPlikMult, false},
    };
    const Wybor *tabela = nullptr;
    for (const Wybor &t : wybory)
        if (reszta[0] == QLatin1String(t.nazwa))
            tabela = &t;
    const bool zSystemem = reszta.size() == 2;
    if (!tabela || reszta.size() > 2 || (tabela->systemu && !zSystemem) ||
        (!tabela->systemu && zSystemem && tabela->rodzaj != RodzajWydruku::PlikiMult))
        return bladUzycia(k, nazwa, tabele);
    const RodzajWydruku rodzaj = tabela->rodzaj;
    const tremida::Polecenie polecenie =
        rodzaj == RodzajWydruku::PlikiMult && zSystemem ? tremida::Polecenie::DrukTabPlikMultSyst : tabela->polecenie;
    int kodSyst = 0;
    if (zSystemem) {
        const auto kod = tekstNaInt(reszta[1]);
        if (!kod)
            return bladUzycia(k, nazwa, QStringLiteral("Kod systemu musi być liczbą całkowitą."));
        kodSyst = *kod;
    }
    if (const auto brak = sprawdzWarunki(polecenie, k.baza)) {
        k.komunikat(*brak);
        return Porazka;
    }
    if (zSystemem) {
        if (!rekordOKluczu(k.baza, Tabela::Systemy, kodSyst)) {
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
    const bool ok = drukujDoPdf(
        pdf, pozioma,
        [&](Plotno &plotno, QString *b) { return drukujTabele(k.baza, rodzaj, kodSyst, plotno, pozioma, dzis, b); },
        &blad);
    if (!ok) {
        k.komunikat(blad);
        return Porazka;
    }
    k.komunikat(wydruk::komunikatKonca(rodzaj));
    return Sukces;
}

} // namespace tremida::cli
