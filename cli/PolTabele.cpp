// Commands on whole tables: create-tables, free-key.

#include "Cli.h"

#include "store/Warunki.h"
#include "store/WolnyKod.h"

namespace tremida::cli {

int polecenieCreateTables(Kontekst &k, const QStringList &argumenty)
{
    bool nadpisanie = false;
    std::vector<Tabela> tabele;
    for (const QString &a : argumenty) {
        if (a == QStringLiteral("--overwrite")) {
            nadpisanie = true;
            continue;
        }
        Tabela t;
        if (a.startsWith(u'-') || !tabelaONazwie(a, &t))
            return bladUzycia(k, QStringLiteral("create-tables"), QStringLiteral("Nieznana tabela lub opcja: %1").arg(a));
        tabele.push_back(t);
    }
    if (tabele.empty())
        tabele.assign(WszystkieTabele.begin(), WszystkieTabele.end());
    int wynik = Sukces;
    k.baza.synchronizuj();
    for (Tabela t : tabele) {
        const OpisTabeli &o = opisTabeli(t);
        const bool istnieje = k.baza.plikIstnieje(t);
        if (istnieje && !nadpisanie) {
            k.komunikat(o.ostrzezenie.join(u'\n'));
            wynik = Porazka;
            continue;
        }
        QString blad;
        if (!k.baza.zalozTabele(t, istnieje, &blad)) {
            k.komunikat(blad);
            wynik = Porazka;
            continue;
        }
        k.komunikat(istnieje ? o.potwierdzenieNadpisanej : o.potwierdzenieNowej);
    }
    return wynik;
}

int polecenieFreeKey(Kontekst &k, const QStringList &argumenty)
{
    Tabela t;
    if (argumenty.size() != 1 || !tabelaONazwie(argumenty[0], &t))
        return bladUzycia(k, QStringLiteral("free-key"), QStringLiteral("Podaj nazwę jednej tabeli."));
    k.baza.synchronizuj();
    if (!k.baza.plikIstnieje(t)) {
        k.komunikat(komunikatBrakPliku(t));
        return Porazka;
    }
    TWolnyKod wolnyKod;
    const auto wynik = wolnyKod.znajdz(k.baza, t);
    if (!wynik) {
        k.komunikat(QStringLiteral("Nie można odczytać tabeli %1.").arg(opisTabeli(t).plik()));
        return Porazka;
    }
    k.out << *wynik << '\n';
    return Sukces;
}

} // namespace tremida::cli
