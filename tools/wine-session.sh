#!/usr/bin/env bash
# Runs a command (the Windows build's tests) inside one Wine session: creates
# the build's Wine prefix quietly on first use, keeps one Wine server up for
# the whole run so each program starts quickly, and stops it afterwards.
# Usage: tools/wine-session.sh BUILD_DIR COMMAND...
set -euo pipefail
build=$(cd "$1" && pwd)
shift

WINEPREFIX=$build/wineprefix
WINEDEBUG=-all
WINEDLLOVERRIDES='mscoree,mshtml='
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "creating the Wine prefix $WINEPREFIX" >&2
  wineboot --init >/dev/null 2>&1 </dev/null
  wineserver --wait
fi

# A server already running for this prefix (exit status 2) is used as it is.
if wineserver --persistent; then
  trap 'wineserver --kill' EXIT
fi
# The first program started also starts Wine's own background services,
# which stay up with the server and keep its standard streams open: start
# them here, on /dev/null, so no test's output pipe is held open by them.
wine cmd.exe /c exit >/dev/null 2>&1 </dev/null
"$@"
