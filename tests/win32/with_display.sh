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
. "$(dirname "$0")/../../tools/private-display.sh"
start_private_display "$work"
trap 'wineserver -k 2>/dev/null; kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -rf "$work"' EXIT
wineserver -k 2>/dev/null
wine "$@"
