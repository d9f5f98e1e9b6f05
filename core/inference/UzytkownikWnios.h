#pragma once
// How the inference engines talk to the user. The engines never open a window: the GUI
// implements this interface with message boxes and dialogs, tremida-cli with terminal
// prompts or scripted answers, the tests with a recording fake.

#include "store/Rekordy.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tremida {

// Which engine asks for an input fact (chooses the help page and the caller's queries).
enum class TrybWnios { WPrzod, Wstecz, Falsyf };

// Why an input fact's value is asked for.
enum class ZrodloPytania { Przeslanka, ArgumentStalej };

// The call context of the input dialog: the fact as the caller reads it and, for an
// enumerated fact, its value rows in table order.
struct TKontekstCzytFakt {
    TrybWnios tryb = TrybWnios::WPrzod;
    ZrodloPytania zrodlo = ZrodloPytania::Przeslanka;
    int kodSyst = 0;
    QString nazSyst;
    TRekFakt fakt;
    QList<TRekWartFaktWylicz> wartosci; // enumerated facts only; at most 20 are shown
    // Set by the implementation: true when the dialog was closed by its OK button (the entry
    // was accepted or the user gave no value), false when it was left in any other way.
    bool zamknietyOk = false;
};

// What the conclusions display shows for one fired rule.
struct TWizKonkl {
    int kodSyst = 0;
    QString nazSyst;
    int idReg = 0;
    QString nazReg;
    QString konklReg;
    QString opisKonklReg;
    QString instrReg;
    QString opisReg;
    double cfKonkl = 0.0;
    double cfZagreg = 0.0;
    QString rodzFakt; // "posredni" or "koncowy"
    int liczbaObrazow = 0;
    int liczbaFilmow = 0;
};

class TUzytkownikWnios {
public:
    virtual ~TUzytkownikWnios() = default;

    // A modal message box with the exact text ("\n\r" line breaks included).
    virtual void komunikat(const QString &tekst) = 0;

    // The modal input dialog for an input fact without value. The implementation collects
    // what the user enters and calls PrzypiszWartFaktSkalar / PrzypiszWartFaktWylicz until
    // they accept the entry or record that no value was given; it sets `zamknietyOk`.
    virtual void czytajFakt(TKontekstCzytFakt &kontekst) = 0;

    // The conclusions display, shown without blocking: after it the engine returns paused.
    virtual void pokazKonkluzje(const TWizKonkl &wiz) = 0;

    // The notice "in progress" of the method's form, shown while a run works.
    virtual void uwagaWToku(bool /*widoczna*/) {}

    // Called now and then while a run works without asking or telling the user anything
    // (every few thousand rule evaluations), so that the windows can repaint. Must not start
    // anything of the run. Nothing by default.
    virtual void wToku() {}

    // The falsification form: the main hypothesis and the falsification candidates in their
    // order, none selected. The user then selects some and presses Start (TFalsHip::Start with
    // their indices) or leaves the form (TFalsHip::Przerwij).
    virtual void pokazFalsyfikacje(const QString & /*hipGlowna*/, const QStringList & /*kandydaci*/) {}

    // The notices of the mixed-inference form: 1 first backward pass, 2 forward phase,
    // 3 second backward pass in progress; 0 hides them all.
    virtual void uwagaFazyMieszanej(int /*faza*/) {}

    // A run ended so that the next inference needs a new choice of system: the commands
    // reading input-fact files, verification and inference are disabled, the launcher shown.
    virtual void wymagajNowegoWyboru() {}
};

} // namespace tremida
