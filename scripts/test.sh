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

# The code layout first: it fails in a second.
scripts/format.sh

# Both presets treat warnings as errors, so that none creeps in.
cmake --preset default >/dev/null
cmake --build --preset default -j"$jobs"
ctest --preset default -j"$jobs"

if [ "${FERVANO_SKIP_SANITIZERS:-0}" != 1 ]; then
  cmake --preset asan >/dev/null
  cmake --build --preset asan -j"$jobs"
  ctest --preset asan -j"$jobs"
fi
