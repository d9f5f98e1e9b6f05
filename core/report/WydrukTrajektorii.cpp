// The printout of the trajectory of one system, streamed: each step is read and drawn at once.

#include "ElementyWydruku.h"
#include "Wydruki.h"

#include "store/Baza.h"
#include "store/Konwersje.h"
#include "store/Rekordy.h"

#include <QHash>
#include <QSqlError>
#include <QSqlRecord>

namespace tremida {

using namespace wydruk;

bool drukujTrajektorie(Baza &baza, int kodSyst, Plotno &plotno, bool pozioma, const QDate &dzien, QString *blad)
{
    QSqlQuery q = baza.zapytanie();
    const auto syst = systemIWiersze(
        baza, kodSyst,
        QStringLiteral("SELECT IdKrokTraj, KodRegTraj, PozRegTraj, IterRegTraj, KierWniTraj, CzyOdpalTraj, "
                       "CFKonklRegTraj, PrzyczNieOdpalTraj, DataRek FROM trajektoria WHERE KodSyst=:ParIdSyst "
                       "ORDER BY IdKrokTraj"),
        q, blad);
    if (!syst)
        return false;

    // Column x: step, rule, level, iteration, direction, fired, CF, outcome, date.
    const QList<int> x = pozioma ? QList<int>{150, 380, 590, 770, 960, 1180, 1370, 1570, 3250}
                                 : QList<int>{150, 330, 480, 610, 740, 920, 1070, 1230, 2250};
    enum { KKrok, KReg, KPoz, KIter, KKier, KOdpal, KCF, KPrzycz, KData };
    const int szerPrzyczyny = x[KData] - x[KPrzycz] - OdstepKolumn;
    UkladStrony u(plotno, marginesy(RodzajWydruku::Trajektoria, pozioma), true);
    u.ustawNaglowek([&] {
        naglowekSystemu(u, pozioma, dzien, kodSyst, syst->NazSyst,
                        QStringLiteral("TABELA TRAJEKTORII WNIOSKOWANIA SYSTEMU EKSPERCKIEGO (BAZY WIEDZY)"), x,
                        {"Kod", "Kod", "Poziom", "Numer", "Kierunek", "Czy reguła", "CF",
                         "Przyczyna \"nieodpalenia\" analizowanej reguły", "Data"},
                        {"kroku", "reguły", "reguły", "iteracji", "wnioskowania", "\"odpalona\"?", "konkluzji", "",
                         "kroku"});
    });
    // A trajectory repeats a few sentences hundreds of thousands of times: each is cut into its
    // lines once.
    QHash<QString, QStringList> podzialy;
    const auto podzial = [&](int szerokosc, const QString &tekst) {
        auto it = podzialy.constFind(tekst);
        if (it == podzialy.constEnd())
            it = podzialy.insert(tekst, u.podzial(szerokosc, tekst));
        return *it;
    };
    auto liczba = [](const QVariant &v) { return v.isNull() ? QString() : QString::number(v.toInt()); };
    u.rozpocznij();
    while (q.next()) {
        u.nastepnaLinia();
        wierszKomorek(u,
                      {{x[KKrok], 0, liczba(q.value(0))},
                       {x[KReg], 0, liczba(q.value(1))},
                       {x[KPoz], 0, liczba(q.value(2))},
                       {x[KIter], 0, liczba(q.value(3))},
                       {x[KKier], 0, q.value(4).toString()},
                       {x[KOdpal], 0, q.value(5).toString()},
                       {x[KCF], 0, q.value(6).isNull() ? QString() : realNaTekst(q.value(6).toDouble())},
                       {x[KPrzycz], szerPrzyczyny, q.value(7).toString()},
                       {x[KData], 0, q.value(8).toString()}},
                      podzial);
    }
    if (q.lastError().isValid()) {
        if (blad)
            *blad = bladZapytania(q);
        return false;
    }
    u.nastepnaLinia();
    return true;
}

} // namespace tremida
