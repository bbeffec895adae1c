#!/usr/bin/env bash
# Fuzzes the settings reader for a bounded time: builds the libFuzzer target with clang in
# its own build folder, runs it over a copy of the seed corpus, prints how many inputs it
# tried, and fails on any finding (a difference from the plain reader, a crash, a
# sanitizer report or a leak).
#   scripts/fuzz.sh [seconds]       default 60; e.g. scripts/fuzz.sh 3600 for a long run
# The build folder is build-fuzz, or $VORLIN_FUZZ_BUILD. Findings are kept in
# <build folder>/fuzz-findings/ for replay: <build folder>/tests/fuzz/settings_fuzzer FILE.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
# Absolute, since the fuzzer works in a private folder of its own.
build=$(realpath -m "${VORLIN_FUZZ_BUILD:-build-fuzz}")
# Past the stream's 4096-byte buffer twice, so that CR LF pairs split across refills occur.
max_len=16384

CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVORLIN_FUZZ=ON -DVORLIN_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target settings_fuzzer -j "$(nproc)" >/dev/null

work=$(mktemp -d "${TMPDIR:-/tmp}/vorlin-fuzz-corpus-XXXXXX")
trap 'rm -rf "$work"' EXIT
cp tests/fuzz/corpus/* "$work/"
findings="$build/fuzz-findings"
mkdir -p "$findings"
log="$work.log"
trap 'rm -rf "$work" "$log"' EXIT

# Every input is written to a file, which on a disk costs far more than the reading itself;
# the fuzzer's private folder goes to memory where the machine has it.
fuzz_tmp=${TMPDIR:-/tmp}
[[ -d /dev/shm && -w /dev/shm ]] && fuzz_tmp=/dev/shm

status=0
TMPDIR=$fuzz_tmp ASAN_OPTIONS=detect_leaks=1 "$build/tests/fuzz/settings_fuzzer" "$work" \
  -max_total_time="$seconds" -max_len="$max_len" -artifact_prefix="$findings/" \
  -print_final_stats=1 >"$log" 2>&1 || status=$?

executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
echo "fuzz: ${executions:-0} executions in ${seconds} s"
if [[ $status -ne 0 ]]; then
  tail -n 40 "$log" >&2
  echo "fuzz: FAILED (exit $status); the input is kept in $findings/" >&2
  exit 1
fi
