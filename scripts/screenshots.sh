#!/usr/bin/env bash
# Remakes the screenshots of the software-centre listing (data/screenshots/) with the headless
# driver, so they show exactly the shipped game. Needs a build: cmake --build build --target
# quorrel-driver
set -euo pipefail
cd "$(dirname "$0")/.."
driver=build/quorrel-driver
out=data/screenshots
mkdir -p "$out"
# The seed fixes the dealt puzzle; the waits let the title panel give way to the board and the
# maker's figure draw itself out.
printf 'start\nwait 6000\nshot %s/board.png\n' "$out" | "$driver" --seed 7 >/dev/null
printf 'start\nwait 6000\nclick But(1)\nclick But(6)\nclick OKBut\nwait 20000\nclick Form\nwait 500\nshot %s/maker.png\n' \
    "$out" | "$driver" --seed 7 >/dev/null
echo "screenshots: wrote $out/board.png and $out/maker.png"
