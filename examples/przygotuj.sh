#!/usr/bin/env bash
# Prepares a working folder with an example knowledge base in one step:
#   examples/przygotuj.sh NAZWA FOLDER
# NAZWA: kociol, choroba, wypoczynek or wszystkie (all three in one folder).
# In the source tree it builds tremida-cli when it is missing; installed, it uses the installed
# tremida-cli. Creates the seven table files in FOLDER, imports the
# example and copies its pictures, film, input-fact value file and answers file into FOLDER.
# A folder that already holds table files is left untouched. TREMIDA_CLI names another
# tremida-cli to use.
set -euo pipefail

przyklady="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$przyklady/.." && pwd)"
wszystkie=(kociol choroba wypoczynek)

if [ $# -ne 2 ]; then
  echo "Użycie: $0 NAZWA FOLDER   (NAZWA: ${wszystkie[*]} albo wszystkie)" >&2
  exit 2
fi
nazwa="$1"
folder="$2"

if [ "$nazwa" = wszystkie ]; then
  wybrane=("${wszystkie[@]}")
elif [ -f "$przyklady/$nazwa/$nazwa.json" ]; then
  wybrane=("$nazwa")
else
  echo "Nie ma przykładu o nazwie \"$nazwa\". Dostępne: ${wszystkie[*]} albo wszystkie." >&2
  exit 2
fi

mkdir -p "$folder"
for plik in systemyeksperckie fakty wartoscifaktowwyliczeniowych reguly stale trajektoria plikimultimedialne; do
  if [ -e "$folder/$plik.db" ]; then
    echo "W folderze $folder jest już plik $plik.db; wybierz pusty folder, aby niczego nie nadpisać." >&2
    exit 1
  fi
done

if [ -n "${TREMIDA_CLI:-}" ]; then
  cli="$TREMIDA_CLI"
elif [ -x "$root/scripts/build.sh" ]; then
  cli="$root/build/cli/tremida-cli"
  if [ ! -x "$cli" ]; then
    echo "Budowanie tremida-cli..."
    "$root/scripts/build.sh" tremida-cli
  fi
elif [ -x "$przyklady/../../../bin/tremida-cli" ]; then
  # Installed: examples in PREFIX/share/tremida/examples, the program in PREFIX/bin.
  cli="$(cd "$przyklady/../../../bin" && pwd)/tremida-cli"
elif command -v tremida-cli >/dev/null 2>&1; then
  cli="$(command -v tremida-cli)"
else
  echo "Nie znaleziono programu tremida-cli." >&2
  exit 1
fi

"$cli" --dir "$folder" create-tables
for p in "${wybrane[@]}"; do
  "$cli" --dir "$folder" import "$przyklady/$p/$p.json"
  for plik in "$przyklady/$p"/*; do
    case "$plik" in
      *.bmp|*.jpg|*.avi) cp "$plik" "$folder/" ;;
      */wartosci_faktow.txt) cp "$plik" "$folder/wartosci_faktow_$p.txt" ;;
      */odpowiedzi.txt) cp "$plik" "$folder/odpowiedzi_$p.txt" ;;
    esac
  done
done
echo "Folder $folder gotowy: ${wybrane[*]}."
