#!/usr/bin/env bash
# The Windows build: cross-builds the game, its tests and the download with
# MinGW-w64 into build-windows/ (or $PET_WIN_BUILD), checks that the programs
# need no DLL beyond Windows' own, then runs the tests under Wine in a fresh
# prefix: the core's tests and the real window, driven through xdotool.
#
#   bash tools/windows.sh            build, package and test
#   bash tools/windows.sh --build    build and package only
set -euo pipefail
cd "$(dirname "$0")/.."
build=${PET_WIN_BUILD:-build-windows}
jobs=${PET_JOBS:-2}

bash tools/deps-windows.sh

cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DPET_WERROR=ON -DCMAKE_CROSSCOMPILING_EMULATOR=wine >/dev/null
cmake --build "$build" -j"$jobs"

# Only DLLs every Windows has: none of the compiler's runtime.
system_dlls=" kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll shell32.dll shlwapi.dll uxtheme.dll"
system_dlls+=" msvcrt.dll advapi32.dll ole32.dll oleaut32.dll imm32.dll winmm.dll dwmapi.dll shcore.dll version.dll "
for exe in "$build"/*.exe "$build"/tests/*.exe; do
  [ -e "$exe" ] || continue
  for dll in $(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z'); do
    case $system_dlls in *" $dll "*) ;; *) echo "$exe needs $dll, which Windows does not have" >&2; exit 1;; esac
  done
done

if [ -e "$build/puhtyash.exe" ]; then
  (cd "$build" && cpack -G ZIP >/dev/null)
  echo "download: $(ls "$build"/puhtyash-*-windows-x64.zip)"
fi
[ "${1:-}" = --build ] && exit 0

# Wine of its own, quiet, in a fresh prefix; its first start takes a while.
export WINEDEBUG=-all
export WINEPREFIX=${PET_WINEPREFIX:-$(mktemp -d /tmp/wp-windows.XXXXXX)}
export WINEDLLOVERRIDES="mscoree,mshtml="
echo "Wine prefix: $WINEPREFIX"
wineboot --init >/dev/null 2>&1 || true
ctest --test-dir "$build" --output-on-failure --timeout 600
