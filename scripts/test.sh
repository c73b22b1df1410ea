#!/usr/bin/env bash
# Builds and runs every test: first a normal build, then again under AddressSanitizer and
# UndefinedBehaviorSanitizer. Installs missing Debian packages first.
#   scripts/test.sh           both passes
#   scripts/test.sh --quick   the normal pass only
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
jobs="$(nproc)"

echo "test: checking the format of the C++ files against .clang-format"
find src tools tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run --Werror

run_pass() {
    local dir=$1; shift
    echo "test: configuring and building in $dir/ $*"
    cmake -S . -B "$dir" "$@" >/dev/null
    # A configure without GoogleTest leaves the tests out; here that is a failure, not a pass.
    if [ ! -f "$dir/tests/CTestTestfile.cmake" ]; then
        echo "test: the tests are off in $dir/ (is GoogleTest installed? scripts/deps.sh test)" >&2
        exit 1
    fi
    cmake --build "$dir" -j "$jobs"
    echo "test: running the tests in $dir/"
    (cd "$dir" && ctest --output-on-failure -j "$jobs")
}

run_pass build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
# The web edition: its driver under Node plays every scenario as the native one does, and the
# site is played in a headless browser.
echo "test: building the web edition in build-web/ and testing it"
scripts/web.sh --test
if [ "${1:-}" != "--quick" ]; then
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    run_pass build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUORREL_SANITIZE=ON -DBUILD_TESTING=ON
fi
echo "test: all passes green"
