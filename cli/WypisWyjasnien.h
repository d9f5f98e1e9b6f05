#pragma once
// What the explanation commands print: the trees indented, one node a line, or with --json
// one JSON document of the system, the run and the trees as nested objects.

#include "Cli.h"
#include "explain/Wyjasnienia.h"

#include <optional>

namespace tremida::cli {

// Parses "SYSTEM" or "RULE" codes of the explanation commands; no value when not an integer.
std::optional<int> kodArgumentu(const QString &a);

// Prints the result: its message and Porazka when there is none; otherwise a heading line
// (`naglowek`, not with --json) and the trees, or with --json the document {opisJson...,
// `kluczJson`: [trees] (or the one tree when `jedno`)}, and Sukces.
int wypiszWyjasnienie(Kontekst &k, const TWynikWyjasnienia &w, bool json, const QString &naglowek,
                      const QString &kluczJson, bool jedno);

} // namespace tremida::cli
