#!/bin/sh
# --export-rewards without a display: the three valid figures of a book with bad and torn lines.
dir=$(mktemp -d) && trap 'rm -rf "$dir"' EXIT && mkdir -p "$dir/Brindlecove Software" || exit 1
printf '%s\r\n' '15 36 3 2026-12-06 15:30:12 0' '0 36 3 2026-12-06 15:30:12 0' '9 72 2 2026-12-07 09:02:03 2' \
    '9 x 2 2026-13-07 09:02:03 2' '5 90 2 2026-12-07 09:05 4' '5 90 2 2026-12-07 09:05:00 1' '5 9' |
    head -c -2 >"$dir/Brindlecove Software/Quorrel-rewards.txt"
env -u DISPLAY -u WAYLAND_DISPLAY XDG_DATA_HOME="$dir" "$1" --export-rewards "$dir/out" &&
    [ "$(ls "$dir/out" | grep -c '^000[1-3]-spiro-order.*[sp][vn]g$')" = 6 ] &&
    [ "$(grep -c '<figure>' "$dir/out/index.html")" = 3 ] && grep -q '7 December 2026, 09:05' "$dir/out/index.html" &&
    grep -q '<line x1=' "$dir/out/0003-spiro-order5-angle90-turns2-2026-12-07-090500.svg"
