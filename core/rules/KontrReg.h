#pragma once
// The rule checks: one elementary premise (KontrPrzesElem), the conclusion (KontrKonklReg)
// and the whole one-rule syntax check (KontrSkladniReg). They read facts, enumerated values
// and constants through IDaneReg, never write anything and never show anything: they return
// findings whose texts the caller's frame built, in the order they arose.

#include "DaneReg.h"
#include "Skaner.h"
#include "Usterki.h"

#include <QList>
#include <QString>
#include <optional>

namespace tremida {

struct TParKonfig;

// Where one check runs: the tables, the rule's system, the rule code text for the messages
// and the frame that builds them.
struct TKontekstKontr {
    const IDaneReg &dane;
    int kodSyst = 0;
    QString kodReg;
    const TRamkaReg &ramka;
};

// Result of the check of one premise or of the conclusion.
struct TWynikKontr {
    // Warnings (P3) and at most one error, the last; an error ends the caller's check.
    QList<TUsterkaReg> usterki;
    bool stala = false;            // the value is the name of a constant of the system
    bool stalaMaWartosc = false;   // ... and that constant has a value now
    QString wartStalej;            // its value text when it has one
    QString typStalej;             // the constant's TypStala
    int idStala = 0;               // the constant's IdStala
    bool blad() const;             // an error (not a warning) was found
};

// Checks one cleaned elementary premise, in this order: the fact exists in the system (P1);
// the operator is "=", ">", ">=", "<" or "<=" (P2); "=" with a real fact gives the warning
// P3; enumerated and logical facts need "=" (P4, P5); for facts other than enumerated, a
// value naming a constant of the system gets the constant checks (C1..C14); then the value
// by the fact's type (V1..V6). A computed constant without a value now (its argument's
// value is "???") is accepted without value checks.
TWynikKontr KontrPrzesElem(const TPrzesElem &p, const TKontekstKontr &k);

// Checks the cleaned conclusion: the fact exists (K1), is not an input fact (K2), the
// operator is "=" (K3); for facts other than enumerated a constant gets the constant checks
// (C messages in the conclusion's frame); then the value by the fact's type (K4..K9).
TWynikKontr KontrKonklReg(const TPrzesElem &p, const TKontekstKontr &k);

// The raw bracket counts of a rule, in this order: round brackets of the premise field open
// as often as they close (S1), square brackets too (S2) and their number is even (S3);
// round brackets of the conclusion (S4), square brackets (S5), exactly two of them (S6).
// Every check that fails, in that order; empty when the counts are right.
QList<IdUsterki> UsterkiNawiasow(const QString &przesReg, const QString &konklReg);

// Whether a rule may conclude about `fakt`, the fact its conclusion names: K1 when there is
// no such fact, K2 when it is an input fact, no value when it may.
std::optional<IdUsterki> UsterkaFaktuKonkl(const std::optional<TRekFakt> &fakt);

// The texts of a rule as the rules form holds them (the record may be unsaved).
struct TPolaReg {
    QString IdReg, KodSyst, NazReg, PozReg, CFReg;
    QString KierWniReg; // "w przod", "wstecz", "oba", or empty when no direction is chosen
    QString PrzesReg, KonklReg, OpisKonklReg, InstrReg, OpisReg;
};

// The texts of a stored rule: the numbers written as the form shows them (CF with a decimal
// comma), a direction other than the three words counting as none.
TPolaReg polaZRekordu(const TRekReg &r);

struct TWynikKontrSkladni {
    QList<TUsterkaReg> usterki; // every message in order, warnings included
    bool poprawna = false;      // the check reached its end
    bool zZastrzezeniem = false;// a warning was given on the way
    // Texts of every message in order and, when the check reached its end, the final one
    // ("Składnia reguły poprawna." or "Składnia reguły poprawna z zastrzeżeniem.").
    QStringList komunikaty() const;
};

// The one-rule syntax check: presence of the fields (M1..M8), the description warnings
// (W1..W3), the forms of code, system code, level (1 to konfig.MaxPozReg), CF (0 to 1)
// (M9..M14), the raw bracket counts (S1..S6), every elementary premise (KontrPrzesElem),
// the reduction of the premise field (R1..R18) with every premise as "[TRUE][ 1.00]", and
// the conclusion (KontrKonklReg). The first error ends the check.
TWynikKontrSkladni KontrSkladniReg(const TPolaReg &pola, const IDaneReg &dane, const TParKonfig &konfig,
                                   const TRamkaReg &ramka = TRamkaReg());

} // namespace tremida
