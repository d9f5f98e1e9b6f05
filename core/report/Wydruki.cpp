#include "Wydruki.h"

#include "ElementyWydruku.h"
#include "TDrukFakt.h"
#include "UkladStrony.h"
#include "store/Baza.h"
#include "store/Konwersje.h"
#include "store/Rekordy.h"
#include "store/Slowa.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace tremida {

namespace wydruk {
QString komunikatKonca(RodzajWydruku r)
{
    switch (r) {
    case RodzajWydruku::Systemy: return KomKoniecSystemow;
    case RodzajWydruku::Fakty: return KomKoniecFaktow;
    case RodzajWydruku::Reguly: return KomKoniecRegul;
    case RodzajWydruku::Stale: return KomKoniecStalych;
    case RodzajWydruku::Trajektoria: return KomKoniecTraj;
    case RodzajWydruku::PlikiMult: return KomKoniecPlikMult;
    }
    return {};
}
} // namespace wydruk

using namespace wydruk;

std::optional<QString> brakRekordowDoWydruku(Baza &baza, RodzajWydruku r, int kodSyst)
{
    QSqlQuery q = baza.zapytanie();
    QString pusto;
    switch (r) {
    case RodzajWydruku::Systemy:
        q.prepare(QStringLiteral("SELECT count(*) FROM systemyeksperckie"));
        pusto = QStringLiteral("Tabela systemów eksperckich (baz wiedzy) pusta. Opcja nie zostanie zrealizowana.");
        break;
    case RodzajWydruku::Fakty:
        q.prepare(QStringLiteral("SELECT count(*) FROM fakty WHERE KodSyst=:ParIdSyst"));
        pusto = KomPustaTabelaFaktow;
        break;
    case RodzajWydruku::Reguly:
        q.prepare(QStringLiteral("SELECT count(*) FROM reguly WHERE KodSyst=:ParIdSyst"));
        pusto = KomPustaTabelaRegul;
        break;
    case RodzajWydruku::Stale:
        q.prepare(QStringLiteral("SELECT count(*) FROM stale WHERE KodSyst=:ParIdSyst"));
        pusto = KomPustaTabelaStalych;
        break;
    case RodzajWydruku::Trajektoria:
        q.prepare(QStringLiteral("SELECT count(*) FROM trajektoria WHERE KodSyst=:ParIdSyst"));
        pusto = KomPustaTabelaTraj;
        break;
    case RodzajWydruku::PlikiMult:
        if (kodSyst > 0) {
            q.prepare(QStringLiteral("SELECT count(*) FROM plikimultimedialne WHERE ") + WarunekPlikowSystemu);
            pusto = KomBrakPlikMultSystemu;
        } else {
            q.prepare(QStringLiteral("SELECT count(*) FROM plikimultimedialne"));
            pusto = KomPustaTabelaPlikMult;
        }
        break;
    }
    if (r == RodzajWydruku::PlikiMult && kodSyst > 0)
        wiazWarunekPlikowSystemu(q, kodSyst);
    else if (r != RodzajWydruku::Systemy && r != RodzajWydruku::PlikiMult)
        q.bindValue(QStringLiteral(":ParIdSyst"), kodSyst);
    if (q.exec() && q.next() && q.value(0).toInt() > 0)
        return std::nullopt;
    return pusto;
}

bool drukujTabele(Baza &baza, RodzajWydruku r, int kodSyst, Plotno &plotno, bool pozioma, const QDate &dzien,
                  QString *blad)
{
    switch (r) {
    case RodzajWydruku::Systemy: return drukujSystemy(baza, plotno, pozioma, dzien, blad);
    case RodzajWydruku::Fakty: return drukujFakty(baza, kodSyst, plotno, pozioma, dzien, blad);
    case RodzajWydruku::Reguly: return drukujReguly(baza, kodSyst, plotno, pozioma, dzien, blad);
    case RodzajWydruku::Stale: return drukujStale(baza, kodSyst, plotno, pozioma, dzien, blad);
    case RodzajWydruku::Trajektoria: return drukujTrajektorie(baza, kodSyst, plotno, pozioma, dzien, blad);
    case RodzajWydruku::PlikiMult: return drukujPlikiMult(baza, kodSyst, plotno, pozioma, dzien, blad);
    }
    return false;
}

