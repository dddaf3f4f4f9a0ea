#!/usr/bin/env bash
# Installs the Debian packages the Windows build needs, the ones that are
# missing: the MinGW-w64 cross compiler, GoogleTest's sources, and Wine with
# an X server and xdotool to run and drive the programs. Runs apt-get as
# root, or through sudo.
set -euo pipefail

packages=(cmake ninja-build g++-mingw-w64-x86-64 googletest wine wine64 xvfb xauth x11-utils xdotool)

bash "$(dirname "$0")/install-missing.sh" "${packages[@]}"
