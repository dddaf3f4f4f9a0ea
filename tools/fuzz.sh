#!/usr/bin/env bash
# Fuzzes the save-file loader with libFuzzer for a while (default 120 s),
# starting from the checked-in corpus, with the INI words of
# tests/fuzz/save.dict and inputs of up to 64 KiB; new interesting inputs go
# to build-fuzz/corpus, crashes to build-fuzz/.
#
#   bash tools/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-120}
command -v clang++ >/dev/null || { sudo=(); [ "$(id -u)" -eq 0 ] || sudo=(sudo);
  "${sudo[@]}" apt-get update -qq; DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq clang libclang-rt-dev; }
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DPET_FUZZ=ON -DPET_QT=OFF -DPET_TESTS=OFF -DPET_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target save_fuzz
mkdir -p build-fuzz/corpus
cp -n tests/corpus/save/* build-fuzz/corpus/ 2>/dev/null || true
cd build-fuzz
./save_fuzz -max_total_time="$seconds" -max_len=65536 -dict=../tests/fuzz/save.dict -print_final_stats=1 corpus
