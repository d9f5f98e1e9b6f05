// The printout of the constants of one system.

#include "ElementyWydruku.h"
#include "Wydruki.h"

#include "store/Baza.h"
#include "store/Rekordy.h"
#include "store/Slowa.h"

#include <QSqlRecord>

namespace tremida {

using namespace wydruk;

bool drukujStale(Baza &baza, int kodSyst, Plotno &plotno, bool pozioma, const QDate &dzien, QString *blad)
{
    QSqlQuery q = baza.zapytanie();
    const auto syst =
        systemIWiersze(baza, kodSyst, QStringLiteral("SELECT * FROM stale WHERE KodSyst=:ParIdSyst ORDER BY IdStala"), q, blad);
    if (!syst)
        return false;

    // Column x: code, name, kind, type, unit, simple value, argument, A, B; the end of the page's
    // printable width closes the last column.
    const QList<int> x = pozioma ? QList<int>{150, 300, 1300, 1500, 1750, 2000, 2600, 2800, 3100}
                                 : QList<int>{150, 250, 1000, 1150, 1330, 1500, 1900, 2050, 2240};
    enum { KKod, KNazwa, KRodz, KTyp, KJedn, KWart, KArg, KA, KB };
    UkladStrony u(plotno, marginesy(RodzajWydruku::Stale, pozioma), true);
    const int koniec = plotno.szerokoscStrony() - u.marginesy().prawy;
    auto szer = [&](int k) { return (k + 1 < x.size() ? x[k + 1] : koniec) - x[k] - OdstepKolumn; };
    u.ustawNaglowek([&] {
        naglowekSystemu(u, pozioma, dzien, kodSyst, syst->NazSyst,
                        QStringLiteral("TABELA STAŁYCH SYSTEMU EKSPERCKIEGO (BAZY WIEDZY)"), x,
                        {"Kod", "Nazwa", "Rodzaj", "Typ", "Jednostka", "Wartość", "Kod", "Parametr", "Parametr"},
                        {"stałej", "stałej", "stałej", "stałej", "stałej", "stałej prostej", "argumentu", "A", "B"});
    });
    return drukujRekordy(u, q, [&](const QSqlRecord &rek) {
        const TRekStala s = TRekStala::z(rek);
        const bool obliczana = s.RodzStala == slowa::Obliczana;
        const bool zJednostka = s.TypStala != slowa::Logiczna;
        u.nastepnaLinia();
        QList<Komorka> komorki{{x[KKod], 0, QString::number(s.IdStala)},
                               {x[KNazwa], szer(KNazwa), s.NazStala},
                               {x[KRodz], 0, s.RodzStala},
                               {x[KTyp], 0, s.TypStala},
                               {x[KJedn], szer(KJedn), zJednostka ? s.JedWartStala : QString()}};
        if (obliczana) {
            komorki << Komorka{x[KArg], 0, QString::number(s.KodArgStala)};
            // A logical computed constant takes the argument's value; A and B play no part.
            if (zJednostka)
                komorki << Komorka{x[KA], szer(KA), s.WartParAStala} << Komorka{x[KB], szer(KB), s.WartParBStala};
        } else {
            komorki << Komorka{x[KWart], szer(KWart), s.WartStalaProsta};
        }
        wierszKomorek(u, komorki);
        u.nastepnaLinia();
        blokiOpisu(u, {{QStringLiteral("Opis stałej:"), s.OpisStala, QStringLiteral("brak opisu")},
                       {QStringLiteral("Instrukcja jak wprowadzić wartość stałej:"), s.PytStala,
                        QStringLiteral("brak instrukcji")}});
        return true;
    });
}

} // namespace tremida
