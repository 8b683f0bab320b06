#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless: the Release build's
# tests, the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer, and a short
# libFuzzer run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
ensure_packages

export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

echo "== Release build and tests"
# The benchmarks are left out of a build made here (no test needs them; `cmake -B build
# -DESCAVAL_BENCH=ON` adds them); a build configured earlier keeps its choice.
configure_and_build build Release -DESCAVAL_BENCH=OFF
(cd build && ctest --output-on-failure -j "$jobs")

echo "== Sanitizer build (ASan + UBSan) and tests"
# The window is built too: its tests run on the offscreen platform under both sanitizers. A
# build-asan configured earlier keeps its cache, so the flags are applied to it again.
# Line tables only (-g1): the reports still name file and line, and the build is lighter.
asan_flags=(-DESCAVAL_SANITIZE=ON -DESCAVAL_SHARDED_TESTS=ON -DESCAVAL_BENCH=OFF -DESCAVAL_WITH_QT=ON -DESCAVAL_PREBUILT_DATA="$PWD/build/data"
            -DCMAKE_C_FLAGS_DEBUG=-g1 -DCMAKE_CXX_FLAGS_DEBUG=-g1)
if [ -f build-asan/build.ninja ]; then cmake -S . -B build-asan "${asan_flags[@]}" >/dev/null; fi
configure_and_build build-asan Debug "${asan_flags[@]}"
# Leaks inside libraries, not ours, are listed in tests/sanitizer/lsan.supp.
lsan_suppressions="$PWD/tests/sanitizer/lsan.supp"
(cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS="suppressions=$lsan_suppressions:print_suppressions=0" \
  ctest --output-on-failure -j "$jobs")

echo "== Fuzzing (libFuzzer, clang)"
# Only the fuzz targets (one a seed corpus in fuzz/corpus/) and what they link are built. Each
# target starts from its seed corpus (every seed is run first); the targets run side by side, one
# a core.
if [ ! -f build-fuzz/build.ninja ]; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Release -DESCAVAL_FUZZ=ON -DESCAVAL_TESTS=OFF \
    -DESCAVAL_BENCH=OFF -DESCAVAL_WITH_QT=OFF -DESCAVAL_PREBUILT_DATA="$PWD/build/data" >/dev/null
fi
cmake --build build-fuzz --parallel "$jobs" --target $(ls fuzz/corpus)
seconds="${ESCAVAL_FUZZ_SECONDS:-8}"
mkdir -p build-fuzz/findings
fuzz_one() {
  local target="$1" name work
  name="$(basename "$target")"
  work="build-fuzz/corpus/$name"
  mkdir -p "$work"
  if [ -d "fuzz/corpus/$name" ]; then cp -n fuzz/corpus/"$name"/* "$work"/ 2>/dev/null || true; fi
  local status=0
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/findings/$name-" "$work" >"build-fuzz/corpus/$name.log" 2>&1 || status=$?
  echo "$status" >"build-fuzz/corpus/$name.status"
}
targets=(build-fuzz/fuzz/fuzz_*)
rm -f build-fuzz/corpus/*.status
for target in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  fuzz_one "$target" &
done
wait
failed=0
for target in "${targets[@]}"; do
  name="$(basename "$target")"
  log="build-fuzz/corpus/$name.log"
  echo "-- $name (${seconds}s)"
  if [ "$(cat "build-fuzz/corpus/$name.status" 2>/dev/null)" != 0 ]; then
    tail -n 40 "$log"
    echo "$name failed: the input is in build-fuzz/findings/" >&2
    failed=1
    continue
  fi
  grep -E "INITED|DONE" "$log" | sed 's/^/   /'
done
if [ "$failed" -ne 0 ]; then exit 1; fi
echo "All tests passed."
