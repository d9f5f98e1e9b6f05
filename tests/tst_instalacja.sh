#!/usr/bin/env bash
# The install tree: `cmake --install BUILD --prefix DIR` puts the programs, the desktop entry,
# the icons and the example knowledge bases where a desktop looks for them, and the installed
# programs work from there.
#   tst_instalacja.sh BUILD
set -uo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
bledy=0
blad() { echo "BŁĄD: $*" >&2; bledy=$((bledy + 1)); }

if ! cmake --install "$build" --prefix "$prefix" >"$prefix/install.log" 2>&1; then
  cat "$prefix/install.log" >&2
  echo "BŁĄD: cmake --install się nie udało" >&2
  exit 1
fi

# Programs.
for p in tremida tremida-cli; do
  [ -x "$prefix/bin/$p" ] || blad "brak programu bin/$p"
done

# Desktop entry: valid, started from the menu with the choice of the working folder.
desktop="$prefix/share/applications/tremida.desktop"
if [ ! -f "$desktop" ]; then
  blad "brak share/applications/tremida.desktop"
else
  if command -v desktop-file-validate >/dev/null 2>&1; then
    wynik="$(desktop-file-validate "$desktop" 2>&1 | grep -v ': hint: ')"
    [ -z "$wynik" ] || blad "desktop-file-validate: $wynik"
  fi
  klucz() { sed -n "s/^$1=//p" "$desktop"; }
  [ "$(klucz Exec)" = "tremida --wybierz-folder" ] || blad "Exec: $(klucz Exec)"
  [ "$(klucz Icon)" = "tremida" ] || blad "Icon: $(klucz Icon)"
  [ "$(klucz Terminal)" = "false" ] || blad "Terminal: $(klucz Terminal)"
  kategorie=";$(klucz Categories)"
  for k in Education Science; do
    [[ "$kategorie" == *";$k;"* ]] || blad "Categories bez $k: $(klucz Categories)"
  done
  [[ "$(klucz Comment)" == *"system"* || "$(klucz GenericName)" == *"system ekspercki"* ]] \
    || blad "opis bez „system ekspercki”"
fi

# Icons: a PNG of its own size in every hicolor size, and the scalable one.
for r in 16 22 24 32 48 64 128 256 512; do
  png="$prefix/share/icons/hicolor/${r}x${r}/apps/tremida.png"
  if [ ! -f "$png" ]; then
    blad "brak ikony ${r}x${r}"
    continue
  fi
  # Width and height: big-endian 32-bit numbers at bytes 16 and 20 of the PNG header.
  wymiary="$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4, $7*256+$8}')"
  [ "$wymiary" = "$r $r" ] || blad "ikona ${r}x${r} ma wymiary $wymiary"
done
[ -f "$prefix/share/icons/hicolor/scalable/apps/tremida.svg" ] || blad "brak ikony scalable/apps/tremida.svg"

# Examples.
przyklady="$prefix/share/tremida/examples"
for p in kociol/kociol.json choroba/choroba.json wypoczynek/wypoczynek.json kociol/czyszczenie_palnika.avi \
         kociol/wartosci_faktow.txt README.md; do
  [ -f "$przyklady/$p" ] || blad "brak share/tremida/examples/$p"
done
[ -x "$przyklady/przygotuj.sh" ] || blad "share/tremida/examples/przygotuj.sh nie jest wykonywalny"

# The installed examples script prepares a folder with the installed tremida-cli (no source tree,
# no tremida-cli on the PATH), and the installed tremida-cli reads it.
if [ -x "$przyklady/przygotuj.sh" ] && [ -x "$prefix/bin/tremida-cli" ]; then
  if ! PATH=/usr/bin:/bin "$przyklady/przygotuj.sh" choroba "$prefix/praca" >"$prefix/przygotuj.log" 2>&1; then
    blad "przygotuj.sh z instalacji: $(cat "$prefix/przygotuj.log")"
  elif ! "$prefix/bin/tremida-cli" --dir "$prefix/praca" verify 2 --full >"$prefix/verify.log" 2>&1; then
    blad "tremida-cli z instalacji nie weryfikuje przykładu: $(cat "$prefix/verify.log")"
  fi
  [ -f "$prefix/praca/termometr.bmp" ] || blad "przygotuj.sh nie skopiował obrazu przykładu"
fi

# The installed window program starts and keeps running (stopped after two seconds).
if [ -x "$prefix/bin/tremida" ]; then
  mkdir -p "$prefix/pusty"
  (cd "$prefix/pusty" && QT_QPA_PLATFORM=offscreen timeout 2 "$prefix/bin/tremida" >/dev/null 2>&1)
  kod=$?
  [ "$kod" -eq 124 ] || blad "zainstalowany tremida zakończył się kodem $kod zamiast pracować"
fi

if [ "$bledy" -gt 0 ]; then
  echo "$bledy błędów" >&2
  exit 1
fi
echo "Drzewo instalacji poprawne."
