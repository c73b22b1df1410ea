#!/usr/bin/env bash
# Builds Quorrel (installing what is missing) and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build
echo "play: configuring and building in build/"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target quorrel -j "$(nproc)"
echo "play: starting build/quorrel"
exec build/quorrel "$@"
