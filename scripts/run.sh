#!/usr/bin/env bash
# Builds FERVANO and starts it: scripts/run.sh [pt|es] (pt by default).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
edition="${1:-pt}"
case "$edition" in pt|es) ;; *) echo "usage: scripts/run.sh [pt|es]" >&2; exit 2 ;; esac
fervano_install_deps "${FERVANO_PACKAGES[@]}"
# A folder of its own: the test build in build/ is never reconfigured from here.
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target "fervano-$edition"
exec "build-release/fervano-$edition"
