#!/usr/bin/env bash
# Builds and runs the benchmarks in real windows (under Xvfb when there is no
# display). bench/run.sh [pt|es]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
fervano_install_deps "${FERVANO_PACKAGES[@]}"
edition="${1:-pt}"
cmake --preset default -DFERVANO_BENCH=ON >/dev/null
cmake --build --preset default -j"$(nproc)"
run() {
  if [ -n "${DISPLAY:-}" ]; then "$@"; else xvfb-run -a -s "-screen 0 1600x1200x24" "$@"; fi
}
export QT_FONT_DPI=96 QT_QPA_PLATFORM=xcb
echo "== $(date -u +%F) on $(nproc) cores: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
echo "== start-up and a 629-point animation"
run build/bench/shell_bench startup
run build/bench/shell_bench animation
for b in build/bench/*_bench; do
  case "$(basename "$b")" in shell_bench|handlers_bench) continue ;; esac
  echo "== $(basename "$b")"
  run "$b"
done
echo "== every handler of every window ($edition)"
run build/bench/handlers_bench "$edition"
echo "== peak memory with every window open and its longest drawing made ($edition)"
run build/bench/handlers_bench "$edition" --longest | tail -n 1
run build/bench/handlers_bench "$edition" --longest --size 1600x1200 | tail -n 1
