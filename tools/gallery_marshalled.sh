#!/usr/bin/env bash
# Renders marshalled arms (the examples of impaled and quartered texts and every entry of
# data/armorial/marshalled.txt) into docs/marshalled/ and prints the README table that shows
# them. Usage: tools/gallery_marshalled.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
out=docs/marshalled
mkdir -p "$out"
blazons=(
  "Or a lion gules impaling: Azure three mullets or"
  "Quarterly 1&4: Or 2&3: Azure"
  "Quarterly 1: Or 2: Gules 3: Azure 4: Sable"
  "Quarterly 1: Or a lion rampant gules 2&3: Azure three mullets or 4: Argent a chevron sable"
)
while IFS= read -r line; do
  case "$line" in ''|'#'*) continue ;; esac
  blazons+=("${line#*| }")
done < data/armorial/marshalled.txt
source tools/gallery_table.sh
gallery_table 4 "$build" "$out" file_name_of_blazon "${blazons[@]}"
