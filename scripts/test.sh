#!/usr/bin/env bash
# Installs what is missing, builds Vorlin and runs the whole test suite: every test on the
# plain build, a bounded fuzz run of the settings reader, and the tests again on a build with
# AddressSanitizer and UndefinedBehaviorSanitizer. The tests that need an X server start
# their own Xvfb, so no desktop is needed.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh test
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

# About a minute of fuzzing the settings reader against a plain reader of the same rules.
bash scripts/fuzz.sh 60

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVORLIN_SANITIZE=ON -DVORLIN_BUILD_BENCH=OFF
cmake --build build-sanitize -j "$jobs"
# Everything but the Valgrind session (Valgrind cannot run a sanitized program), so the
# real program meets its end-to-end tests under the sanitizers too.
ctest --test-dir build-sanitize -LE memcheck --output-on-failure -j "$jobs"
