#!/usr/bin/env bash
# Applies each deliberate fault in faults/*.patch (first line: "# what a player would notice") to
# the worktree, one at a time, rebuilds, runs the tests and reverts, then prints which test
# caught each fault. Slow (a build and a test run per fault), so not part of ctest.
#   deliberate_faults.sh [BUILD_DIR] [CTEST_ARGS...]     e.g. deliberate_faults.sh build -E install
# The worktree's sources must be unchanged where a patch applies.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(git -C "$here" rev-parse --show-toplevel)
build=$(realpath "${1:-$root/build}")
shift $(($# > 0 ? 1 : 0))
log=$(mktemp -d /tmp/quorrel-faults-XXXXXX)
applied=""
revert() { [ -n "$applied" ] && git -C "$root" apply -R "$applied" && applied=""; }
trap 'revert; exit 130' INT TERM

rows=() missed=0
for patch in "$here"/faults/*.patch; do
    name=$(basename "$patch" .patch)
    what=$(head -1 "$patch" | sed 's/^# *//')
    if ! git -C "$root" apply "$patch" 2>"$log/$name.apply"; then
        rows+=("$name|does not apply|$what")
        continue
    fi
    applied=$patch
    if ! cmake --build "$build" -j2 >"$log/$name.build" 2>&1; then
        result="caught by the build"
    else
        ctest --test-dir "$build" -j2 "$@" >"$log/$name.ctest" 2>&1
        # ctest lists each failed test under this heading as "<tab>NN - name (Failed)".
        failed=$(sed -n "/The following tests FAILED/,\$ s/^[[:space:]]*[0-9]* - \([^ ]*\).*/\1/p" "$log/$name.ctest" | tr "\n" " ")
        if [ -n "$failed" ]; then
            result="caught: ${failed% }"
        else
            result="NOT CAUGHT"
            missed=$((missed + 1))
        fi
    fi
    revert
    rows+=("$name|$result|$what")
    echo "$name: $result" >&2
done
cmake --build "$build" -j2 >"$log/rebuild" 2>&1  # the build matches the sources again

printf '%-16s | %s\n' fault "what the player would notice -> result"
for row in "${rows[@]}"; do
    IFS='|' read -r name result what <<<"$row"
    printf '%-16s | %s -> %s\n' "$name" "$what" "$result"
done
echo "$((${#rows[@]} - missed)) of ${#rows[@]} faults caught; logs in $log"
[ "$missed" -eq 0 ]
