#!/usr/bin/env bash
# Installs what is missing, builds and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
bash tools/build.sh
exec build/puhtyash "$@"
