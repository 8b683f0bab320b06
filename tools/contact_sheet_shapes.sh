#!/usr/bin/env bash
# Renders the contact sheets of the shapes (every partition and ordinary, plain and with every
# line word) into docs/shapes/. Usage: tools/contact_sheet_shapes.sh [BUILD_DIR]   (default build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target contact_sheet_shapes vocabulary_data -j2
mkdir -p "$root/docs/shapes"
"$build/bin/contact_sheet_shapes" --data "$build/data" --out "$root/docs/shapes"
ls -l "$root/docs/shapes"
