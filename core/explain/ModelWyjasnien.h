#pragma once
// The explanation trees as an item model for a tree view: one column, a row per node, the
// node's text as its display text, the node's trajectory step in the role RolaKroku and its
// kind in RolaRodzaju. The model keeps its own copy of the trees.

#include "WezelWyj.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QList>

namespace tremida {

class TModelWyjasnien : public QAbstractItemModel {
    Q_OBJECT
public:
    // IdKrokTraj of the node's step (an int), or an invalid value when it has none.
    static constexpr int RolaKroku = Qt::UserRole + 1;
    // The node's kind ("konkluzja", "regula", "krok", ...).
    static constexpr int RolaRodzaju = Qt::UserRole + 2;

    explicit TModelWyjasnien(QObject *rodzic = nullptr);

    // Replaces the trees shown (a reset of the model).
    void ustaw(const QList<TWezelWyj> &drzewa);
    void wyczysc() { ustaw({}); }
    const QList<TWezelWyj> &drzewa() const { return m_drzewa; }

    // The node of an index; nullptr for the invisible root.
    const TWezelWyj *wezel(const QModelIndex &indeks) const;
    // The index of the first node, depth first, whose step is `krok`; invalid when none.
    QModelIndex indeksKroku(int krok) const;

    QModelIndex index(int wiersz, int kolumna, const QModelIndex &rodzic = {}) const override;
    QModelIndex parent(const QModelIndex &indeks) const override;
    int rowCount(const QModelIndex &rodzic = {}) const override;
    int columnCount(const QModelIndex &rodzic = {}) const override;
    QVariant data(const QModelIndex &indeks, int rola = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &indeks) const override;

private:
    struct TMiejsce {
        const TWezelWyj *rodzic = nullptr;
        int wiersz = 0;
    };
    void zapamietaj(const TWezelWyj *rodzic, const QList<TWezelWyj> &dzieci);
    QModelIndex indeksWezla(const TWezelWyj *w) const;

    QList<TWezelWyj> m_drzewa;
    QHash<const TWezelWyj *, TMiejsce> m_miejsca;
};

} // namespace tremida
