#!/usr/bin/env bash
# Fuzzes the number-text conversions with libFuzzer for a while:
#   bench/fuzz.sh [seconds]   (default 600)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
fervano_install_deps clang libclang-rt-14-dev
seconds="${1:-600}"
out=build-fuzz
mkdir -p "$out/corpus"
# The fuzz target links the core, built here by clang with coverage and sanitizers.
cmake -S . -B "$out" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 \
  -DFERVANO_FUZZ=ON -DFERVANO_TESTS=OFF -DFERVANO_BENCH=OFF >/dev/null
cmake --build "$out" --target numtext_fuzz -j2 >/dev/null
printf '50.0' >"$out/corpus/a"; printf ',5' >"$out/corpus/b"; printf '1e999' >"$out/corpus/c"
"$out/numtext_fuzz" -max_total_time="$seconds" -print_final_stats=1 "$out/corpus" 2>&1 | tail -n 15
