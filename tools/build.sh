#!/usr/bin/env bash
# Configures and builds the game into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DPET_WERROR=ON >/dev/null
cmake --build build
