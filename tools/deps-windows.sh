#!/usr/bin/env bash
# Installs the Debian packages the Windows build needs, the ones that are
# missing: the MinGW-w64 cross compiler, GoogleTest's sources, and Wine with
# an X server and xdotool to run and drive the programs. Runs apt-get as
# root, or through sudo.
set -euo pipefail

packages=(cmake ninja-build g++-mingw-w64-x86-64 googletest wine wine64 xvfb xauth x11-utils xdotool)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
