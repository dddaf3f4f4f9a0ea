#!/usr/bin/env bash
# Builds the game core with AddressSanitizer and UndefinedBehaviorSanitizer
# (stopping at the first report) into build-sanitize/ and runs its tests,
# the soak included.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake -S . -B build-sanitize -G Ninja -DPET_WERROR=ON -DPET_SANITIZE=ON -DPET_QT=OFF -DPET_BENCH=OFF \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-sanitize
ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure --timeout 1200
