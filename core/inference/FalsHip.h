#pragma once
// Falsification of the main hypothesis: after a backward run (standalone, or the second pass
// of mixed inference) failed to prove the hypothesis, it tries to prove, one after another,
// the falsification candidates the user selected, with the backward procedure working on the
// state the failed run left (no reset). Each rule proving a candidate is shown, one per pause;
// every selected candidate is tried, also after one has been proven.
//
// Run API: Start (with the selected candidate indices), Dalej (continue button), Zamknij
// (close button), Przerwij (the form's closing buttons); state queries czyPrzygotowana,
// czyWstrzymany, czySfalsyfikowana, kandydaci.

#include "WniosWstecz.h"

#include <QList>
#include <QStringList>

namespace tremida {

class TFalsHip {
public:
    // Works on the run state of `wstecz` (its rule list and candidates).
    explicit TFalsHip(TWniosWstecz &wstecz) : m_wstecz(wstecz) {}

    // StartFalsHip: continues a paused run; otherwise starts one with the candidates at
    // `zaznaczone` (indices from 0 in candidate order) selected. No candidate selected: the
    // message about it and Przerwany (nothing runs; the form stays offered).
    // Wstrzymany: a conclusion is shown. Zakonczony: the end message was shown.
    // Przerwany: stopped by an error message.
    WynikPrzebiegu Start(const QList<int> &zaznaczone = {}) { return m_wstecz.StartFals(zaznaczone); }

    // The continuation: the next ready rule of the candidate, or the next selected candidate,
    // or the end of the run.
    WynikPrzebiegu Dalej() { return m_wstecz.DalejFals(); }

    // The display's close button: a new choice of system is required; the run goes on.
    WynikPrzebiegu Zamknij() { return m_wstecz.ZamknijFals(); }

    // "Przerwanie procesu falsyfikacji ", "Anulowanie opcji..." or OK: the form is left and
    // nothing runs; a new falsification needs a new failed backward run.
    void Przerwij() { m_wstecz.PrzerwijFals(); }

    bool czyPrzygotowana() const { return m_wstecz.czyFalsyfikacjaPrzygotowana(); }
    bool czyWstrzymany() const { return m_wstecz.czyFalsWstrzymana(); }
    bool czySfalsyfikowana() const { return m_wstecz.czySfalsyfikowana(); }
    QStringList kandydaci() const { return m_wstecz.kandydaciFals(); }

    const TWizKonkl &ostatniaKonkluzja() const { return m_wstecz.ostatniaKonkluzja(); }

private:
    TWniosWstecz &m_wstecz;
};

} // namespace tremida
