#!/bin/sh
# The real front end on a virtual display: without a display the game says so in one line and
# exits 1; with one, a window titled "Quorrel" appears at a sane size, a screenshot shows it
# purple around a panel, and a close request unloads it (writing its settings) with exit 0.
# usage: real_window_test.sh QUORREL BUILD_DIR; exit 77 (skipped) without Xvfb, xdotool or
# ImageMagick.
quorrel=$1
[ -x "$quorrel" ] || { echo "usage: $0 QUORREL BUILD_DIR" >&2; exit 2; }
. "$(dirname "$0")/../support/xvfb.sh"
# A sanitized build reports leaks of system libraries at exit; those are not the game's.
LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan_suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export LSAN_OPTIONS
make_work real-window

env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$quorrel" >"$work/out" 2>"$work/err"
[ $? -eq 1 ] && [ "$(cat "$work/err")" = "quorrel: cannot open a window: no display (is DISPLAY set?)" ] ||
    fail "without a display: $(cat "$work/err")"
for tool in Xvfb xdotool import convert; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
start_xvfb 91

mkdir -p "$work/data"
(cd "$work" && XDG_DATA_HOME="$work/data" exec "$quorrel") >"$work/game.out" 2>"$work/game.err" &
game_pid=$!
find_window() { window=$(xdotool search --name '^Quorrel$' 2>/dev/null | head -n 1); [ -n "$window" ]; }
poll 50 find_window || fail "no window titled Quorrel within 10 s: $(cat "$work/game.err")"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" -ge 300 ] && [ "$HEIGHT" -ge 300 ] && [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] &&
    [ $((X + WIDTH)) -le 1024 ] && [ $((Y + HEIGHT)) -le 768 ] || fail "window at $X,$Y $WIDTH x $HEIGHT"

pixel() {
    convert "$work/shot.png" -format "%[fx:round(255*p{$1,$2}.r)] %[fx:round(255*p{$1,$2}.g)] %[fx:round(255*p{$1,$2}.b)]" info:
}
purplish() { set -- $(pixel "$1" "$2"); [ "$1" -ge 100 ] && [ "$3" -ge 100 ] && [ "$2" -le 70 ]; }
# The corners, clear of every panel, and the middle, where the title panel or the board stands.
shows_game() {
    import -window root "$work/shot.png" 2>/dev/null &&
        purplish $((X + 20)) $((Y + 20)) && purplish $((X + WIDTH - 20)) $((Y + HEIGHT - 20)) &&
        ! purplish $((X + WIDTH / 2)) $((Y + (HEIGHT - 40) / 2))
}
poll 25 shows_game || fail "no purple window with a panel: corner $(pixel $((X + 20)) $((Y + 20))), middle $(pixel $((X + WIDTH / 2)) $((Y + (HEIGHT - 40) / 2)))"

# No window manager, no close box: SDL turns SIGTERM into the same quit request.
kill -TERM "$game_pid"
poll 25 eval '! kill -0 "$game_pid" 2>/dev/null' || fail "no exit within 5 s of the close request"
wait "$game_pid"
status=$? game_pid=
[ "$status" -eq 0 ] || fail "exit $status after the close request: $(cat "$work/game.err")"
[ -f "$work/data/Brindlecove Software/Quorrel.dat" ] || fail "no settings file written at unload"
echo "ok: window shown, closed with exit 0, settings written"
