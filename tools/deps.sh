#!/usr/bin/env bash
# Installs the Debian packages the game needs to build and to test, the ones
# that are missing. Runs apt-get as root, or through sudo.
set -euo pipefail

packages=(cmake ninja-build g++ libgtest-dev libbenchmark-dev
  qt6-base-dev libxkbcommon-dev qt6-translations-l10n fonts-liberation fonts-fantasque-sans
  xvfb xauth)

bash "$(dirname "$0")/install-missing.sh" "${packages[@]}"
