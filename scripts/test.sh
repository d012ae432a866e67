#!/usr/bin/env bash
# Builds FERVANO with its tests and runs them all: unit and integration tests
# on Qt's offscreen platform, end-to-end tests of the real programs under Xvfb,
# then the whole suite again built with AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
fervano_install_deps "${FERVANO_PACKAGES[@]}"
# Once installed, the check must find nothing missing, or every later run
# would call the package tools again.
missing="$(fervano_missing_deps "${FERVANO_PACKAGES[@]}")"
if [ -n "$missing" ]; then
  echo "The dependency check still reports missing packages: $missing" >&2
  exit 1
fi
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFERVANO_TESTS=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

if [ "${FERVANO_SKIP_SANITIZERS:-0}" != 1 ]; then
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DFERVANO_SANITIZE=ON -DFERVANO_BENCH=OFF >/dev/null
  cmake --build build-asan -j"$jobs"
  ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs" -LE e2e
fi
