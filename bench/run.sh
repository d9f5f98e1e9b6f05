#!/usr/bin/env bash
# Times tremida-cli infer end to end on synthetic knowledge bases and prints, per case, the
# wall time, the trajectory rows written (one per rule evaluation, one per firing), the rows
# per second and the peak memory (maximum resident set size from /usr/bin/time).
#
#   bench/run.sh [N]        N rules per case (default 1000); build first with scripts/build.sh
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
n="${1:-1000}"
gen="$root/build/bench/tremida-bench-gen"
cli="$root/build/cli/tremida-cli"
[ -x "$gen" ] && [ -x "$cli" ] || { echo "Najpierw zbuduj: scripts/build.sh" >&2; exit 1; }
work="$(mktemp -d "${TMPDIR:-/tmp}/tremida-bench.XXXXXX")"
trap 'rm -rf "$work"' EXIT

printf '%-28s %9s %9s %12s %10s\n' "przypadek" "czas [s]" "wiersze" "wiersze/s" "pamięć[MB]"
run_case() {
  local name="$1" kind="$2"; shift 2
  local dir="$work/$name"
  mkdir -p "$dir"
  "$gen" "$kind" "$n" > "$dir/baza.json"
  "$cli" --dir "$dir" create-tables >/dev/null
  "$cli" --dir "$dir" import "$dir/baza.json" >/dev/null
  local start end
  start=$(date +%s.%N)
  /usr/bin/time -f '%M' -o "$dir/time.txt" "$cli" --dir "$dir" infer 1 --json "$@" > "$dir/out.jsonl" 2>/dev/null || true
  end=$(date +%s.%N)
  local rows kb
  rows=$(( $("$cli" --dir "$dir" trajectory 1 | wc -l) - 1 ))
  kb=$(tail -n 1 "$dir/time.txt")
  LC_ALL=C awk -v n="$name" -v s="$start" -v e="$end" -v r="$rows" -v m="$kb" \
    'BEGIN { t = e - s; printf "%-28s %9.2f %9d %12.0f %10.1f\n", n, t, r, r / t, m / 1024 }'
}

run_case "w przód, najgorszy porządek" chain-forward --method forward
run_case "wstecz, łańcuch hipotez" chain-backward --method backward --hypothesis "[F$n]=[TRUE]"
for norma in rozmyta algebraiczna Lukasiewicza; do
  run_case "szeroka, $norma" wide --method forward \
    --set "TNormaIloczyn=$norma" --set "SNormaSuma=$norma" --set "SNormaKonkl=$norma"
done
