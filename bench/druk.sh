#!/usr/bin/env bash
# Times the printout of a long trajectory to PDF: a forward chain of N rules leaves about N²/2
# trajectory rows (N = 1000: 501 500), printed by tremida-cli print trajectory in portrait and
# landscape. Prints the wall time, the peak memory (maximum resident set size from
# /usr/bin/time), the pages and the size of the file.
#
#   bench/druk.sh [N]       N rules (default 1000); build first with scripts/build.sh
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
n="${1:-1000}"
gen="$root/build/bench/tremida-bench-gen"
cli="$root/build/cli/tremida-cli"
[ -x "$gen" ] && [ -x "$cli" ] || { echo "Najpierw zbuduj: scripts/build.sh" >&2; exit 1; }
work="$(mktemp -d "${TMPDIR:-/tmp}/tremida-bench.XXXXXX")"
trap 'rm -rf "$work"' EXIT

"$gen" chain-forward "$n" > "$work/baza.json"
"$cli" --dir "$work" create-tables >/dev/null 2>&1
"$cli" --dir "$work" import "$work/baza.json" >/dev/null 2>&1
"$cli" --dir "$work" infer 1 --method forward --json >/dev/null 2>&1 || true
rows=$(( $("$cli" --dir "$work" trajectory 1 2>/dev/null | wc -l) - 1 ))

printf '%-10s %9s %9s %10s %9s %10s\n' "strony" "wiersze" "czas [s]" "pamięć[MB]" "stron" "PDF [MB]"
for orientacja in pionowe poziome; do
  extra=()
  [ "$orientacja" = poziome ] && extra=(--landscape)
  start=$(date +%s.%N)
  /usr/bin/time -f '%M' -o "$work/time.txt" "$cli" --dir "$work" print trajectory 1 --pdf "$work/t.pdf" "${extra[@]}" \
    >/dev/null 2>&1
  end=$(date +%s.%N)
  kb=$(tail -n 1 "$work/time.txt")
  pages=$(pdfinfo "$work/t.pdf" 2>/dev/null | awk '/^Pages:/ { print $2 }')
  bytes=$(stat -c %s "$work/t.pdf")
  LC_ALL=C awk -v o="$orientacja" -v r="$rows" -v s="$start" -v e="$end" -v m="$kb" -v p="$pages" -v b="$bytes" \
    'BEGIN { printf "%-10s %9d %9.2f %10.1f %9d %10.1f\n", o, r, e - s, m / 1024, p, b / 1048576 }'
done
