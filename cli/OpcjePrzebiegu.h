#pragma once
// The arguments of the commands that run inference: infer and simulate.

#include "Cli.h"

#include "inference/PrzebiegSkryptowy.h"

#include <functional>
#include <optional>

namespace tremida::cli {

struct TOpcjePrzebiegu {
    TSkryptPrzebiegu skrypt;  // the system, method and run options
    QString plikOdpowiedzi;   // --answers
    bool json = false;        // --json
};

// What a command's own option took: the number of arguments (0: not its option), or the text of
// a usage error.
struct TOpcjaWlasna {
    int zuzyte = 0;
    QString blad;
};

// Reads SYSTEM, --method, --hypothesis, --facts, --no-verify, --answers, --close-after N,
// --set PARAMETER=VALUE (applied to the configuration of `k`), --falsify TEXT, --falsify-all and
// --json; `wlasna`, when given, is offered every other argument starting with "--" with the
// argument after it (or null). Requires the system, a method, and a hypothesis for backward and
// mixed inference. On a usage error it reports it and returns the exit status.
std::optional<int> czytajOpcjePrzebiegu(
    Kontekst &k, const QString &polecenie, const QStringList &argumenty, TOpcjePrzebiegu &opcje,
    const std::function<TOpcjaWlasna(const QString &argument, const QString *nastepny)> &wlasna = {});

} // namespace tremida::cli
