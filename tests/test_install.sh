#!/bin/sh
# Installs a build into a temporary prefix and checks what lands there.
# Usage: test_install.sh CMAKE BUILD_DIR SOURCE_DIR
set -eu
cmake=$1
build=$2
source=$3

prefix=$(mktemp -d "${TMPDIR:-/tmp}/tbasic-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT INT TERM

fail() {
  echo "FAIL: $*"
  exit 1
}

"$cmake" --install "$build" --prefix "$prefix" >"$prefix/install.log" 2>&1 ||
  { cat "$prefix/install.log"; fail "cmake --install failed"; }

binary="$prefix/bin/tbasic"
manpage="$prefix/share/man/man1/tbasic.1"
[ -f "$binary" ] && [ -x "$binary" ] || fail "no executable $binary"
[ -f "$manpage" ] || fail "no man page $manpage"
cmp -s "$manpage" "$source/docs/tbasic.1" || fail "installed man page differs from docs/tbasic.1"

# The installed binary works on its own, from any folder.
cd "$prefix"
out=$("$binary" -e "6 * 7") || fail "tbasic -e exited with status $?"
[ "$out" = "42" ] || fail "tbasic -e \"6 * 7\" printed '$out'"

printf 'DIM n AS INTEGER\nn = 6 * 7\nPRINT "answer: "; n\n' >answer.bas
out=$("$binary" -f answer.bas) || fail "tbasic -f exited with status $?"
[ "$out" = "answer: 42" ] || fail "tbasic -f answer.bas printed '$out'"

status=0
"$binary" >/dev/null 2>usage.txt || status=$?
[ "$status" = 1 ] || fail "tbasic without arguments exited with status $status"
grep -q -- "-f <basic_program_file>" usage.txt || fail "no usage banner without arguments"

# The checker and its man page are installed beside the interpreter.
checker="$prefix/bin/tbasic-check"
[ -x "$checker" ] || fail "no executable $checker"
cmp -s "$prefix/share/man/man1/tbasic-check.1" "$source/docs/tbasic-check.1" ||
  fail "installed man page differs from docs/tbasic-check.1"
out=$("$checker" answer.bas) || fail "tbasic-check answer.bas exited with status $?"
[ "$out" = "0 errors, 0 warnings in 1 file" ] || fail "tbasic-check answer.bas printed '$out'"

echo "installed into a temporary prefix: bin/tbasic, bin/tbasic-check and their man pages work"
