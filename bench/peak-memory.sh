#!/usr/bin/env bash
# Peak resident memory (maximum RSS, as /usr/bin/time -f %M reports it, in
# KiB) of tbasic, and optionally of the peers, on each benchmark program.
#
#   TBASIC=build/tbasic bench/peak-memory.sh [--size standard|large] [PROGRAM...]
#
# Environment: TBASIC=/path/to/interpreter (required); PEERS="yabasic lua ..."
# adds peers (default: none). Prints a Markdown table; a run that fails or
# prints a wrong answer shows "WRONG" in its cell and makes the exit status 1.
set -u
if [ -n "${TBASIC:-}" ] && [ -e "$TBASIC" ]; then TBASIC=$(realpath "$TBASIC"); fi
cd "$(dirname "$0")"
[ -n "${TBASIC:-}" ] && [ -x "$TBASIC" ] || { echo "set TBASIC to the interpreter" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is not installed (apt-get install time)" >&2; exit 1; }

size=standard
programs=()
while [ $# -gt 0 ]; do
  case "$1" in
    --size) size="${2:-}"; shift ;;
    --size=*) size="${1#--size=}" ;;
    -*) echo "unknown option $1" >&2; exit 2 ;;
    *) programs+=("$1") ;;
  esac
  shift
done
[ ${#programs[@]} -gt 0 ] || programs=(startup fib loops primes strings math)
case "$size" in
  standard) sub="" ;;
  large) sub="large/" ;;
  *) echo "--size must be standard or large" >&2; exit 2 ;;
esac
export SDL_VIDEODRIVER=dummy
if [ -x /usr/bin/python3 ]; then PY=/usr/bin/python3; else PY=python3; fi

cmd_for() {
  local p="$sub"
  [ "$2" = startup ] && p=""
  case "$1" in
    tbasic)  [ -f "tbasic/$p$2.bas" ] && echo "$TBASIC -f tbasic/$p$2.bas" ;;
    yabasic) [ -f "yabasic/$p$2.yab" ] && echo "yabasic yabasic/$p$2.yab" ;;
    brandy)  [ -f "brandy/$p$2.bbc" ] && echo "brandy -quit brandy/$p$2.bbc" ;;
    lua)     [ -f "lua/$p$2.lua" ] && echo "lua5.4 lua/$p$2.lua" ;;
    python)  [ -f "python/$p$2.py" ] && echo "$PY python/$p$2.py" ;;
    bwbasic) [ -z "$p" ] && [ -f "bwbasic/$2.bas" ] && echo "bwbasic bwbasic/$2.bas" ;;
  esac
  return 0
}

expected() { if [ "$1" = startup ]; then cat expected/startup.txt; else cat "expected/$sub$1.txt"; fi; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
status=0
cols="tbasic ${PEERS:-}"
printf '| program (%s) |' "$size"; for c in $cols; do printf ' %s |' "$c"; done; echo
printf '|---|'; for c in $cols; do printf -- '---:|'; done; echo
for prog in "${programs[@]}"; do
  row="| $prog |"
  for c in $cols; do
    cmd=$(cmd_for "$c" "$prog")
    if [ -z "$cmd" ]; then row="$row n/a |"; continue; fi
    /usr/bin/time -o "$tmp/rss" -f %M $cmd </dev/null >"$tmp/out" 2>/dev/null
    rc=$?
    out=$(tr -d '\r' <"$tmp/out" | grep -v -e '^Bywater BASIC' -e '^Copyright (c) 199' \
          | sed -e 's/^[[:space:]]*//' -e 's/[[:space:]]*$//' | grep -v '^$')
    if [ $rc = 0 ] && [ "$out" = "$(expected "$prog")" ]; then
      row="$row $(tail -n 1 "$tmp/rss") |"
    else
      row="$row WRONG |"; status=1
    fi
  done
  echo "$row"
done
echo
echo "Peak resident memory in KiB (maximum RSS of the process)."
exit $status
