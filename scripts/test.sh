#!/usr/bin/env bash
# Installs what is missing, builds Vorlin twice (plain, and with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs the whole test suite. The end-to-end tests start
# their own Xvfb, so no desktop is needed.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh test
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVORLIN_SANITIZE=ON -DVORLIN_BUILD_BENCH=OFF
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize -L unit --output-on-failure -j "$jobs"
