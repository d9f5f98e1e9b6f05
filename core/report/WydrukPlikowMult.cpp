// The printout of the multimedia files: all of them, or those illustrating one system's facts
// and rules.

#include "ElementyWydruku.h"
#include "Wydruki.h"

#include "store/Baza.h"
#include "store/Konwersje.h"
#include "store/Rekordy.h"

#include <QSqlRecord>

namespace tremida {

using namespace wydruk;

bool drukujPlikiMult(Baza &baza, int kodSyst, Plotno &plotno, bool pozioma, const QDate &dzien, QString *blad)
{
    std::optional<TRekSyst> syst;
    if (kodSyst > 0 && !(syst = systemOKodzie(baza, kodSyst, blad)))
        return false;
    QSqlQuery q = baza.zapytanie();
    q.setForwardOnly(true);
    if (syst) {
        q.prepare(QStringLiteral("SELECT * FROM plikimultimedialne WHERE ") + WarunekPlikowSystemu +
                  QStringLiteral(" ORDER BY IdPlikMult"));
        wiazWarunekPlikowSystemu(q, kodSyst);
    } else {
        q.prepare(QStringLiteral("SELECT * FROM plikimultimedialne ORDER BY IdPlikMult"));
    }
    if (!czytaj(q, blad))
        return false;

    // Column x: code, file name, kind, ratio, illustrated element, its code, caption.
    const QList<int> x = pozioma ? QList<int>{150, 330, 1000, 1500, 1700, 1950, 2150}
                                 : QList<int>{150, 300, 800, 1200, 1350, 1550, 1720};
    enum { KKod, KNazwa, KRodz, KStos, KElem, KKodElem, KPodpis };
    UkladStrony u(plotno, marginesy(RodzajWydruku::PlikiMult, pozioma), true);
    const int koniec = plotno.szerokoscStrony() - u.marginesy().prawy;
    auto szer = [&](int k) { return (k + 1 < x.size() ? x[k + 1] : koniec) - x[k] - OdstepKolumn; };
    const QStringList linia1{"Kod", "Nazwa pliku", "Rodzaj pliku", "Stosunek", "Element", "Kod", "Podpis pod obrazem"};
    const QStringList linia2{"pliku", "wraz z rozszerzeniem", "", "wys./szer.", "ilustrowany", "elementu",
                             "graficznym/zdjęciem/filmem"};
    u.ustawNaglowek([&] {
        if (syst)
            naglowekSystemu(u, pozioma, dzien, kodSyst, syst->NazSyst,
                            QStringLiteral("TABELA PLIKÓW MULTIMEDIALNYCH SYSTEMU EKSPERCKIEGO (BAZY WIEDZY)"), x, linia1,
                            linia2);
        else
            naglowekTabeli(u, dzien, QStringLiteral("TABELA PLIKÓW MULTIMEDIALNYCH"), x, linia1, linia2);
    });
    return drukujRekordy(u, q, [&](const QSqlRecord &rek) {
        const TRekPlikMult p = TRekPlikMult::z(rek);
        u.nastepnaLinia();
        wierszKomorek(u, {{x[KKod], 0, QString::number(p.IdPlikMult)},
                          {x[KNazwa], szer(KNazwa), p.NazwaPliku},
                          {x[KRodz], szer(KRodz), p.RodzajPliku},
                          {x[KStos], 0, realNaTekst(p.StosWysDoSzer)},
                          {x[KElem], 0, p.CoPlikIlustr},
                          {x[KKodElem], 0, QString::number(p.KodElemIlustr)},
                          {x[KPodpis], szer(KPodpis), p.Podpis.isEmpty() ? QStringLiteral("brak podpisu") : p.Podpis}});
        u.nastepnaLinia();
        return true;
    });
}

} // namespace tremida
