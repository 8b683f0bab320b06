#!/usr/bin/env bash
# Prints the blazon column of the published-arms corpus, one blazon a line, ready for
# `escaval coverage`. The corpus is split into two halves by line number among coat lines
# (comment and blank lines are not counted): odd numbers are the working half, even numbers
# the held-out half.
# Usage: tools/published_arms.sh [all|working|held-out] [FILE]
set -euo pipefail
cd "$(dirname "$0")/.."
half="${1:-all}"
file="${2:-tests/data/published_arms.txt}"
case "$half" in
  all|working|held-out) ;;
  *) echo "usage: $0 [all|working|held-out] [FILE]" >&2; exit 2 ;;
esac
awk -F' [|] ' -v half="$half" '
  /^#/ || /^[[:space:]]*$/ { next }
  NF != 3 { printf "line %d: expected Name | Blazon | Source\n", NR > "/dev/stderr"; bad = 1; next }
  { n++ }
  half == "working" && n % 2 == 0 { next }
  half == "held-out" && n % 2 == 1 { next }
  { print $2 }
  END { exit bad }
' "$file"
