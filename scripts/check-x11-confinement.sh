#!/usr/bin/env bash
# Proves that only platform/x11/ includes X11 headers: every other folder of the product
# reaches the window system through platform/Platform.h. Tests and benchmarks may include
# them; they are not the product. Prints each offending line and fails when there is one.
#   check-x11-confinement.sh [repository root]
set -euo pipefail
root="${1:-$(dirname "$0")/..}"
cd "$root"

# Top-level tests/ and bench/, build folders and platform/x11/ itself are left out.
offences=$(find . \( -path ./.git -o -path './build*' -o -path ./tests -o -path ./bench \
                    -o -path ./platform/x11 \) -prune -o \
                 -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.c' -o -name '*.cc' -o -name '*.cpp' \) \
                 -print0 |
           xargs -0 -r grep -nHE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]X11/' || true)

if [[ -n "$offences" ]]; then
  echo "X11 headers outside platform/x11/:" >&2
  echo "$offences" >&2
  exit 1
fi
echo "X11 headers are confined to platform/x11/."
