#!/usr/bin/env bash
# Installs a finished build into a temporary prefix and checks what lands there: the program,
# a valid desktop entry whose Exec and Icon name installed files, the icon at each theme size
# as an 8-bit RGBA PNG, the default settings unchanged, and a manual page that renders without
# warnings and names the installed settings.
#   check-install.sh <build-dir> <source-dir> <built-program>
set -euo pipefail

build=$1 source=$2 program=$3
[[ -x "$program" ]] || { echo "FAIL: $program is not built; build before testing" >&2; exit 1; }

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The bytes of a file from offset, as lower-case hex without spaces.
hex_at() { od -An -v -tx1 -j "$2" -N "$3" "$1" | tr -d ' \n'; }

check_program() {
  [[ -x "$prefix/bin/vorlin" ]] || fail "bin/vorlin is missing or not executable"
}

check_desktop_entry() {
  local entry="$prefix/share/applications/vorlin.desktop" report
  [[ -f "$entry" ]] || { fail "share/applications/vorlin.desktop is missing"; return; }
  report=$(desktop-file-validate "$entry" 2>&1) && [[ -z "$report" ]] ||
    fail "desktop-file-validate: $report"
  local exec icon
  exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
  icon=$(sed -n 's/^Icon=//p' "$entry")
  [[ -x "$prefix/bin/$exec" ]] || fail "Exec=$exec names no installed program"
  [[ -n "$icon" && -f "$prefix/share/icons/hicolor/48x48/apps/$icon.png" ]] ||
    fail "Icon=$icon names no installed icon"
}

# PNG signature, then the IHDR chunk: length 13, "IHDR", width, height, depth 8, colour type 6.
check_icon() {
  local size=$1 png="$prefix/share/icons/hicolor/$1x$1/apps/vorlin.png"
  [[ -f "$png" ]] || { fail "the ${size}x${size} icon is missing"; return; }
  local expected
  expected=89504e470d0a1a0a0000000d49484452$(printf '%08x%08x' "$size" "$size")0806
  [[ "$(hex_at "$png" 0 26)" == "$expected" ]] ||
    fail "the ${size}x${size} icon is not a ${size}x${size} 8-bit RGBA PNG: $(hex_at "$png" 0 26)"
}

check_settings() {
  cmp -s "$source/data/vorlindata1.ini" "$prefix/share/vorlin/vorlindata1.ini" ||
    fail "share/vorlin/vorlindata1.ini is missing or differs from data/vorlindata1.ini"
}

check_manual_page() {
  local page="$prefix/share/man/man1/vorlin.1"
  [[ -f "$page" ]] || page="$page.gz"
  [[ -f "$page" ]] || { fail "share/man/man1/vorlin.1 is missing"; return; }
  local lint render
  lint=$(zcat -f "$page" | mandoc -T lint 2>&1) && [[ -z "$lint" ]] || fail "mandoc -T lint: $lint"
  render=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) && [[ -z "$render" ]] ||
    fail "man -l: $render"
  zcat -f "$page" | grep -qF "$prefix/share/vorlin/vorlindata1.ini" ||
    fail "the manual page does not name $prefix/share/vorlin/vorlindata1.ini"
}

check_program
check_desktop_entry
for size in 16 32 48; do check_icon "$size"; done
check_settings
check_manual_page

if [[ $failures -ne 0 ]]; then
  echo "$failures check(s) of the installed tree failed" >&2
  exit 1
fi
echo "installed tree in a temporary prefix: all checks passed"