bool drukujSystemy(Baza &baza, Plotno &plotno, bool pozioma, const QDate &dzien, QString *blad)
{
    QSqlQuery q = baza.zapytanie();
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT * FROM systemyeksperckie ORDER BY IdSyst"));
    if (!czytaj(q, blad))
        return false;
    UkladStrony u(plotno, marginesy(RodzajWydruku::Systemy, pozioma), false);
    const MarginesyWydruku &m = u.marginesy();
    const int xNazwy = 500;
    u.ustawNaglowek([&] {
        poczatekNaglowkaTabeli(u, dzien);
        u.przesunY(2);
        czcionka(u, true);
        u.piszWysrodkowany(QStringLiteral("TABELA SYSTEMÓW EKSPERCKICH (BAZ WIEDZY)"));
        czcionka(u);
        u.przesunY(2);
        u.linia();
        u.przesunY(1);
        u.pisz(m.lewy, QStringLiteral("Kod systemu"));
        u.pisz(xNazwy, QStringLiteral("Nazwa systemu"));
        u.przesunY(1);
        u.linia();
        u.ustawLicznikLinii(10);
    });
    return drukujRekordy(u, q, [&](const QSqlRecord &rek) {
        const TRekSyst s = TRekSyst::z(rek);
        u.nastepnaLinia();
        u.pisz(m.lewy, QString::number(s.IdSyst));
        u.zawijaj(xNazwy, plotno.szerokoscStrony() - m.lewy - xNazwy, s.NazSyst);
        if (!s.OpisSyst.isEmpty()) {
            u.nastepnaLinia();
            u.nastepnaLinia();
            podkreslony(u, m.lewy, QStringLiteral("Opis systemu:"));
            u.nastepnaLinia();
            u.zawijaj(m.lewy, u.szerokoscPelna(), s.OpisSyst);
            u.nastepnaLinia();
        }
        return true;
    });
}

bool drukujFakty(Baza &baza, int kodSyst, Plotno &plotno, bool pozioma, const QDate &dzien, QString *blad)
{
    QSqlQuery q = baza.zapytanie();
    const auto syst =
        systemIWiersze(baza, kodSyst, QStringLiteral("SELECT * FROM fakty WHERE KodSyst=:ParIdSyst ORDER BY IdFakt"), q, blad);
    if (!syst)
        return false;

    // Column x: code, name, kind, type, unit, value, CF, multi-valued, count, value code,
    // value word, value state, value CF.
    const QList<int> x = pozioma ? QList<int>{150, 300, 1120, 1400, 1610, 1820, 1990, 2090, 2250, 2380, 2550, 3000, 3180}
                                 : QList<int>{150, 250, 800, 1000, 1150, 1300, 1420, 1490, 1610, 1700, 1820, 2140, 2270};
    enum { KKod, KNazwa, KRodz, KTyp, KJedn, KWart, KCF, KWiel, KLicz, KKodW, KSlowo, KStan, KCFW };
    auto szer = [&](int k) { return x[k + 1] - x[k] - OdstepKolumn; };

    UkladStrony u(plotno, marginesy(RodzajWydruku::Fakty, pozioma), true);
    u.ustawNaglowek([&] {
        naglowekSystemu(u, pozioma, dzien, kodSyst, syst->NazSyst,
                        QStringLiteral("TABELA FAKTÓW ORAZ WARTOŚCI FAKTÓW WYLICZENIOWYCH SYSTEMU EKSPERCKIEGO (BAZY "
                                       "WIEDZY)"),
                        x,
                        {"Kod", "Nazwa", "Rodzaj", "Typ", "Jednostka", "Wartość", "CF", "Czy fakt", "Liczba", "Kod",
                         "Wartość", "Czy wart.", "CF"},
                        {"faktu", "faktu", "faktu", "faktu", "faktu", "faktu", "faktu", "wielow.?", "wart.",
                         "wartości", "f.wylicz.", "przyp.?", "wartości"});
    });
    TDrukFakt bufor;
    return drukujRekordy(u, q, [&](const QSqlRecord &rek) {
        const TRekFakt f = TRekFakt::z(rek);
        const bool wprowadzany = f.RodzFakt == slowa::Wprowadzany;
        bufor.wyczysc();
        u.nastepnaLinia();
        u.pisz(x[KKod], QString::number(f.IdFakt));
        bufor.wpiszKawalki(TDrukFakt::Nazwa, 0, u.podzial(szer(KNazwa), f.NazFakt));
        u.pisz(x[KRodz], f.RodzFakt);
        u.pisz(x[KTyp], f.TypFakt);
        if (f.TypFakt == slowa::Rzeczywisty || f.TypFakt == slowa::Calkowity)
            bufor.wpiszKawalki(TDrukFakt::Jednostka, 0, u.podzial(szer(KJedn), f.JedWartFakt));
        if (wprowadzany && f.TypFakt != slowa::Wyliczeniowy) {
            bufor.wpiszKawalki(TDrukFakt::Wartosc, 0, u.podzial(szer(KWart), f.WartFakt));
            u.pisz(x[KCF], cf(f.CFWartFakt));
        }
        if (f.TypFakt == slowa::Wyliczeniowy) {
            u.pisz(x[KWiel], f.CzyWielWart);
            u.pisz(x[KLicz], f.LiczWart ? QString::number(*f.LiczWart) : QString());
            QSqlQuery w = baza.zapytanie();
            w.setForwardOnly(true);
            w.prepare(QStringLiteral("SELECT * FROM wartoscifaktowwyliczeniowych WHERE KodFakt=:ParKodFaktWiel "
                                     "ORDER BY IdWartFaktWylicz"));
            w.bindValue(QStringLiteral(":ParKodFaktWiel"), f.IdFakt);
            if (!czytaj(w, blad))
                return false;
            int linia = 0;
            bool jest = false;
            while (w.next()) {
                jest = true;
                const TRekWartFaktWylicz v = TRekWartFaktWylicz::z(w.record());
                bufor.wpisz(TDrukFakt::KodWart, linia, QString::number(v.IdWartFaktWylicz));
                if (wprowadzany) {
                    bufor.wpisz(TDrukFakt::StanWart, linia, v.CzyFaktMaWartAkt);
                    if (v.CzyFaktMaWartAkt == slowa::Tak || v.CzyFaktMaWartAkt == slowa::Nie)
                        bufor.wpisz(TDrukFakt::CFWart, linia, cf(v.CFWartFaktWyliczAkt));
                }
                linia = bufor.wpiszKawalki(TDrukFakt::SlowoWart, linia, u.podzial(szer(KSlowo), v.WartFaktWylicz));
            }
            if (!jest)
                bufor.wpisz(TDrukFakt::SlowoWart, 0, QStringLiteral("tabela wartości pusta"));
        }
        const struct {
            TDrukFakt::Kolumna kolumna;
            int x;
        } kolumny[7] = {{TDrukFakt::Nazwa, x[KNazwa]},     {TDrukFakt::Jednostka, x[KJedn]},
                        {TDrukFakt::Wartosc, x[KWart]},    {TDrukFakt::KodWart, x[KKodW]},
                        {TDrukFakt::SlowoWart, x[KSlowo]}, {TDrukFakt::StanWart, x[KStan]},
                        {TDrukFakt::CFWart, x[KCFW]}};
        for (int l = 0; l < bufor.liczbaLinii(); ++l) {
            for (const auto &k : kolumny)
                u.pisz(k.x, bufor.tekst(k.kolumna, l));
            u.nastepnaLinia();
        }
        QList<BlokOpisu> opisy{{QStringLiteral("Opis faktu:"), f.OpisFakt, QStringLiteral("brak opisu")}};
        if (wprowadzany)
            opisy.append({QStringLiteral("Instrukcja jak wprowadzić wartość faktu:"), f.PytFakt,
                          QStringLiteral("brak instrukcji")});
        blokiOpisu(u, opisy);
        return true;
    });
}

