#!/usr/bin/env bash
# Checks the packages the way a user gets them: installs the .deb with dpkg
# and runs the installed tbasic on an installed example; unpacks the Windows
# archive and runs its tbasic.exe under Wine on its own copy of the example.
# Both must print exactly the example's .out (CR LF line ends on Windows).
# The .deb is removed again afterwards.
# Usage: tools/check-packages.sh [BUILD_DIR [WINDOWS_BUILD_DIR]]  (as root)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
win_build=$(cd "${2:-build-windows}" && pwd)
example=tour

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

one() {
  local matches=("$@")
  [ ${#matches[@]} -eq 1 ] && [ -e "${matches[0]}" ] || fail "expected one file, found: ${matches[*]}"
  echo "${matches[0]}"
}

work=$(mktemp -d "${TMPDIR:-/tmp}/tbasic-packages.XXXXXX")
trap 'rm -rf "$work"' EXIT

# The Linux archive holds the binary and the man page under its own folder.
tarball=$(one "$build"/tbasic-*-Linux-x86_64.tar.gz)
tar -tzf "$tarball" >"$work/tar.txt"
for member in bin/tbasic bin/tbasic-check share/man/man1/tbasic.1 share/man/man1/tbasic-check.1 \
              share/doc/tbasic/examples/$example.bas; do
  grep -q "^tbasic-[^/]*/$member\$" "$work/tar.txt" || fail "$tarball lacks $member"
done
echo "ok: $(basename "$tarball")"

# The .deb, installed for real.
deb=$(one "$build"/tbasic_*.deb)
dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -i $deb"; }
trap 'dpkg -r tbasic >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
[ "$(command -v tbasic)" = /usr/bin/tbasic ] || fail "tbasic is not /usr/bin/tbasic after dpkg -i"
[ "$(command -v tbasic-check)" = /usr/bin/tbasic-check ] || fail "tbasic-check is not /usr/bin/tbasic-check after dpkg -i"
[ -f /usr/share/man/man1/tbasic.1 ] || fail "no man page /usr/share/man/man1/tbasic.1"
[ -f /usr/share/man/man1/tbasic-check.1 ] || fail "no man page /usr/share/man/man1/tbasic-check.1"
docs=/usr/share/doc/tbasic
[ -f $docs/language.md ] && [ -f $docs/README.md ] || fail "no guide or README in $docs"
(cd $docs/examples && tbasic -f $example.bas) >"$work/deb.out" 2>&1
cmp -s "$work/deb.out" $docs/examples/$example.out || fail "installed tbasic -f $example.bas printed other output"
(cd $docs/examples && tbasic-check --brief $example.bas) >"$work/check.out" 2>&1 ||
  { cat "$work/check.out"; fail "installed tbasic-check finds errors in $example.bas"; }
echo "ok: $(basename "$deb") installed; /usr/bin/tbasic runs $example.bas and tbasic-check passes it"

# The Windows archive: unpacked, its .exe run from it under Wine.
zip=$(one "$win_build"/tbasic-*-win64.zip)
(cd "$work" && cmake -E tar xf "$zip")
top=$(one "$work"/tbasic-*-win64)
for member in tbasic.exe tbasic-check.exe README.md docs/language.md examples/$example.bas; do
  [ -f "$top/$member" ] || fail "$(basename "$zip") lacks $member"
done
(cd "$top/examples" && "$win_build/wine-run" ../tbasic.exe -f $example.bas) >"$work/win.out" 2>&1
sed 's/$/\r/' "$top/examples/$example.out" >"$work/win.expected"
cmp -s "$work/win.out" "$work/win.expected" || fail "tbasic.exe from $(basename "$zip") printed other output"
(cd "$top/examples" && "$win_build/wine-run" ../tbasic-check.exe --brief $example.bas) >"$work/wincheck.out" 2>&1 ||
  { cat "$work/wincheck.out"; fail "tbasic-check.exe from $(basename "$zip") finds errors in $example.bas"; }
echo "ok: $(basename "$zip") unpacked; its tbasic.exe runs $example.bas and tbasic-check.exe passes it under Wine"
