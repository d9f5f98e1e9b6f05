#!/usr/bin/env bash
# Measures tremida-cli and the table windows on synthetic knowledge bases, in one run:
#
# 1. inference (tremida-cli infer ... --json, one transaction): per case the wall time, the
#    trajectory rows written (one per rule evaluation and one per firing), the time the
#    sqlite3 shell takes to insert the very same rows into a fresh empty trajektoria.db
#    (INSERT ... SELECT from the engine's own file, one transaction, 64 MB cache), the ratio
#    of the two (the share of the storage's own speed the engine reaches) and the peak memory
#    (maximum resident set size from /usr/bin/time); every case is run three times, each on a
#    fresh base, and the best times are compared (a single run of a shared machine varies by
#    10% and more);
# 2. tremida-cli trajectory and export after the largest forward run: time, output size and
#    peak memory;
# 3. the trajectory window over the N1 forward run and the facts and rules windows over a base
#    of W records each (offscreen): open time, scroll to the end and back, a post, peak memory.
#
#   bench/run.sh [N1 [N2 [W]]]   chain lengths (default 1000 and 4000), window records
#                                (default 10000); build first: scripts/build.sh
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
n1="${1:-1000}"
n2="${2:-4000}"
nw="${3:-10000}"
gen="$root/build/bench/tremida-bench-gen"
cli="$root/build/cli/tremida-cli"
okna="$root/build/bench/tremida-bench-okna"
for p in "$gen" "$cli" "$okna"; do
  [ -x "$p" ] || { echo "Najpierw zbuduj: scripts/build.sh" >&2; exit 1; }
done
command -v sqlite3 >/dev/null || { echo "Brak powłoki sqlite3 (pakiet sqlite3)." >&2; exit 1; }
work="$(mktemp -d "${TMPDIR:-/tmp}/tremida-bench.XXXXXX")"
trap 'rm -rf "$work"' EXIT
export LC_ALL=C.UTF-8

now() { date +%s.%N; }
mb() { LC_ALL=C awk -v k="$(tail -n 1 "$1")" 'BEGIN { printf "%.1f", k / 1024 }'; }

# A working folder with the synthetic base `kind` of `n` records imported.
przygotuj() {
  local dir="$1" kind="$2" n="$3"
  mkdir -p "$dir"
  "$gen" "$kind" "$n" > "$dir/baza.json"
  "$cli" --dir "$dir" create-tables >/dev/null 2>&1
  "$cli" --dir "$dir" import "$dir/baza.json" >/dev/null 2>&1
}

# The engine's trajectory rows inserted by the sqlite3 shell into a fresh empty table of the
# same schema; prints the seconds it took.
surowe() {
  local dir="$1" pusty="$1/pusty"
  mkdir -p "$pusty"
  "$cli" --dir "$pusty" create-tables >/dev/null 2>&1
  sync
  local s e
  s=$(now)
  sqlite3 "$pusty/trajektoria.db" <<SQL
PRAGMA cache_size=-65536;
ATTACH '$dir/trajektoria.db' AS silnik;
BEGIN;
INSERT INTO main.trajektoria SELECT * FROM silnik.trajektoria ORDER BY IdKrokTraj;
COMMIT;
SQL
  e=$(now)
  LC_ALL=C awk -v s="$s" -v e="$e" 'BEGIN { printf "%.3f", e - s }'
  rm -rf "$pusty"
}

