#include "Odczyt.h"

#include "store/Baza.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <optional>

namespace tremida::weryf {

namespace {

const QString ParIdSyst = QStringLiteral(":ParIdSyst");

// The records that `sql` returns, with :ParIdSyst bound to `kodSyst` where the query has it.
template <typename Rek>
QList<Rek> czytajRekordy(Baza &baza, Tabela t, const QString &sql, std::optional<int> kodSyst = std::nullopt)
{
    QList<Rek> wynik;
    if (!baza.czyDolaczona(t))
        return wynik;
    QSqlQuery q = baza.zapytanie();
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        return wynik;
    if (kodSyst)
        q.bindValue(ParIdSyst, *kodSyst);
    if (!baza.czytaj(q, t))
        return wynik;
    return rekordyZapytania<Rek>(q);
}

} // namespace

QList<TRekSyst> systemy(Baza &baza)
{
    return czytajRekordy<TRekSyst>(baza, Tabela::Systemy,
                                   QStringLiteral("SELECT * FROM systemyeksperckie ORDER BY IdSyst"));
}

QList<TRekFakt> fakty(Baza &baza, int kodSyst)
{
    return czytajRekordy<TRekFakt>(
        baza, Tabela::Fakty, QStringLiteral("SELECT * FROM fakty WHERE KodSyst=:ParIdSyst ORDER BY IdFakt"), kodSyst);
}

QList<TRekFakt> faktyWprowadzane(Baza &baza, int kodSyst)
{
    return czytajRekordy<TRekFakt>(
        baza, Tabela::Fakty,
        QStringLiteral("SELECT * FROM fakty WHERE KodSyst=:ParIdSyst AND (RodzFakt='wprowadzany') ORDER BY IdFakt"),
        kodSyst);
}

QList<TRekStala> stale(Baza &baza, int kodSyst)
{
    return czytajRekordy<TRekStala>(
        baza, Tabela::Stale, QStringLiteral("SELECT * FROM stale WHERE KodSyst=:ParIdSyst ORDER BY IdStala"), kodSyst);
}

QList<TRekReg> reguly(Baza &baza, int kodSyst)
{
    return czytajRekordy<TRekReg>(
        baza, Tabela::Reguly, QStringLiteral("SELECT * FROM reguly WHERE KodSyst=:ParIdSyst ORDER BY IdReg"), kodSyst);
}

} // namespace tremida::weryf
