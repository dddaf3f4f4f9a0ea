#!/usr/bin/env bash
# Runs a Windows program under Wine with an X server of its own (Xvfb), for
# the tests that open windows.
#
#   with_display.sh PROGRAM.EXE [ARGS...]
# Uses $WINEPREFIX (made when missing). Wine's programs in that prefix are
# ended before and after: a running one would tie the program to another
# display.
set -uo pipefail
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
work=$(mktemp -d /tmp/puhtyash-display.XXXXXX)
exec 5> "$work/display"
Xvfb -displayfd 5 -screen 0 1280x800x24 -nolisten tcp -ac -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null; kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -rf "$work"' EXIT
wineserver -k 2>/dev/null
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")"
wine "$@"
