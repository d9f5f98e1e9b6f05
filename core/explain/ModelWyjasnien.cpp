#include "ModelWyjasnien.h"

namespace tremida {

TModelWyjasnien::TModelWyjasnien(QObject *rodzic) : QAbstractItemModel(rodzic) {}

void TModelWyjasnien::ustaw(const QList<TWezelWyj> &drzewa)
{
    beginResetModel();
    m_drzewa = drzewa;
    m_miejsca.clear();
    // The copy is never changed again, so the addresses of its nodes stay valid.
    zapamietaj(nullptr, m_drzewa);
    endResetModel();
}

void TModelWyjasnien::zapamietaj(const TWezelWyj *rodzic, const QList<TWezelWyj> &dzieci)
{
    for (int i = 0; i < dzieci.size(); ++i) {
        m_miejsca.insert(&dzieci[i], {rodzic, i});
        zapamietaj(&dzieci[i], dzieci[i].dzieci);
    }
}

const TWezelWyj *TModelWyjasnien::wezel(const QModelIndex &indeks) const
{
    return indeks.isValid() ? static_cast<const TWezelWyj *>(indeks.internalPointer()) : nullptr;
}

QModelIndex TModelWyjasnien::indeksWezla(const TWezelWyj *w) const
{
    if (!w)
        return {};
    const auto it = m_miejsca.constFind(w);
    if (it == m_miejsca.constEnd())
        return {};
    return createIndex(it->wiersz, 0, const_cast<TWezelWyj *>(w));
}

QModelIndex TModelWyjasnien::indeksKroku(int krok) const
{
    for (const TWezelWyj &d : m_drzewa)
        if (const TWezelWyj *w = d.wezelKroku(krok))
            return indeksWezla(w);
    return {};
}

QModelIndex TModelWyjasnien::index(int wiersz, int kolumna, const QModelIndex &rodzic) const
{
    if (kolumna != 0 || wiersz < 0)
        return {};
    const TWezelWyj *r = wezel(rodzic);
    const QList<TWezelWyj> &dzieci = r ? r->dzieci : m_drzewa;
    if (wiersz >= dzieci.size())
        return {};
    return createIndex(wiersz, 0, const_cast<TWezelWyj *>(&dzieci[wiersz]));
}

QModelIndex TModelWyjasnien::parent(const QModelIndex &indeks) const
{
    const TWezelWyj *w = wezel(indeks);
    if (!w)
        return {};
    return indeksWezla(m_miejsca.value(w).rodzic);
}

int TModelWyjasnien::rowCount(const QModelIndex &rodzic) const
{
    if (rodzic.column() > 0)
        return 0;
    const TWezelWyj *r = wezel(rodzic);
    return int(r ? r->dzieci.size() : m_drzewa.size());
}

int TModelWyjasnien::columnCount(const QModelIndex &) const { return 1; }

QVariant TModelWyjasnien::data(const QModelIndex &indeks, int rola) const
{
    const TWezelWyj *w = wezel(indeks);
    if (!w)
        return {};
    switch (rola) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: {
        QString t = w->tekst;
        t.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
        return t;
    }
    case RolaKroku: return w->krok ? QVariant(*w->krok) : QVariant();
    case RolaRodzaju: return w->rodzaj;
    default: return {};
    }
}

Qt::ItemFlags TModelWyjasnien::flags(const QModelIndex &indeks) const
{
    if (!indeks.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace tremida
