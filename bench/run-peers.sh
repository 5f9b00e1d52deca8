#!/usr/bin/env bash
# Re-runs the peer timings of the benchmark programs (see README.md).
#
#   bench/run-peers.sh [--install | --install-only] [--check] [--size standard|large]
#                      [--runs N] [--warmup N] [PROGRAM...]
#
#   --install    first install whichever of the peers, hyperfine, valgrind,
#                /usr/bin/time and gnuplot (for the charts) is missing,
#                with apt-get
#   --install-only   the same, then exit
#   --check      only run every version once and compare its printed answer
#                with the expected one; no timing
#   --size S     standard (default): PEER/PROGRAM.EXT, expected/PROGRAM.txt,
#                sized so that bwbasic takes about 2 s;
#                large: PEER/large/PROGRAM.EXT, expected/large/PROGRAM.txt,
#                sized so that yabasic takes 1 to 2 s; bwbasic has no large
#                versions and is left out; startup has one size and runs
#                from the standard files
#   --runs N     timed runs per command (default 5)
#   --warmup N   warm-up runs per command (default 1)
#   PROGRAM      any of: startup fib loops primes strings math (default: all)
#
# Environment:
#   TBASIC=/path/to/interpreter   also check and time "$TBASIC -f tbasic/..."
#                                 in the same hyperfine run as the peers, and
#                                 print one line per program with the ratio
#                                 of tbasic's median to each peer's median
#   PEERS="yabasic lua ..."       restrict the peers (default: all five; for
#                                 --size large, all but bwbasic)
#   SKIP_SLOW=1                   leave bwbasic out (50 to 700 times slower
#                                 than the other peers)
#   STAMP=...                     the <stamp> of the result files (default:
#                                 the date and time)
#
# Results: results/P-<stamp>.json (hyperfine export) for each program, and
# results/summary-<stamp>.md, a table of medians with min-max spread (and the
# ratio lines when TBASIC is set); for --size large, under results/large/.
# Exit status: 0 when every answer was right and every timing ran; 1 when a
# version (tbasic's included, checked before timing) printed a wrong answer
# or exited non-zero, or hyperfine failed; 2 for a usage error or a TBASIC
# that is not an executable file.
set -u
# An interpreter given by a relative path is taken from the caller's folder.
if [ -n "${TBASIC:-}" ] && [ -e "$TBASIC" ]; then TBASIC=$(realpath "$TBASIC"); fi
cd "$(dirname "$0")"

# Installs, with apt-get, whichever of the peers and tools is missing
# (nothing at all when every one is there).
install_missing() {
  local missing=() pair
  for pair in bwbasic:bwbasic yabasic:yabasic brandy:brandy lua5.4:lua5.4 \
              hyperfine:hyperfine valgrind:valgrind /usr/bin/python3:python3 \
              /usr/bin/time:time gnuplot:gnuplot-nox; do
    command -v "${pair%%:*}" >/dev/null 2>&1 || missing+=("${pair#*:}")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  local sudo=""
  [ "$(id -u)" = 0 ] || sudo=sudo
  echo "installing ${missing[*]} with apt-get" >&2
  $sudo apt-get update -qq &&
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

check_only=0
runs=5
warmup=1
size=standard
programs=()
while [ $# -gt 0 ]; do
  case "$1" in
    --install) install_missing || exit 1 ;;
    --install-only) install_missing; exit ;;
    --check) check_only=1 ;;
    --size) size="${2:-}"; shift ;;
    --size=*) size="${1#--size=}" ;;
    --runs) runs="$2"; shift ;;
    --warmup) warmup="$2"; shift ;;
    -h|--help) sed -n '2,/^set -u/{/^#/p}' "$0"; exit 0 ;;
    -*) echo "unknown option $1 (try --help)" >&2; exit 2 ;;
    *) programs+=("$1") ;;
  esac
  shift
done
[ ${#programs[@]} -gt 0 ] || programs=(startup fib loops primes strings math)
case "$size" in
  standard) sub=""; results=results ;;
  large) sub="large/"; results=results/large ;;
  *) echo "--size must be standard or large, not '$size'" >&2; exit 2 ;;
