#pragma once
// Reading whole record lists for the checks of knowledge bases.

#include "store/Baza.h"

#include <QList>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>

namespace tremida::weryf {

// The records that `sql` returns (with the integer parameter `par` bound to `wartosc` when
// `par` is not empty), in the order returned. A table whose file is not attached, or a
// query that fails, gives no record; a query that fails is recorded as the work's failure
// (Baza::blad).
template <typename Rek>
QList<Rek> czytajRekordy(Baza &baza, Tabela t, const QString &sql, const QString &par = QString(), int wartosc = 0)
{
    QList<Rek> wynik;
    if (!baza.czyDolaczona(t))
        return wynik;
    QSqlQuery q = baza.zapytanie();
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        return wynik;
    if (!par.isEmpty())
        q.bindValue(par, wartosc);
    if (!baza.czytaj(q, t))
        return wynik;
    while (q.next())
        wynik.append(Rek::z(q.record()));
    return wynik;
}

} // namespace tremida::weryf
