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
  "Ermine" "Ermines" "Erminois" "Pean" "Vair"
  "Chequy or and azure" "Vairy argent and gules" "Lozengy argent and gules"
  "Argent guttee gules" "Or billettee sable" "Azure bezantee" "Gules crusilly or"
)
row_names="" row_pictures=""
count=0
echo "| | | | | | |"
echo "|---|---|---|---|---|---|"
for blazon in "${fields[@]}"; do
  file="$out/$(echo "$blazon" | tr 'A-Z ' 'a-z_').png"
  "$build/escaval" draw -o "$file" "$blazon"
  row_pictures+="| ![$blazon]($file) "
  row_names+="| $blazon "
  count=$((count + 1))
  if [ $((count % 6)) -eq 0 ]; then
    echo "$row_pictures|"; echo "$row_names|"
    row_names="" row_pictures=""
  fi
done
if [ -n "$row_pictures" ]; then echo "$row_pictures|"; echo "$row_names|"; fi
