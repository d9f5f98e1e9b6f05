#!/usr/bin/env bash
# Draws the PNG icons of the desktop entry again from ikony/tremida.svg, in the sizes of the
# hicolor icon theme. Needs rsvg-convert (Debian package librsvg2-bin). The PNGs are kept in
# the repository, so building and installing never needs this script.
set -euo pipefail
tu="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
for r in 16 22 24 32 48 64 128 256 512; do
  rsvg-convert -w "$r" -h "$r" "$tu/ikony/tremida.svg" -o "$tu/ikony/tremida-$r.png"
done
