#!/usr/bin/env bash
# Installs the Debian packages Vorlin needs, and only those that are missing.
#   install-deps.sh run    what building and running the program needs
#   install-deps.sh test   that, plus what the test suite, fuzzing and benchmarks need
set -euo pipefail

run_packages=(cmake make g++ libx11-dev xfonts-base)
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev libxtst-dev xvfb
               clang libclang-rt-14-dev valgrind openbox desktop-file-utils mandoc man-db)

case "${1:-run}" in
  run)  wanted=("${run_packages[@]}") ;;
  test) wanted=("${run_packages[@]}" "${test_packages[@]}") ;;
  *)    echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
as_root=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "install-deps: need root (or sudo) to install: ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi
"${as_root[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
