#!/bin/sh
# --export-progress without a display: a learner record torn in its third line gives a page and
# a table of the two whole lines; an unwritable folder and an unknown level are refused.
game=$1
dir=$(mktemp -d) && trap 'rm -rf "$dir"' EXIT && mkdir -p "$dir/Brindlecove Software" || exit 1
fail() { echo "FAIL: $*"; exit 1; }
printf '%s\r\n' '2026-12-06 15:30:12 1 1 4 6 24 1 solved 0 35 3.50' \
    '2026-12-07 09:02:03 7 7 3 2 24 2 wrong 2 80 2.75' '2026-12-07 09:05:00 9 9 9' \
    '2026-12-07 09:06:00 1 2 3 4 24 1 solved 0 10 3.10' >"$dir/Brindlecove Software/Quorrel-learner.txt"
run() { env -u DISPLAY -u WAYLAND_DISPLAY XDG_DATA_HOME="$dir" "$game" "$@"; }
run --export-progress "$dir/out" >/dev/null || fail "export"
[ "$(wc -l <"$dir/out/progress.csv")" = 3 ] || fail "csv: $(cat "$dir/out/progress.csv")"
grep -q '^2026-12-07,09:02:03,7 7 3 2,24,2,wrong,2,80,2.75' "$dir/out/progress.csv" || fail "csv line"
[ "$(grep -c '<tr><td>2026-' "$dir/out/index.html")" = 2 ] || fail "last puzzles table"
grep -q 'polyline' "$dir/out/index.html" && grep -q 'no network' "$dir/out/index.html" || fail "page"
run --export-progress /proc/no-such-folder >/dev/null 2>"$dir/err"
[ $? = 1 ] && grep -q 'cannot export the progress' "$dir/err" || fail "unwritable: $(cat "$dir/err")"
run --level hard >/dev/null 2>"$dir/err"
[ $? = 2 ] && [ "$(wc -l <"$dir/err")" = 1 ] || fail "unknown level: $(cat "$dir/err")"
echo "ok"
