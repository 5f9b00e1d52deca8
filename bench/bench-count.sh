#!/usr/bin/env bash
# make bench-count: callgrind instruction counts of tbasic and the peers
# (yabasic, brandy, python, lua) on the standard set and start-up, from one
# run; prints the counts, tbasic's ratios, fib's instructions per call and
# the instruction-count targets, and draws results/bench-count.svg.
#
#   TBASIC=build/tbasic bench/bench-count.sh [PROGRAM...]
#
# Installs whichever peers and tools are missing first. Takes about ten
# minutes (fib under callgrind is the longest part); the report is also kept
# in results/bench-count-<stamp>.md. Exit status 1 when a run fails or
# prints a wrong answer.
set -u
[ -n "${TBASIC:-}" ] && [ -x "$TBASIC" ] || { echo "set TBASIC to the interpreter" >&2; exit 2; }
TBASIC=$(realpath "$TBASIC")
cd "$(dirname "$0")"
if [ -x /usr/bin/python3 ]; then PY=/usr/bin/python3; else PY=python3; fi
programs=("$@")
[ ${#programs[@]} -gt 0 ] || programs=(startup fib loops primes strings math)

./run-peers.sh --install-only || exit 1
mkdir -p results
stamp=$(date +%Y%m%d-%H%M%S)
counts=$(mktemp)
trap 'rm -f "$counts"' EXIT
status=0
TBASIC="$TBASIC" PEERS="${PEERS:-yabasic brandy python lua}" \
  ./count-instructions.sh "${programs[@]}" >"$counts" || status=1
"$PY" count-report.py --chart results/bench-count.svg "$counts" \
  | tee "results/bench-count-$stamp.md"
[ "${PIPESTATUS[0]}" = 0 ] || status=1
exit $status
