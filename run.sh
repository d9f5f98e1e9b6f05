#!/usr/bin/env bash
# Installs what TREMIDA needs, builds it and starts the program on the table files of the
# current folder.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" tremida tremida-cli
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat <<MSG

TREMIDA jest zbudowana, ale okna programu potrzebują ekranu (zmiennej DISPLAY),
a tu go nie ma.

Pracuj w terminalu programem tremida-cli, np.:
  $root/build/cli/tremida-cli create-tables
  $root/build/cli/tremida-cli --help

albo uruchom okna na ekranie wirtualnym:
  xvfb-run -a $root/build/gui/tremida
MSG
  exit 0
fi
exec "$root/build/gui/tremida"
