#!/usr/bin/env bash
# Installs the Debian packages TREMIDA needs to build, run and test. Safe to run again:
# when everything is installed it does nothing.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6sql6-sqlite libgl-dev
  qt6-multimedia-dev libqt6multimediawidgets6 libqt6printsupport6 qt6-translations-l10n
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav gstreamer1.0-tools
  libjpeg-dev sqlite3 libsqlite3-dev
  fonts-dejavu-core fonts-liberation
  xvfb xauth poppler-utils time locales
  desktop-file-utils dpkg-dev file
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
  else
    echo "Brak pakietów: ${missing[*]}" >&2
    echo "Uruchom to polecenie jako root (albo zainstaluj sudo)." >&2
    exit 1
  fi
fi
echo "Instalacja pakietów: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
