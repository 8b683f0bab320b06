#!/usr/bin/env bash
# One long fuzzing run of one target, niced, on one core, from the build-fuzz tree (configured as
# fuzz/CAMPAIGN.md shows; FUZZ_BUILD names another, such as a tree configured with
# -DESCAVAL_FUZZ_ADDRESS=OFF, or test.sh's build-asan).
# The growing corpus is kept in build-fuzz/campaign/<target> (seeded from fuzz/corpus/<target>),
# whichever tree runs it; findings go to build-fuzz/campaign/findings/, the whole log to
# build-fuzz/campaign/logs/. Prints one row for the table in fuzz/CAMPAIGN.md.
#
#   fuzz/campaign.sh TARGET RUNS SECONDS     # stops at RUNS executions or SECONDS, whichever first
#   fuzz/campaign.sh --merge TARGET          # adds to fuzz/corpus/TARGET the grown inputs that reach more
#                                            # (counting edges only past 400 files)
#
# FUZZ_TIMEOUT (seconds, default 10) is the wall-clock time one input may take before libFuzzer
# reports a hang. A niced run on a machine busy with builds can be starved for longer than that
# on an input that takes milliseconds: raise it there, and run any reported input alone before
# calling it a hang.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${FUZZ_BUILD:-build-fuzz}"
campaign=build-fuzz/campaign

if [ "${1:-}" = "--merge" ]; then
  target="$2"
  corpus="fuzz/corpus/$target"
  max_files=400
  mkdir -p "$campaign/logs"
  # Only the grown inputs that reach something the committed corpus does not are added (named by
  # their hash); the hand-written seeds stay. Counted by hit counts as well as edges, a corpus
  # can run to thousands of files; past max_files the merge is redone counting edges only.
  rm -rf "$campaign/seeds-$target"
  cp -r "$corpus" "$campaign/seeds-$target"
  nice "$build/fuzz/$target" -merge=1 -rss_limit_mb=2048 "$corpus" "$campaign/$target" \
    >"$campaign/logs/merge-$target.log" 2>&1
  if [ "$(ls "$corpus" | wc -l)" -gt "$max_files" ]; then
    rm -rf "$corpus"
    mv "$campaign/seeds-$target" "$corpus"
    nice "$build/fuzz/$target" -merge=1 -use_counters=0 -rss_limit_mb=2048 "$corpus" "$campaign/$target" \
      >>"$campaign/logs/merge-$target.log" 2>&1
  fi
  rm -rf "$campaign/seeds-$target"
  echo "$target: $(ls "$corpus" | wc -l) files, $(du -sb "$corpus" | cut -f1) bytes"
  exit 0
fi

target="$1" runs="$2" seconds="$3"
# A drawing copies the picture and its buffers (hundreds of kilobytes each) several times; with
# glibc's defaults each copy is a fresh mapping that the kernel zeroes page by page and that is
# handed back when freed. Kept in the heap instead, a run spends a third less time per input.
export GLIBC_TUNABLES="${GLIBC_TUNABLES:-glibc.malloc.mmap_threshold=33554432:glibc.malloc.trim_threshold=268435456}"
work="$campaign/$target"
mkdir -p "$work" "$campaign/findings" "$campaign/logs"
cp -n "fuzz/corpus/$target"/* "$work"/ 2>/dev/null || true
started="$(date -u '+%Y-%m-%d %H:%M')"
log="$campaign/logs/$target-$(date -u +%Y%m%d-%H%M%S).log"
status=0
begin="$(date +%s)"
nice "$build/fuzz/$target" -runs="$runs" -max_total_time="$seconds" -timeout="${FUZZ_TIMEOUT:-10}" -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$campaign/findings/$target-" "$work" >"$log" 2>&1 || status=$?
elapsed="$(( $(date +%s) - begin ))"

sanitizers="address, undefined"
if grep -q '^ESCAVAL_FUZZ_ADDRESS:BOOL=OFF' "$build/CMakeCache.txt"; then sanitizers="undefined"; fi
stat() { grep "^stat::$1:" "$log" | awk '{print $2}'; }
executions="$(stat number_of_executed_units)"
rate="$(stat average_exec_per_sec)"
cov="$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | awk '{print $2}')"
findings="none"
if [ "$status" -ne 0 ]; then findings="exit $status: see $(ls -t "$campaign/findings" | head -n 1)"; fi
echo "| $started | $target | $sanitizers | ${executions:-0} | ${elapsed} s | ${rate:-0} | ${cov:-?} | $findings |"
