#!/usr/bin/env bash
# Renders the example blazons of charges, ordinaries and layouts into docs/blazons/ and prints
# the README table that shows them. Usage: tools/gallery_blazons.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
out=docs/blazons
mkdir -p "$out"
blazons=(
  # how the interpreter lays out charges around and upon ordinaries
  "Or, a fess between two mullets azure"
  "Gules, a fess cotised between two mullets or"
  "Argent, a fess between two bars sable"
  "Or, a saltire cotised between four mullets gules"
  "Azure, a bend between six martlets or"
  "Argent, a mullet between three crescents gules"
  "Argent, a chevron between three mullets, on a chief gules three crescents or"
  "Azure, three roundels argent each charged with a mullet gules"
  "Gules, on a fess argent three bars azure"
  "Argent semee of fleurs de lis azure"
  "Azure two wings conjoined in lure or"
  "Sable a mullet of six points or"
  # arms of our own choosing
  "Azure a bend Or between two mullets argent"
  "Argent a chevron between three martlets sable, on a chief gules three escallops or"
  "Gules a lion rampant or armed and langued azure"
  "Or a lion passant guardant gules"
  "Azure three leopards faces jessant de lis or"
  "Argent a cross crosslet fitchee sable"
  "Or an eagle displayed sable"
  "Argent a saltire engrailed gules between four roses gules"
  "Azure a chevron ermine between three escallops argent"
  "Vert a pale argent charged with three mullets sable"
  "Argent an orle of eight martlets gules"
  "Sable three crescents two and one argent"
  "Gules a tower triple towered argent"
  "Azure a stag statant or"
  "Argent on a bend sable three escallops or"
  "Quarterly or and gules a bend sable"
  # arrangements and turnings written after the charge
  "Argent three mullets in bend sinister sable"
  "Argent six mullets in annulo sable"
  "Argent three roses one and two gules"
  "Argent a fess gules overall a bend azure"
  "Argent a lion rampant gules contourny"
  "(Fieldless) a mullet gules"
  "Argent a chevron gules voided"
  "Argent a lion rampant gules maintaining a sword or"
  "Argent an orle gules charged with eight mullets or"
  "Azure a bordure gules semy of bezants"
)
source tools/gallery_table.sh
gallery_table 4 "$build" "$out" file_name_of_blazon "${blazons[@]}"
