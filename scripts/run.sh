#!/usr/bin/env bash
# Installs what is missing, builds Vorlin and starts it in data/, where the default
# vorlindata1.ini lies: edit that file while drawing to change the brush.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLIN_BUILD_BENCH=OFF >/dev/null
cmake --build build -j "$(nproc)" --target vorlin
cd data
exec ../build/vorlin
