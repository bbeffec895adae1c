#!/usr/bin/env bash
# Draws the picture gallery: the same small mark in each of the six symmetry modes, drawn by
# the real program on a private Xvfb and captured as mode0.png ... mode5.png. Every run makes
# the same strokes at the same size, so the pictures come out the same.
#   make-gallery.sh                      build into build/, write docs/gallery/
#   make-gallery.sh --built DIR [OUT]    use the programs already built in DIR, write OUT
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)

if [[ "${1:-}" == "--built" ]]; then
  [[ $# -ge 2 ]] || { echo "usage: $0 [--built DIR [OUT]]" >&2; exit 2; }
  build=$(cd "$2" && pwd)
  out=${3:-$repo/docs/gallery}
else
  build=$repo/build
  out=$repo/docs/gallery
  bash "$repo/scripts/install-deps.sh" test
  cmake -S "$repo" -B "$build" >/dev/null
  cmake --build "$build" -j "$(nproc)" --target vorlin vorlin_gallery
fi

"$build/tests/gallery/vorlin_gallery" "$out"
echo "gallery written to $out"
