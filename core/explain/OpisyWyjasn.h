#pragma once
// The pieces of text the explanations share: the words of a fact's kind and type as a person
// reads them, CFs written the Polish way, a fact's state, where an input fact's value came
// from, the constant standing on the value side of a premise, and the node of one elementary
// premise.

#include "WezelWyj.h"
#include "rules/DaneReg.h"
#include "rules/Skaner.h"
#include "store/Rekordy.h"

#include <QString>
#include <optional>

namespace tremida::opis {

// "wprowadzany", "pośredni", "końcowy"; any other word as stored.
QString rodzajFaktu(const QString &rodzFakt);
// "wyliczeniowy", "rzeczywisty", "całkowity", "logiczny"; any other word as stored.
QString typFaktu(const QString &typFakt);
// A CF as the system writes numbers ("0,63", "1"); "brak" for none.
QString cf(std::optional<double> v);
// A name in Polish quotation marks: „kolor płomienia”.
QString cytat(const QString &t);

// Where the value of an input fact came from, as far as the tables tell: "bez wartości (nzn)"
// when the user declared it unknown in the run, "wczytana z pliku" when the value was read
// from a file of input-fact values since the last run's start, otherwise empty.
QString zrodloWartosci(const TRekFakt &f);

// The constant a premise or conclusion names by its value, resolved as now.
struct TStalaWartosci {
    TRekStala stala;
    std::optional<QString> wartosc; // none: a computed constant without value now
};
// The constant of the system named `wartosc`, for a fact that is not enumerated; no value
// when the value is a literal (or the fact is enumerated).
std::optional<TStalaWartosci> stalaWartosci(const IDaneReg &dane, int kodSyst, const TRekFakt *fakt,
                                            const QString &wartosc);
// " (stała prosta „x” = 540)", " (stała obliczana „x” bez wartości)".
QString tekstStalej(const TStalaWartosci &s);

// The state of a fact as a premise about `wartosc` sees it now: for an enumerated fact the
// row of that value ("wartość „żółty”: tak, CF 0,8"), otherwise the value and its CF
// ("wartość 565, CF 0,9", "bez wartości"), followed by the source of an input fact's value.
QString stanFaktu(const IDaneReg &dane, const TRekFakt &f, const QString &wartosc);

// The node of elementary premise `p` of a rule of system `kodSyst`: "Przesłanka 1:
// [fact]op[value] (constant) — fakt wprowadzany, wyliczeniowy; <state>". With
// `zeStanem` false the state of a derived fact is left out (its firings tell it). Fields:
// nr, fakt, operator, wartosc, idFakt, rodzajFaktu, typFaktu, stala, wartoscStalej, stan.
TWezelWyj wezelPrzeslanki(const IDaneReg &dane, int kodSyst, const TPrzesElem &p, bool zeStanem);

} // namespace tremida::opis
