#pragma once
// What the explanation commands print: the trees indented, one node a line, or with --json
// one JSON document of the system, the run and the trees as nested objects.

#include "Cli.h"
#include "explain/Wyjasnienia.h"

#include <functional>
#include <optional>

namespace tremida::cli {

// Parses "SYSTEM" or "RULE" codes of the explanation commands; no value when not an integer.
std::optional<int> kodArgumentu(const QString &a);

// The arguments of an explanation command: the code of the system or rule, the conclusion
// text and --json.
struct ArgumentyWyjasnien {
    std::optional<int> kod;
    std::optional<QString> konkluzja;
    bool json = false;
};
// Where a command takes its conclusion text: nowhere, after "--conclusion", or as the word
// after the code.
enum class MiejsceKonkluzji { Brak, PoOpcji, PoKodzie };

// Reads the arguments of the command `pol` into `a`. An argument it does not take prints the
// usage message "Nieznany argument: ..." and gives the exit code to return; a missing code
// or conclusion is left for the command to report.
std::optional<int> czytajArgumentyWyjasnien(Kontekst &k, const QString &pol, const QStringList &argumenty,
                                            MiejsceKonkluzji miejsce, ArgumentyWyjasnien &a);

// Prints the result: its message and Porazka when there is none; otherwise a heading line
// (`naglowek`, not with --json) and the trees, or with --json the document {opisJson...,
// `kluczJson`: [trees] (or the one tree when `jedno`)}, and Sukces.
int wypiszWyjasnienie(Kontekst &k, const TWynikWyjasnienia &w, bool json, const QString &naglowek,
                      const QString &kluczJson, bool jedno);

// One explanation command: its name, where it takes its conclusion, whether it needs one,
// the usage message for a missing code (or conclusion), and how wypiszWyjasnienie prints it.
struct OpisPoleceniaWyjasnien {
    QString pol;
    MiejsceKonkluzji miejsce;
    bool konkluzjaWymagana;
    QString brakArgumentu;
    QString kluczJson;
    bool jedno;
};
// What an explanation command computes from its arguments: the result, and the heading line
// put into `naglowek` (left empty for none).
using WynikPoleceniaWyjasnien = std::function<TWynikWyjasnienia(const ArgumentyWyjasnien &a, QString &naglowek)>;

// Runs the command `opis`: reads its arguments (an unknown one, a missing code or a missing
// required conclusion prints the usage message and gives its exit code), computes the result
// by `wynik` and prints it by wypiszWyjasnienie.
int wykonajPolecenieWyjasnien(Kontekst &k, const QStringList &argumenty, const OpisPoleceniaWyjasnien &opis,
                              const WynikPoleceniaWyjasnien &wynik);

} // namespace tremida::cli
