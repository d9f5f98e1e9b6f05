#pragma once
// The explanations as the windows and tremida-cli ask for them: each call tests the table
// files, reads what it needs inside one transaction that only reads and is rolled back, and
// returns the trees or the message saying why there are none. Nothing is ever written.

#include "PrzebiegWnios.h"
#include "WezelWyj.h"
#include "app/ParKonfig.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>

namespace tremida {

class Baza;

struct TWynikWyjasnienia {
    // Why there is no explanation (a missing table file, a system or rule that does not
    // exist, a conclusion the run did not reach, a failed read); the trees are empty then.
    std::optional<QString> blad;
    TPrzebiegWnios przebieg;
    QList<TWezelWyj> drzewa;

    // {"system": {"kod": n, "nazwa": ...}, "przebieg": {"metoda": ..., "data": ...,
    // "hipoteza": ... or null, "liczbaKrokow": n, "liczbaOdpalen": n}}
    QJsonObject opisJson() const;
};

namespace wyjasnienia {

// The trees of fired rules of every conclusion of the system's last run, or of the one
// conclusion `konkluzja` (an error when the run did not reach it). The trees are the same
// for either `zakres`; with TZakresKrokow::Odpalenia only the fired steps are read and the
// description of the run (TWynikWyjasnienia::opisJson) counts only them.
TWynikWyjasnienia jak(Baza &baza, const TParKonfig &konfig, int kodSyst,
                      const std::optional<QString> &konkluzja = std::nullopt,
                      TZakresKrokow zakres = TZakresKrokow::Wszystkie);

// Why the system's last run did not reach `konkluzja` (one tree; an error when the text is
// no conclusion "[fact]=[value]").
TWynikWyjasnienia dlaczegoNie(Baza &baza, const TParKonfig &konfig, int kodSyst, const QString &konkluzja);

// The card of rule `idReg` (one tree); `przebieg` is the rule's system without its steps.
TWynikWyjasnienia kartaReguly(Baza &baza, const TParKonfig &konfig, int idReg);

// The conclusions of the system's last run, in the order they were reached (texts), for a
// list to choose from; empty when there are none or the tables cannot be read.
QStringList konkluzjePrzebiegu(Baza &baza, int kodSyst);

} // namespace wyjasnienia
} // namespace tremida
