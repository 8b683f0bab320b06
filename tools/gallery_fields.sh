#!/usr/bin/env bash
# Renders every tincture, fur, semé, chequy, vairé and lozengy field into docs/fields/ and prints the
# README table that shows them. Usage: tools/gallery_fields.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
out=docs/fields
mkdir -p "$out"
fields=(
  "Or" "Argent" "Gules" "Azure" "Sable" "Vert" "Purpure"
  "Tenne" "Sanguine" "Murrey" "Celeste" "Carnation"
  "Ermine" "Ermines" "Erminois" "Pean" "Vair"
  "Chequy or and azure" "Vairy argent and gules" "Lozengy argent and gules"
  "Argent guttee gules" "Or billettee sable" "Azure bezantee" "Gules crusilly or"
)
field_name() { echo "$1" | tr 'A-Z ' 'a-z_'; }
source tools/gallery_table.sh
gallery_table 6 "$build" "$out" field_name "${fields[@]}"
