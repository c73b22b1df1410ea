#!/usr/bin/env bash
# Applies each deliberate fault in faults/*.patch (first line: "# what a player would notice") to
# the worktree, one at a time, rebuilds, runs the tests and reverts, then prints which tests
# caught each fault. Slow (a build and a test run per fault), so not part of ctest.
#   deliberate_faults.sh [BUILD_DIR] [CTEST_ARGS...]     e.g. deliberate_faults.sh build -E install
# The sources a patch touches must be unchanged.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(git -C "$here" rev-parse --show-toplevel)
build=$(realpath "${1:-$root/build}")
shift $(($# > 0 ? 1 : 0))
log=$(mktemp -d /tmp/quorrel-faults-XXXXXX)
applied=""
trap '[ -n "$applied" ] && git -C "$root" apply -R "$applied"; exit 130' INT TERM
table="" missed=0 count=0
for patch in "$here"/faults/*.patch; do
    name=$(basename "$patch" .patch) count=$((count + 1))
    if ! git -C "$root" apply "$patch" 2>"$log/$name.apply"; then
        result="does not apply"
    elif applied=$patch && ! cmake --build "$build" -j2 >"$log/$name.build" 2>&1; then
        result="caught by the build"
    else
        ctest --test-dir "$build" -j2 "$@" >"$log/$name.ctest" 2>&1
        # ctest lists each failed test under this heading as "<tab>NN - name (Failed)".
        result=$(sed -n '/The following tests FAILED/,$ s/^[[:space:]]*[0-9]* - \([^ ]*\).*/\1/p' \
            "$log/$name.ctest" | tr '\n' ' ')
        result=${result:-NOT CAUGHT}
    fi
    [[ $result == "NOT CAUGHT" || $result == "does not apply" ]] && missed=$((missed + 1))
    [ -n "$applied" ] && git -C "$root" apply -R "$applied" && applied=""
    table+=$(printf '%-14s | %s | %s' "$name" "$(head -1 "$patch" | sed 's/^# *//')" "$result")$'\n'
done
cmake --build "$build" -j2 >"$log/rebuild" 2>&1  # the build matches the sources again
printf '%s%d of %d faults caught; logs in %s\n' "$table" $((count - missed)) "$count" "$log"
[ "$missed" -eq 0 ]
