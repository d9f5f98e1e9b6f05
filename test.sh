#!/usr/bin/env bash
# Installs what TREMIDA needs, builds it and runs every test.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
cd "$root/build"
ctest --output-on-failure --parallel 2
