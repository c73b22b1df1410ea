#!/usr/bin/env bash
# The benchmarks in one command: builds the game and the bench programs (in BUILD_DIR, default
# build/), then prints the start-up, memory and idle comparison with a bare SDL program under
# Xvfb, the click-to-red time at sound level "Yes", and what a whole frame costs at 1920x1080.
# Usage: bench/run.sh [BUILD_DIR] [startup_bench.py options: --runs N --idle S --clicks N]
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$source_dir/build}
shift $(($# > 0 ? 1 : 0))
for tool in Xvfb xvfb-run xdotool fc-match; do
    command -v "$tool" >/dev/null || { echo "bench: $tool is missing (scripts/deps.sh test)"; exit 1; }
done
cmake -S "$source_dir" -B "$build" >/dev/null
cmake --build "$build" -j2 --target quorrel bare_window frame_bench >/dev/null
python3 "$source_dir/bench/startup_bench.py" "$build" "$@"
# The frame put into a real window too, on a screen it fits on.
xvfb-run -a -s "-screen 0 2048x1200x24" "$build/bench/frame_bench" 1920 1080 50
