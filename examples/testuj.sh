#!/usr/bin/env bash
# Runs the test cases of an example knowledge base as a user runs them:
#   examples/testuj.sh NAZWA [RAPORT.xml]
# prepares a temporary folder with the example (przygotuj.sh) and runs
#   tremida-cli --dir FOLDER test examples/NAZWA/testy.json [--junit RAPORT.xml]
# there. The exit status is that of tremida-cli test: 0 when every case passes. TREMIDA_CLI
# names another tremida-cli to use.
set -euo pipefail

przyklady="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$przyklady/.." && pwd)"
if [ $# -lt 1 ] || [ $# -gt 2 ] || [ ! -f "$przyklady/$1/testy.json" ]; then
  echo "Użycie: $0 NAZWA [RAPORT.xml]   (NAZWA: folder przykładu z plikiem testy.json)" >&2
  exit 2
fi
export TREMIDA_CLI="${TREMIDA_CLI:-$root/build/cli/tremida-cli}"
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
"$przyklady/przygotuj.sh" "$1" "$folder/baza" >/dev/null
raport=()
if [ $# -eq 2 ]; then
  raport=(--junit "$2")
fi
"$TREMIDA_CLI" --dir "$folder/baza" test "$przyklady/$1/testy.json" "${raport[@]}"
