#!/usr/bin/env bash
# Rewrites tests/data/picture_hashes.txt from the pictures the program draws now: run it after a
# change that is meant to change drawings, look at what changed, and commit the file with it.
#   tools/rewrite_picture_hashes.sh [BUILD_DIR]   (default build/)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
cmake --build "$build" --target interpret_test
ESCAVAL_REWRITE_PICTURE_HASHES=1 "$build/tests/interpret_test" --gtest_filter=PictureIdentity.EveryPictureAsCommitted
git diff --stat -- tests/data/picture_hashes.txt
