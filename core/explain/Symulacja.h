#pragma once
// What-if runs: the inference of a knowledge base run on a scratch copy of the tables without
// changes (the baseline) and once for each case of changed input-fact values, and what each case
// changes in the conclusions: conclusions that appear, that disappear, and those whose CF
// changes, and whether the main hypothesis is proven. The real tables are only read.

#include "PrzebiegProbny.h"

#include <QList>
#include <QString>
#include <optional>

namespace tremida {

// A named set of changes.
struct TPrzypadekSymulacji {
    QString nazwa;
    QList<TZmianaFaktu> zmiany;
};

// Adds the change written "IDFAKT=VALUE[:CF]" to `zmiany` (a second value of the same fact
// joins its values). The CF follows the last colon when the text after it is a number;
// otherwise the whole text after "=" is the value and its CF is 1. Returns the message when the
// text has no such form.
std::optional<QString> dodajZmiane(QList<TZmianaFaktu> &zmiany, const QString &tekst);

// A case written "NAME:IDFAKT=VALUE[:CF],IDFAKT=VALUE[:CF]...": a comma starts a new change
// only where an integer code and "=" follow it, so decimal commas stay in values and CFs.
// No changes after the colon make a case that repeats the baseline. Returns the message when
// the text has no such form.
std::optional<QString> przypadekZTekstu(const QString &tekst, TPrzypadekSymulacji &przypadek);

// A conclusion of a run: its text and its aggregated CF at its last display, in the order of
// the first display.
struct TKonklWyniku {
    QString konkluzja;
    double cf = 0.0;
};
QList<TKonklWyniku> konkluzjeWyniku(const TWynikProby &wynik);

struct TZmianaCF {
    QString konkluzja;
    double przed = 0.0;
    double po = 0.0;
};

// What a case changes against the baseline.
struct TRoznicaSymulacji {
    QList<TKonklWyniku> pojawiajaSie; // shown in the case only, with the case's CF
    QList<TKonklWyniku> znikaja;      // shown in the baseline only, with the baseline's CF
    QList<TZmianaCF> zmienioneCF;
    bool bezZmian() const { return pojawiajaSie.isEmpty() && znikaja.isEmpty() && zmienioneCF.isEmpty(); }
};
TRoznicaSymulacji porownaj(const TWynikProby &bazowy, const TWynikProby &przypadek);

struct TWynikSymulacji {
    TWynikProby bazowy;
    QList<TWynikProby> przypadki; // parallel to the cases given
    // Whether every run could be made and ended without an error message.
    bool pelny() const;
};

// The baseline run and one run per case, each on a fresh copy from `kopia`. The cases' changes
// must have been checked (sprawdzZmiany).
TWynikSymulacji Symuluj(const TKopiaRobocza &kopia, const TParKonfig &konfig, const TSkryptPrzebiegu &skrypt,
                        const TOdpowiedzi &odpowiedzi, const QList<TPrzypadekSymulacji> &przypadki);

} // namespace tremida
