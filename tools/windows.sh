#!/usr/bin/env bash
# The Windows build: cross-builds the game and its tests with MinGW-w64 into
# build-windows/ (or $PET_WIN_BUILD), then runs the tests under Wine.
#
#   bash tools/windows.sh            build and test
#   bash tools/windows.sh --build    build only
set -euo pipefail
cd "$(dirname "$0")/.."
build=${PET_WIN_BUILD:-build-windows}
jobs=${PET_JOBS:-2}

bash tools/deps-windows.sh

cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DPET_WERROR=ON -DCMAKE_CROSSCOMPILING_EMULATOR=wine >/dev/null
cmake --build "$build" -j"$jobs"
[ "${1:-}" = --build ] && exit 0

# A Wine of its own, quiet, in a fresh prefix.
export WINEDEBUG=-all
export WINEPREFIX=${PET_WINEPREFIX:-$(mktemp -d /tmp/wp-windows.XXXXXX)}
export WINEDLLOVERRIDES="mscoree,mshtml="
echo "Wine prefix: $WINEPREFIX"
wineboot --init >/dev/null 2>&1 || true
ctest --test-dir "$build" --output-on-failure --timeout 600