esac
for prog in "${programs[@]}"; do
  if [ ! -f "expected/$prog.txt" ]; then
    echo "unknown program '$prog' (see expected/)" >&2; exit 2
  fi
done
if [ -n "${TBASIC:-}" ] && [ ! -x "$TBASIC" ]; then
  echo "TBASIC=$TBASIC is not an executable file" >&2; exit 2
fi

# Brandy in Debian is an SDL build: the dummy video driver keeps it off the
# terminal; the programs write their answer to /dev/stdout themselves.
export SDL_VIDEODRIVER=dummy

if [ -x /usr/bin/python3 ]; then PY=/usr/bin/python3; else PY=python3; fi

if [ "$size" = large ]; then all_peers="yabasic brandy lua python"
else all_peers="bwbasic yabasic brandy lua python"; fi
peers="${PEERS:-$all_peers}"
if [ "${SKIP_SLOW:-0}" = 1 ]; then peers="${peers/bwbasic/}"; fi

# prefix PROGRAM -> "large/" for a sized program of the large set, else "".
# startup has a single size.
prefix() {
  if [ "$1" = startup ]; then echo ""; else echo "$sub"; fi
}

# peer_cmd PEER PROGRAM -> prints the command line, or nothing when the peer
# has no version of the program at the chosen size.
peer_cmd() {
  local p f
  p=$(prefix "$2")
  case "$1" in
    bwbasic) f="bwbasic/$p$2.bas"; [ -f "$f" ] && echo "bwbasic $f" ;;
    yabasic) f="yabasic/$p$2.yab"; [ -f "$f" ] && echo "yabasic $f" ;;
    brandy)  f="brandy/$p$2.bbc";  [ -f "$f" ] && echo "brandy -quit $f" ;;
    lua)     f="lua/$p$2.lua";     [ -f "$f" ] && echo "lua5.4 $f" ;;
    python)  f="python/$p$2.py";   [ -f "$f" ] && echo "$PY $f" ;;
    tbasic)  f="tbasic/$p$2.bas";  [ -f "$f" ] && printf '%q -f %s\n' "$TBASIC" "$f" ;;
  esac
  return 0
}

expected_file() { echo "expected/$(prefix "$1")$1.txt"; }

# Normalised output: no CRs, no bwbasic banner, blanks trimmed, no empty lines.
normalise() {
  tr -d '\r' | grep -v -e '^Bywater BASIC' -e '^Copyright (c) 199' \
    | sed -e 's/^[[:space:]]*//' -e 's/[[:space:]]*$//' | grep -v '^$'
}

# The executable each peer needs, to skip (and say so) a peer not installed.
peer_bin() {
  case "$1" in
    lua) echo lua5.4 ;; python) echo "$PY" ;; tbasic) echo "$TBASIC" ;; *) echo "$1" ;;
  esac
}

list_peers() {
  local p
  for p in $peers; do
    if command -v "$(peer_bin "$p")" >/dev/null; then echo "$p"
    else echo "$p is not installed (try --install); skipped" >&2; fi
  done
  if [ -n "${TBASIC:-}" ]; then echo tbasic; fi
}

status=0
tbasic_wrong=()
check() {
  local prog="$1" peer cmd raw rc out verdict
  for peer in $(list_peers); do
    cmd=$(peer_cmd "$peer" "$prog")
    if [ -z "$cmd" ]; then
      printf '  %-8s %-8s (no version)\n' "$prog" "$peer"
      continue
    fi
    raw=$(eval "timeout 300 $cmd" </dev/null 2>/dev/null)
    rc=$?
    out=$(printf '%s\n' "$raw" | normalise)
    if [ $rc = 0 ] && [ "$out" = "$(cat "$(expected_file "$prog")")" ]; then
      printf '  %-8s %-8s ok    %s\n' "$prog" "$peer" "$(echo "$out" | tr '\n' ' ')"
    else
      if [ $rc = 0 ]; then verdict=WRONG; else verdict="WRONG (exit status $rc)"; fi
      printf '  %-8s %-8s %s %s\n' "$prog" "$peer" "$verdict" "$(echo "$out" | tr '\n' ' ')"
      status=1
      if [ "$peer" = tbasic ]; then tbasic_wrong+=("$prog"); fi
    fi
  done
}