bool drukujReguly(Baza &baza, int kodSyst, Plotno &plotno, bool pozioma, const QDate &dzien, QString *blad)
{
    QSqlQuery q = baza.zapytanie();
    const auto syst =
        systemIWiersze(baza, kodSyst, QStringLiteral("SELECT * FROM reguly WHERE KodSyst=:ParIdSyst ORDER BY IdReg"), q, blad);
    if (!syst)
        return false;
    const QList<int> x = pozioma ? QList<int>{150, 500, 2590, 2800, 3180} : QList<int>{150, 350, 1850, 2000, 2270};
    UkladStrony u(plotno, marginesy(RodzajWydruku::Reguly, pozioma), true);
    const MarginesyWydruku &m = u.marginesy();
    u.ustawNaglowek([&] {
        naglowekSystemu(u, pozioma, dzien, kodSyst, syst->NazSyst, QStringLiteral("TABELA REGUŁ SYSTEMU EKSPERCKIEGO (BAZY WIEDZY)"),
                        x, {"Kod", "Nazwa", "Poziom", "Kierunek", "CF"},
                        {"reguły", "reguły", "reguły", "wnioskowania", "reguły"});
    });
    auto linieTekstu = [&](const QString &tekst, const QString &brak) {
        if (tekst.isEmpty()) {
            u.pisz(m.lewy, brak);
            return;
        }
        u.zawijaj(m.lewy, u.szerokoscPelna(), tekst);
    };
    return drukujRekordy(u, q, [&](const QSqlRecord &rek) {
        const TRekReg r = TRekReg::z(rek);
        u.nastepnaLinia();
        u.pisz(x[0], QString::number(r.IdReg));
        u.pisz(x[2], QString::number(r.PozReg));
        u.pisz(x[3], r.KierWniReg);
        u.pisz(x[4], realNaTekst(r.CFReg));
        u.zawijaj(x[1], x[2] - x[1] - OdstepKolumn, r.NazReg);
        u.nastepnaLinia();
        podkreslony(u, m.lewy, QStringLiteral("Tekst reguły:"));
        u.nastepnaLinia();
        u.pisz(m.lewy, QStringLiteral("IF"));
        u.nastepnaLinia();
        linieTekstu(r.PrzesReg, QStringLiteral("pole przesłankowe reguły puste"));
        u.nastepnaLinia();
        u.pisz(m.lewy, QStringLiteral("THEN"));
        u.nastepnaLinia();
        linieTekstu(r.KonklReg, QStringLiteral("konkluzja reguły pusta"));
        u.nastepnaLinia();
        blokiOpisu(u, {{QStringLiteral("Opis konkluzji reguły:"), r.OpisKonklReg, QStringLiteral("brak opisu")},
                       {QStringLiteral("Instrukcja/zalecenia dla użytkownika, wynikające z konkluzji reguły:"),
                        r.InstrReg, QStringLiteral("brak instrukcji")},
                       {QStringLiteral("Opisowa charakterystyka reguły. Objaśnienie reguły. Autor/źródło:"), r.OpisReg,
                        QStringLiteral("brak charakterystyki")}});
        return true;
    });
}

} // namespace tremida
