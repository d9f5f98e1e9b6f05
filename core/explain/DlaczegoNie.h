#pragma once
// "Dlaczego nie": why the last run did not reach a conclusion. Every rule of the system that
// concludes it is shown with its last trajectory step and the outcome sentence of that step
// (or why it was never examined: its level beyond MaxPozReg, its direction, a run that
// ended before it), and its premise field evaluated against the tables as they are now by
// the engine's own evaluation, looking only: no input fact is asked for (an input fact
// without value counts as the user's "no value") and nothing is written. Each elementary
// premise shows its token, each NOT, AND and OR the token the reduction gives that part of
// the field, so the premise that failed and the fact without value stand out.

#include "PrzebiegWnios.h"
#include "WezelWyj.h"
#include "app/ParKonfig.h"
#include "rules/DaneReg.h"

#include <QString>
#include <optional>

namespace tremida {

class Baza;

class TDlaczegoNie {
public:
    TDlaczegoNie(Baza &baza, const TPrzebiegWnios &przebieg, const IDaneReg &dane, const TParKonfig &konfig);

    // The answer for the conclusion text `konkluzja`; no value when the text holds no
    // complete "[fact] op [value]".
    std::optional<TWezelWyj> drzewo(const QString &konkluzja) const;

private:
    TWezelWyj wezelReguly(const TRekReg &r) const;
    TWezelWyj ocena(const TRekReg &r) const;
    QString dlaczegoNieBadana(const TRekReg &r) const;

    Baza &m_baza;
    const TPrzebiegWnios &m_p;
    const IDaneReg &m_dane;
    const TParKonfig &m_konfig;
};

} // namespace tremida
