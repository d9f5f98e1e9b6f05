#include "WezelWyj.h"

#include <QJsonArray>

namespace tremida {

QJsonObject TWezelWyj::json() const
{
    QJsonObject o = pola;
    o.insert(QStringLiteral("rodzaj"), rodzaj);
    o.insert(QStringLiteral("tekst"), tekst);
    if (krok)
        o.insert(QStringLiteral("krok"), *krok);
    QJsonArray d;
    for (const TWezelWyj &w : dzieci)
        d.append(w.json());
    o.insert(QStringLiteral("dzieci"), d);
    return o;
}

QStringList TWezelWyj::linie(int poziom) const
{
    QStringList wynik;
    const QString wciecie(2 * poziom, u' ');
    QString t = tekst;
    t.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    t.remove(u'\r');
    for (const QString &l : t.split(u'\n'))
        wynik << wciecie + l;
    for (const TWezelWyj &w : dzieci)
        wynik << w.linie(poziom + 1);
    return wynik;
}

const TWezelWyj *TWezelWyj::wezelKroku(int k) const
{
    if (krok == k)
        return this;
    for (const TWezelWyj &w : dzieci)
        if (const TWezelWyj *z = w.wezelKroku(k))
            return z;
    return nullptr;
}

} // namespace tremida
