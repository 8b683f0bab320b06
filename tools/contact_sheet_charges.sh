#!/usr/bin/env bash
# Renders the contact sheets of the charge pictures (every drawing of data/charges as the painter
# paints it, in a metal on a colour and a colour on a metal) into docs/charges/.
# Usage: tools/contact_sheet_charges.sh [BUILD_DIR] [OUT_DIR [ZOOM]]   (default build/, docs/charges)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
out=${2:-$root/docs/charges}
zoom=${3:-1}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target contact_sheet_charges charge_pictures_data -j2
mkdir -p "$out"
"$build/bin/contact_sheet_charges" --charges "$root/data/charges" --lpics "$build/data/lpics" --out "$out" --zoom "$zoom"
ls -l "$out"
