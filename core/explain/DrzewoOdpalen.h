#pragma once
// "Jak": the tree of fired rules that led to a conclusion in the last run. Under the
// conclusion stand the rules that fired it, each with every step it fired in, and under each
// rule its elementary premises; an input fact is a leaf with its value and CF, a derived fact
// opens the firings made before that step that concluded it, and so on down. A rule already
// shown in the tree is shown again only as a reference to it, which also ends every cycle.
// Built from the trajectory, the rules and the facts as they are; writes nothing.

#include "PrzebiegWnios.h"
#include "WezelWyj.h"
#include "app/ParKonfig.h"
#include "rules/DaneReg.h"

#include <QList>
#include <QSet>
#include <QString>
#include <optional>

namespace tremida {

class TDrzewoOdpalen {
public:
    TDrzewoOdpalen(const TPrzebiegWnios &przebieg, const IDaneReg &dane, const TParKonfig &konfig);

    // The tree of the conclusion `konkluzja` (a text read by the conclusion scanner, so blanks
    // outside the brackets do not matter); no value when the last run did not reach it.
    std::optional<TWezelWyj> drzewo(const QString &konkluzja) const;
    std::optional<TWezelWyj> drzewo(const TKluczKonkl &klucz) const;

    // The trees of every conclusion the last run reached, in the order they were reached.
    QList<TWezelWyj> wszystkie() const;

private:
    TWezelWyj wezelKonkluzji(const TKluczKonkl &klucz, const QList<int> &odpalenia, QSet<int> &pokazane) const;
    TWezelWyj wezelReguly(int idReg, const QList<int> &odpalenia, QSet<int> &pokazane) const;

    const TPrzebiegWnios &m_p;
    const IDaneReg &m_dane;
    const TParKonfig &m_konfig;
};

} // namespace tremida
