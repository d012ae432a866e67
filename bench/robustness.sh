#!/usr/bin/env bash
# The long random walk through every window of both editions:
#   bench/robustness.sh [actions per edition] [seed]   (default 100000, 1)
# Uses the test build in build/ (scripts/test.sh makes it).
set -euo pipefail
cd "$(dirname "$0")/.."
actions="${1:-100000}"
seed="${2:-1}"
[ -x build/tests/robustness_test ] || { echo "build the tests first: scripts/test.sh" >&2; exit 1; }
SECONDS=0
QT_QPA_PLATFORM=offscreen FERVANO_ACTIONS="$actions" FERVANO_SEED="$seed" build/tests/robustness_test
echo "walk of $actions actions per edition, seed $seed: ${SECONDS} s"
