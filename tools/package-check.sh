#!/usr/bin/env bash
# Builds the .deb, checks its desktop entry and software-centre data, installs
# it, starts the installed game on a virtual display, checks that its window
# appears, and removes the package again.
set -euo pipefail
cd "$(dirname "$0")/.."

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
need=()
for p in desktop-file-utils appstream xvfb xauth xdotool; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

desktop-file-validate data/puhtyash.desktop
appstreamcli validate --no-net data/io.example.puhtyash.metainfo.xml

rm -f build/puhtyash_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/puhtyash_*.deb)
echo "package: $deb"
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "./$deb" >/dev/null
trap 'DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get remove -y -qq puhtyash >/dev/null || true' EXIT

test -x /usr/bin/puhtyash
test -f /usr/share/applications/puhtyash.desktop
test -f /usr/share/icons/hicolor/32x32/apps/puhtyash.png

work=$(mktemp -d)
xvfb-run -a bash -c '
  cd "$1"
  /usr/bin/puhtyash & pid=$!
  found=""
  for _ in $(seq 100); do
    found=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -1 || true)
    [ -n "$found" ] && break
    sleep 0.1
  done
  name=$(xdotool getwindowname "$found" 2>/dev/null || true)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  [ -n "$found" ] || { echo "the installed game showed no window" >&2; exit 1; }
  echo "window: $name"
' _ "$work"
rm -rf "$work"

DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get remove -y -qq puhtyash >/dev/null
trap - EXIT
if [ -e /usr/bin/puhtyash ]; then echo "removing left the game behind" >&2; exit 1; fi
echo "installed, started and removed cleanly"
