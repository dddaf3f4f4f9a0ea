#!/usr/bin/env bash
# The Windows window's figures under Wine in an Xvfb of its own, in one run:
# the accelerated game against a bare 1 ms window timer, start-up to the first
# painted frame and peak memory against a minimal Win32 window, and the size
# of puhtyash.exe. A benchmark, not a test: it reports and does not judge.
#
#   bash tools/windows-bench.sh [seconds] [runs]
# Builds build-windows/ (or $PET_WIN_BUILD) first; $PET_XDISPLAY picks the
# display (default: a free one).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${PET_WIN_BUILD:-build-windows}
seconds=${1:-3}
runs=${2:-9}
bash tools/windows.sh --build >/dev/null

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX=${PET_WINEPREFIX:-$(mktemp -d /tmp/wp-bench.XXXXXX)}
work=$(mktemp -d /tmp/puhtyash-bench.XXXXXX)
. tools/private-display.sh
start_private_display "$work"
cleanup() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
wineboot --init >/dev/null 2>&1
echo "Wine $(wine --version), $(nproc) cores"

cd "$work"  # the game's saves, if any, go here
echo "== live window rate"
wine "$OLDPWD/$build/bench/win32/window_rate_win32.exe" "$seconds" 2>/dev/null | tr -d '\r'
echo "== start-up"
wine "$OLDPWD/$build/bench/win32/startup_win32.exe" "$runs" 2>/dev/null | tr -d '\r'
echo "== size"
exe=$OLDPWD/$build/puhtyash.exe
stripped=$work/puhtyash-stripped.exe
x86_64-w64-mingw32-strip -o "$stripped" "$exe"
zip=$(ls "$OLDPWD/$build"/puhtyash-*-windows-x64.zip 2>/dev/null | head -1)
echo "puhtyash.exe: $(stat -c %s "$exe") bytes as built, $(stat -c %s "$stripped") bytes stripped (as shipped)"
[ -n "$zip" ] && echo "$(basename "$zip"): $(stat -c %s "$zip") bytes"
