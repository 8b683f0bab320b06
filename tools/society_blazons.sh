#!/usr/bin/env bash
# Prints the society-armory list, one blazon a line, ready for `escaval coverage`. Like the
# published list, it is split into two halves by number among blazon lines (comment and blank
# lines are not counted): odd numbers are the working half, even numbers the held-out half.
# Usage: tools/society_blazons.sh [all|working|held-out] [FILE]
set -euo pipefail
cd "$(dirname "$0")/.."
half="${1:-all}"
file="${2:-tests/data/society_blazons.txt}"
case "$half" in
  all|working|held-out) ;;
  *) echo "usage: $0 [all|working|held-out] [FILE]" >&2; exit 2 ;;
esac
awk -v half="$half" '
  /^#/ || /^[[:space:]]*$/ { next }
  { n++ }
  half == "working" && n % 2 == 0 { next }
  half == "held-out" && n % 2 == 1 { next }
  { print }
' "$file"
