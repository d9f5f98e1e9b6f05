#pragma once
// The structure of a premise field for showing it: NOT, AND and OR over the elementary
// premises, read from the scanner's cut of the field the way the reduction combines them
// (within parentheses NOT binds to the premise or group right after it, AND before OR, left
// to right). Every node keeps the stretch of the field it covers, so that the engine's own
// reduction can give the value of any part of the field from the premises' tokens.

#include "rules/Skaner.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace tremida {

struct TWezelStruktury {
    enum class Rodzaj { Przeslanka, Not, And, Or };
    Rodzaj rodzaj = Rodzaj::Przeslanka;
    int przeslanka = -1; // index in TSkanPola::przes of an elementary premise
    int od = 0;          // the node's stretch: symbols [od, doSymbolu)
    int doSymbolu = 0;
    QList<TWezelStruktury> dzieci; // operands in order (AND and OR chains as one node)
};

class TStrukturaPrzes {
public:
    // Cuts the scanned field into symbols and reads its structure. `poprawna()` is false
    // when the field cannot be read so (unbalanced parentheses, an operator without an
    // operand, two premises without an operator): the reduction then ends with a message.
    explicit TStrukturaPrzes(const TSkanPola &skan);

    bool poprawna() const { return m_korzen.has_value(); }
    const TWezelStruktury &korzen() const { return *m_korzen; }
    const TSkanPola &skan() const { return m_skan; }

    // The token text of a node's stretch with the premises' tokens in place, ready for the
    // reduction.
    QString tekstTokenow(const TWezelStruktury &w, const QStringList &tokeny) const;

    // "AND", "OR" or "NOT" of an operator node.
    static QString nazwa(TWezelStruktury::Rodzaj r);

    // The elementary premise as written: "[fact]op[value]" from its cleaned parts.
    static QString tekstPrzeslanki(const TPrzesElem &p);

private:
    enum class Symbol { Przeslanka, Lewy, Prawy, Not, And, Or, Inny };
    struct TSymbol {
        Symbol typ;
        QString tekst;      // the characters (empty for a premise)
        int przeslanka = -1;
    };
    // A chain of operands joined by `op` (OR of ANDs, AND of NOTs) as one node; a single
    // operand is returned as it is.
    std::optional<TWezelStruktury> czytajLancuch(int &i, Symbol op) const;
    std::optional<TWezelStruktury> czytajOr(int &i) const { return czytajLancuch(i, Symbol::Or); }
    std::optional<TWezelStruktury> czytajNot(int &i) const;
    std::optional<TWezelStruktury> czytajProsty(int &i) const;
    // The index of the next symbol that is not a stray character, from i.
    int nastepny(int i) const;

    TSkanPola m_skan;
    QList<TSymbol> m_symbole;
    std::optional<TWezelStruktury> m_korzen;
};

} // namespace tremida
