#!/usr/bin/env bash
# The web edition: installs what it needs from Debian, builds build-web/ with emscripten (the
# headless driver for Node and the site in build-web/site), and serves the site.
#   scripts/web.sh                build
#   scripts/web.sh --serve [PORT] build, then serve build-web/site on 127.0.0.1 (default 8023)
#   scripts/web.sh --test         build, then play every scenario under Node against the native
#                                 driver (build/quorrel-driver) and run the browser tests
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${1:-build}"

if [ "$mode" = --test ]; then scripts/deps.sh webtest; else scripts/deps.sh web; fi

# emcc finds Debian's acorn through NODE_PATH when another Node.js comes first on PATH.
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF "${launcher[@]}" \
    >/dev/null
cmake --build build-web -j "$(nproc)"
echo "web: built build-web/quorrel-driver.js and the site in build-web/site"

case "$mode" in
    --serve)
        port="${2:-8023}"
        echo "web: serving build-web/site at http://127.0.0.1:$port/ (Ctrl+C stops)"
        exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/site
        ;;
    --test)
        if [ ! -x build/quorrel-driver ]; then
            echo "web: build/quorrel-driver is missing: build the native game first (scripts/test.sh does)" >&2
            exit 1
        fi
        python3 tests/web/web_scenarios.py build/quorrel-driver build-web/quorrel-driver.js
        /usr/bin/python3 tests/web/browser_test.py build-web/site  # Debian's selenium
        ;;
esac
