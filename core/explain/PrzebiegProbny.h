#pragma once
// A trial run: one scripted inference on a fresh scratch copy of the tables, with scripted
// answers and, for what-if runs, changed values of input facts. It records what the user would
// have seen - the messages, the conclusions shown, the facts asked for - and how the run ended.

#include "KopiaRobocza.h"
#include "inference/PrzebiegSkryptowy.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace tremida {

// One conclusions display of a run.
struct TKonkluzjaProby {
    int regula = 0;
    QString konkluzja;
    double cf = 0.0;
    double cfZagreg = 0.0;
    QString rodzFakt;
};

// A changed input fact: its values for the run (several for a multi-valued enumerated fact;
// a single "???" for no value), each with its CF as typed.
struct TZmianaFaktu {
    int idFakt = 0;
    QList<TOdpowiedz> wartosci;
    QString nazwa; // NazFakt, filled by sprawdzZmiany
};

struct TWynikProby {
    // False when the run could not be made (the scratch copy, a changed fact that could not be
    // written): `blad` says why, and nothing else is filled.
    bool wykonana = false;
    QString blad;
    TWynikPrzebiegu przebieg;
    QStringList komunikaty;
    QList<TKonkluzjaProby> konkluzje;
    QList<int> pytania; // the input facts asked for, in order

    // The last message of the run, or an empty text.
    QString ostatniKomunikat() const { return komunikaty.isEmpty() ? QString() : komunikaty.last(); }
};

// Checks changes against the tables before any run: each fact must be an input fact of system
// `kodSyst`, named once, its values of its type (a real, an integer, TRUE or FALSE in any
// letter case, a value word of the enumerated fact; "???" alone for no value), one value unless
// the fact is multi-valued enumerated, each CF a number in [0, 1]. Fills the facts' names.
// Returns the message of the first change that does not fit.
std::optional<QString> sprawdzZmiany(Baza &baza, int kodSyst, QList<TZmianaFaktu> &zmiany);

// Runs `skrypt` on a fresh copy from `kopia` with configuration `konfig`, answers `odpowiedzi`
// (a fact without answers is left without value) and the changes written into the copy after
// the input-fact file and before verification (a changed fact asked for during the run is
// given its changed values). `poPrzebiegu` may read the copy's tables after the run.
TWynikProby PrzeprowadzProbe(const TKopiaRobocza &kopia, const TParKonfig &konfig, const TSkryptPrzebiegu &skrypt,
                             const TOdpowiedzi &odpowiedzi, const QList<TZmianaFaktu> &zmiany = {},
                             const std::function<void(Baza &)> &poPrzebiegu = {});

} // namespace tremida
