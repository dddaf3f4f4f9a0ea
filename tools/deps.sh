#!/usr/bin/env bash
# Installs the Debian packages the game needs to build and to test, the ones
# that are missing. Runs apt-get as root, or through sudo.
set -euo pipefail

packages=(cmake ninja-build g++ libgtest-dev libbenchmark-dev
  qt6-base-dev libxkbcommon-dev qt6-translations-l10n fonts-liberation fonts-fantasque-sans
  xvfb xauth)

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