declare -A katalog=()
licznik=0
printf '%-30s %9s %9s %10s %8s %10s\n' "wnioskowanie" "czas [s]" "wiersze" "sqlite [s]" "stosunek" "pamięć[MB]"
run_case() {
  local name="$1" kind="$2" n="$3" powt="$4"; shift 4
  local t="" raw="" rows="" m="" dir i
  # Each repetition runs on a freshly imported base; the best engine time and the best shell
  # time are compared, the peak memory is the largest.
  for ((i = 0; i < powt; i++)); do
    licznik=$((licznik + 1))
    dir="$work/$kind-$n-$licznik"
    przygotuj "$dir" "$kind" "$n"
    # Every timed command starts on a settled disk: what the previous case wrote or deleted
    # (gigabytes after the N2 chains) is on the disk before the clock starts.
    sync
    local s e r mr
    s=$(now)
    /usr/bin/time -f '%M' -o "$dir/time.txt" "$cli" --dir "$dir" infer 1 --json "$@" > "$dir/out.jsonl" 2>/dev/null || true
    e=$(now)
    rows=$(sqlite3 "$dir/trajektoria.db" "SELECT count(*) FROM trajektoria")
    r=$(surowe "$dir")
    mr=$(mb "$dir/time.txt")
    t=$(LC_ALL=C awk -v a="$t" -v b="$(LC_ALL=C awk -v s="$s" -v e="$e" 'BEGIN { printf "%.3f", e - s }')" \
      'BEGIN { print (a == "" || b < a) ? b : a }')
    raw=$(LC_ALL=C awk -v a="$raw" -v b="$r" 'BEGIN { print (a == "" || b < a) ? b : a }')
    m=$(LC_ALL=C awk -v a="$m" -v b="$mr" 'BEGIN { print (a == "" || b > a) ? b : a }')
    # Only the trajectory of the forward chains is read below; every other folder goes at
    # once, so that no case starts with gigabytes of an earlier one in the page cache.
    if ((i + 1 < powt)) || [[ "$kind" != chain-forward ]]; then rm -rf "$dir"; fi
  done
  LC_ALL=C awk -v n="$name" -v t="$t" -v r="$rows" -v raw="$raw" -v m="$m" \
    'BEGIN { printf "%-30s %9.2f %9d %10.2f %8.2f %10.1f\n", n, t, r, raw, raw / t, m }'
  katalog["$name"]="$dir"
}

# The backward N2 chain runs before the forward one, whose trajectory (gigabytes at N2) stays
# for the reads below.
run_case "w przód, N=$n1" chain-forward "$n1" 3 --method forward
run_case "wstecz, N=$n1" chain-backward "$n1" 3 --method backward --hypothesis "[F$n1]=[TRUE]"
run_case "wstecz, N=$n2" chain-backward "$n2" 3 --method backward --hypothesis "[F$n2]=[TRUE]"
run_case "w przód, N=$n2" chain-forward "$n2" 3 --method forward
for norma in rozmyta algebraiczna Lukasiewicza; do
  run_case "szeroka $n1, $norma" wide "$n1" 3 --method forward \
    --set "TNormaIloczyn=$norma" --set "SNormaSuma=$norma" --set "SNormaKonkl=$norma"
done

echo
printf '%-30s %9s %12s %10s\n' "odczyt" "czas [s]" "wyjście[MB]" "pamięć[MB]"
odczyt() {
  local name="$1" dir="$2"; shift 2
  local s e
  s=$(now)
  /usr/bin/time -f '%M' -o "$dir/odczyt.txt" "$cli" --dir "$dir" "$@" > "$dir/wyjscie" 2>/dev/null
  e=$(now)
  LC_ALL=C awk -v n="$name" -v s="$s" -v e="$e" -v b="$(stat -c %s "$dir/wyjscie")" -v m="$(mb "$dir/odczyt.txt")" \
    'BEGIN { printf "%-30s %9.2f %12.1f %10.1f\n", n, e - s, b / 1048576, m }'
  rm -f "$dir/wyjscie"
}
for n in "$n1" "$n2"; do
  dir="${katalog["w przód, N=$n"]}"
  odczyt "trajectory 1, N=$n" "$dir" trajectory 1
  odczyt "trajectory 1 --json, N=$n" "$dir" trajectory 1 --json
  odczyt "export, N=$n" "$dir" export
done
rm -rf "${katalog["w przód, N=$n2"]}"

echo
printf '%-30s %9s %10s %11s %9s %10s\n' "okno" "rekordy" "otwarcie[s]" "przewinięcie" "zapis[s]" "pamięć[MB]"
okno() {
  local name="$1" dir="$2" rodzaj="$3"
  QT_QPA_PLATFORM=offscreen "$okna" "$dir" "$rodzaj" 2>/dev/null | LC_ALL=C awk -v n="$name" \
    '{ printf "%-30s %9d %10.3f %11.3f %9.3f %10.1f\n", n, $2, $4, $6, $8, $12 }'
}
okno "trajektoria, w przód N=$n1" "${katalog["w przód, N=$n1"]}" traj
przygotuj "$work/okna" wide "$nw"
okno "fakty, szeroka $nw" "$work/okna" fakty
okno "reguły, szeroka $nw" "$work/okna" reguly
