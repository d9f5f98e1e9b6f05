#!/usr/bin/env bash
# Configures and builds TREMIDA in build/ (targets given as arguments, or everything).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ $# -gt 0 ]; then
  targets=()
  for t in "$@"; do targets+=(--target "$t"); done
  cmake --build "$root/build" --parallel 2 "${targets[@]}"
else
  cmake --build "$root/build" --parallel 2
fi
