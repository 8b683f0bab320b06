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

echo "== Sanitizer build (ASan + UBSan, clang) and tests"
# One clang tree serves the sanitizer tests and the fuzzing: the libraries and the tests are
# compiled once with both sanitizers and the fuzzer's coverage counters, the test programs link
# without libFuzzer and the fuzz targets with it. The window is built too: its tests run on the
# offscreen platform under both sanitizers. -O1 with line tables only (-g1): the reports still
# name file and line, and the tests took about a third less CPU than the unoptimised gcc build's,
# which with no fuzz build of its own made the whole more than pay for the optimising. A
# build-asan configured earlier keeps its cache, so the flags are applied to it again; one that
# an earlier script configured for gcc is configured afresh.
asan_flags=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
            -DESCAVAL_SANITIZE=ON -DESCAVAL_FUZZ=ON -DESCAVAL_FUZZ_TRACE_CMP=OFF -DESCAVAL_SHARDED_TESTS=ON -DESCAVAL_BENCH=OFF -DESCAVAL_WITH_QT=ON
            -DESCAVAL_PREBUILT_DATA="$PWD/build/data" "-DCMAKE_C_FLAGS_DEBUG=-O1 -g1" "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1")
if [ -f build-asan/CMakeCache.txt ] && ! grep -q '^CMAKE_CXX_COMPILER:[A-Z]*=.*clang++' build-asan/CMakeCache.txt; then
  rm -rf build-asan/CMakeCache.txt build-asan/CMakeFiles
fi
if [ -f build-asan/build.ninja ]; then cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug "${asan_flags[@]}" >/dev/null; fi
configure_and_build build-asan Debug "${asan_flags[@]}"
# Leaks inside libraries, not ours, are listed in tests/sanitizer/lsan.supp.
lsan_suppressions="$PWD/tests/sanitizer/lsan.supp"
(cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS="suppressions=$lsan_suppressions:print_suppressions=0" \
  ctest --output-on-failure -j "$jobs")

echo "== Fuzzing (libFuzzer, the sanitizer build's fuzz targets)"
# Each target starts from its seed corpus in fuzz/corpus/ (every seed is run first, under both
# sanitizers); the targets run side by side, one a core.
seconds="${ESCAVAL_FUZZ_SECONDS:-8}"
mkdir -p build-asan/fuzz-findings
fuzz_one() {
  local target="$1" name work
  name="$(basename "$target")"
  work="build-asan/fuzz-corpus/$name"
  mkdir -p "$work"
  # The committed seeds are copied in afresh (a seed mended in place replaces the old copy); the
  # inputs earlier runs kept stay. A finding of an earlier run was reported then: cleared, so that
  # what is printed below is this run's.
  if [ -d "fuzz/corpus/$name" ]; then cp fuzz/corpus/"$name"/* "$work"/; fi
  rm -f build-asan/fuzz-findings/"$name"-*
  local status=0
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="build-asan/fuzz-findings/$name-" "$work" >"build-asan/fuzz-corpus/$name.log" 2>&1 || status=$?
  echo "$status" >"build-asan/fuzz-corpus/$name.status"
}
# Each input a target saved (crash, leak, timeout, out of memory), as base64 so that a log alone
# is enough to rebuild it, and the command that runs it again.
report_findings() {
  local target="$1" name="$2" finding found=0
  for finding in build-asan/fuzz-findings/"$name"-*; do
    [ -f "$finding" ] || continue
    found=1
    echo "finding $finding ($(stat -c %s "$finding") bytes), base64:"
    if [ "$(stat -c %s "$finding")" -le 65536 ]; then base64 -w 76 "$finding"; else echo "(over 64 KiB, not printed)"; fi
    echo "reproduce: cd $PWD && ASAN_OPTIONS=detect_leaks=1 $target -timeout=10 -rss_limit_mb=2048 $finding"
    echo "  (from the base64: base64 -d > /tmp/$name-finding, then run $target on that file;"
    echo "   an input that passes alone failed after others: run $target -runs=0 build-asan/fuzz-corpus/$name)"
  done
  if [ "$found" -eq 0 ]; then echo "$name saved no input: the end of its log above says why"; fi
}
targets=(build-asan/fuzz/fuzz_*)
rm -f build-asan/fuzz-corpus/*.status
for target in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  fuzz_one "$target" &
done
wait
failed=0
for target in "${targets[@]}"; do
  name="$(basename "$target")"
  log="build-asan/fuzz-corpus/$name.log"
  echo "-- $name (${seconds}s)"
  if [ "$(cat "build-asan/fuzz-corpus/$name.status" 2>/dev/null)" != 0 ]; then
    tail -n 40 "$log" 2>/dev/null || true
    report_findings "$target" "$name"
    echo "$name failed: the input is in build-asan/fuzz-findings/" >&2
    failed=1
    continue
  fi
  grep -E "INITED|DONE" "$log" | sed 's/^/   /'
done
if [ "$failed" -ne 0 ]; then exit 1; fi
echo "All tests passed."
