#!/usr/bin/env bash
# Builds the game alone (installing the Debian packages it needs, never the test packages) and
# starts it. Arguments are passed to the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build
echo "play: configuring and building the game in build/"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build --target quorrel -j "$(nproc)"
echo "play: starting build/quorrel"
exec build/quorrel "$@"
