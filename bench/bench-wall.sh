#!/usr/bin/env bash
# make bench (after the answers are checked): times the large set in one
# hyperfine run with the peers, then the loading benchmark (load-large.py,
# its programs generated into OUTDIR), prints tbasic's ratios and the
# wall-time and loading targets, and draws results/bench-wall.svg from the
# fastest runs.
#
#   TBASIC=build/tbasic bench/bench-wall.sh OUTDIR [PROGRAM...]
#
# Output is also kept in results/large/summary-<stamp>.md. Exit status 1 when
# an answer is wrong or a timing fails.
set -u
[ -n "${TBASIC:-}" ] && [ -x "$TBASIC" ] || { echo "set TBASIC to the interpreter" >&2; exit 2; }
[ $# -ge 1 ] || { echo "usage: bench-wall.sh OUTDIR [PROGRAM...]" >&2; exit 2; }
export TBASIC=$(realpath "$TBASIC")
outdir=$(realpath -m "$1"); shift
cd "$(dirname "$0")"
if [ -x /usr/bin/python3 ]; then PY=/usr/bin/python3; else PY=python3; fi

export STAMP=$(date +%Y%m%d-%H%M%S)
status=0
./run-peers.sh --size large "$@" || status=1
summary="results/large/summary-$STAMP.md"
echo
"$PY" load-large.py "$outdir" | tee -a "$summary"
[ "${PIPESTATUS[0]}" = 0 ] || status=1
{
  "$PY" summarize.py --min-ratios results/large/*-"$STAMP".json
  grep '^load[0-9]*k: ' "$summary"
} | "$PY" chart.py --out results/bench-wall.svg \
      --title "tbasic / peer, wall time, large set, fastest of the runs ($(date +%Y-%m-%d))" \
  && echo "Chart: bench/results/bench-wall.svg"
exit $status
