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
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -Isrc \
  fuzz/numtext_fuzz.cpp src/shell/numtext.cpp -o "$out/numtext_fuzz"
printf '50.0' >"$out/corpus/a"; printf ',5' >"$out/corpus/b"; printf '1e999' >"$out/corpus/c"
"$out/numtext_fuzz" -max_total_time="$seconds" -print_final_stats=1 "$out/corpus" 2>&1 | tail -n 15
