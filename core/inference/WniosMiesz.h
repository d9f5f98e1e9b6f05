#pragma once
// Mixed inference: a first backward pass, then (hypothesis not yet proven) a forward phase,
// then a second backward pass, all on one knowledge base that only the first pass resets.
// It has no reasoning of its own: it sets the phase in the mode of the inference context and calls
// the backward and forward runs. When a phase proves the hypothesis it pauses at that phase's
// conclusions display and the phase's own continuation finishes the run.
//
// Run API: Przygotuj (launcher), Start, Dalej (continue button: dispatched to the paused
// phase), Zamknij (close button: the paused run stays as it is); state queries faza,
// czyWstrzymany.

#include "WniosWPrzod.h"
#include "WniosWstecz.h"

#include <QStringList>

namespace tremida {

enum class FazaMiesz { Brak, PierwszyWstecz, WPrzod, DrugiWstecz };

class TWniosMiesz {
public:
    // Drives the two runs given; the display continues whichever is paused.
    TWniosMiesz(Baza &baza, const TParKonfig &konfig, TSesjaWnios &sesja, TUzytkownikWnios &uzytkownik,
                TWniosWstecz &wstecz, TWniosWPrzod &wprzod);

    // The launcher's mixed preparation: mode, the backward and forward rule lists and
    // every distinct conclusion of the system for the hypothesis list. False when there is
    // no rule at all (its message shown) or after H4.
    bool Przygotuj(QStringList &konkluzje);

    // StartWniosMiesz with the hypothesis edit's text. Wstrzymany: a phase proved the
    // hypothesis and shows its conclusion. Zakonczony: no phase proved it. Przerwany: no
    // hypothesis or a hypothesis about an unknown or input fact (nothing ran), or a phase was
    // stopped by an error message and no later phase proved the hypothesis.
    WynikPrzebiegu Start(const QString &hipoteza);

    // The display's continue button: the continuation of the paused phase.
    WynikPrzebiegu Dalej();

    // The display's close button: only the launcher is shown; the paused run stays paused.
    void Zamknij() {}

    // The phase of the current or paused run (Brak before a start and after a run that
    // proved nothing).
    FazaMiesz faza() const;
    bool czyWstrzymany() const;

private:
    void ustawFaze(FazaMiesz faza);
    bool przygotuj(QStringList &konkluzje);
    WynikPrzebiegu start(const QString &hipoteza);

    Baza &m_baza;
    const TParKonfig &m_konfig;
    TSesjaWnios &m_sesja;
    TUzytkownikStrzezony m_uzytkownik;
    TWniosWstecz &m_wstecz;
    TWniosWPrzod &m_wprzod;
};

} // namespace tremida