# Says which of tbasic's answers were wrong; the exit status is already 1.
report_tbasic() {
  if [ ${#tbasic_wrong[@]} -gt 0 ]; then
    echo "tbasic printed a wrong answer (or exited non-zero) for: ${tbasic_wrong[*]}" >&2
  fi
}

echo "Checking answers against expected/$sub (size $size):"
for prog in "${programs[@]}"; do check "$prog"; done
if [ "$check_only" = 1 ]; then report_tbasic; exit $status; fi
if [ $status != 0 ]; then echo "some answers are wrong; timing anyway" >&2; fi

command -v hyperfine >/dev/null || { echo "hyperfine is not installed" >&2; exit 1; }
stamp=${STAMP:-$(date +%Y%m%d-%H%M%S)}
mkdir -p "$results"
for prog in "${programs[@]}"; do
  args=()
  for peer in $(list_peers); do
    cmd=$(peer_cmd "$peer" "$prog")
    [ -n "$cmd" ] && args+=(-n "$peer" "$cmd")
  done
  echo
  echo "=== $prog ($size)"
  hyperfine -N -w "$warmup" -r "$runs" --export-json "$results/$prog-$stamp.json" \
    "${args[@]}" || status=1
done

summary="$results/summary-$stamp.md"
jsons=()
for prog in "${programs[@]}"; do
  [ -f "$results/$prog-$stamp.json" ] && jsons+=("$results/$prog-$stamp.json")
done
{
  echo "Size: $size; hyperfine -N -w $warmup -r $runs; $(date '+%Y-%m-%d %H:%M:%S')"
  echo
  if [ ${#jsons[@]} -gt 0 ]; then "$PY" summarize.py "${jsons[@]}"; fi
} | tee "$summary"

# tbasic's median over each peer's median, from the same hyperfine run.
if [ -n "${TBASIC:-}" ]; then
  ratios=""
  for prog in "${programs[@]}"; do
    json="$results/$prog-$stamp.json"
    if [ -f "$json" ]; then
      line=$("$PY" summarize.py --ratios "$json" 2>/dev/null) \
        || { line="$prog: no tbasic timing (see hyperfine's error above)"; status=1; }
    else
      line="$prog: no timing (see hyperfine's error above)"
    fi
    case " ${tbasic_wrong[*]} " in
      *" $prog "*) line="$line  (tbasic's answer was WRONG)" ;;
    esac
    ratios="$ratios$line"$'\n'
  done
  cpu_ratios=""
  for prog in "${programs[@]}"; do
    json="$results/$prog-$stamp.json"
    [ -f "$json" ] && cpu_ratios="$cpu_ratios$("$PY" summarize.py --cpu-ratios "$json" 2>/dev/null)"$'\n'
  done
  min_ratios=$("$PY" summarize.py --min-ratios "${jsons[@]}" 2>/dev/null)
  {
    echo
    echo "Ratios of medians (tbasic / peer), each from one hyperfine run:"
    echo
    printf '%s' "$ratios"
    echo
    echo "Ratios of mean CPU time, user + system (tbasic / peer), same runs;"
    echo "on a busy machine these are the steadier figures:"
    echo
    printf '%s' "$cpu_ratios"
    echo
    echo "Ratios of the fastest runs (tbasic / peer), same runs:"
    echo
    printf '%s\n' "$min_ratios"
    if [ "$size" = large ]; then
      echo
      echo "Targets (wall time, large set, fastest runs):"
      "$PY" summarize.py --wall-targets "${jsons[@]}"
    fi
  } | tee -a "$summary"
fi
report_tbasic
exit $status
