#!/bin/sh
# The real front end on a virtual display: the window titled "Quorrel" appears at a sane size,
# a screenshot shows it purple with a panel in the middle, and a close request makes the game
# unload (writing its settings) and exit 0. Without a display the game says so and exits 1.
#
# usage: real_window_test.sh QUORREL BUILD_DIR
# Exit 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.

quorrel=$1
build_dir=$2
if [ -z "$quorrel" ] || [ ! -x "$quorrel" ]; then
    echo "usage: $0 QUORREL BUILD_DIR" >&2
    exit 2
fi

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A sanitized build reports leaks of system libraries at exit; those are not the game's.
here=$(cd "$(dirname "$0")" && pwd)
LSAN_OPTIONS="suppressions=$here/lsan_suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export LSAN_OPTIONS

work=$(mktemp -d "${TMPDIR:-/tmp}/quorrel-real-window.XXXXXX") || fail "cannot make a temporary folder"
xvfb_pid=
game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# --- No display: one line naming DISPLAY, exit code 1. --------------------------------------
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$quorrel" >"$work/out" 2>"$work/err"
status=$?
[ "$status" -eq 1 ] || fail "without a display the game exited with $status, not 1"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "without a display the game wrote more than one line: $(cat "$work/err")"
grep -q '^quorrel: cannot open a window: no display (is DISPLAY set?)$' "$work/err" ||
    fail "unexpected message without a display: $(cat "$work/err")"
echo "ok: no display -> $(cat "$work/err")"

# --- The tools of the real-window part. ---------------------------------------------------
for tool in Xvfb xdotool import convert; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed (apt-get install xvfb xdotool imagemagick)"
        exit 77
    fi
done

# Polls a command every 0.2 s for up to $1 tries; succeeds as soon as it does.
poll() {
    tries=$1
    shift
    while [ "$tries" -gt 0 ]; do
        "$@" && return 0
        sleep 0.2
        tries=$((tries - 1))
    done
    return 1
}

# --- A virtual display on a free number. ------------------------------------------------------
display=
for n in $(seq 91 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    if poll 25 test -e "/tmp/.X11-unix/X$n" && kill -0 "$xvfb_pid" 2>/dev/null; then
        display=":$n"
        break
    fi
    # Another server took the number meanwhile; try the next.
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=
done
[ -n "$display" ] || fail "could not start Xvfb: $(cat "$work/xvfb.log")"
export DISPLAY="$display"
echo "ok: Xvfb on $display"

# --- The game. --------------------------------------------------------------------------------
mkdir -p "$work/data"
(cd "$work" && XDG_DATA_HOME="$work/data" exec "$quorrel") >"$work/game.out" 2>"$work/game.err" &
game_pid=$!

find_window() {
    window=$(xdotool search --name '^Quorrel$' 2>/dev/null | head -n 1)
    [ -n "$window" ]
}
poll 50 find_window || fail "no window titled Quorrel within 10 s; game said: $(cat "$work/game.err")"
echo "ok: window $window titled Quorrel"

eval "$(xdotool getwindowgeometry --shell "$window")"
echo "ok: window at $X,$Y, $WIDTH x $HEIGHT inside"
# 678 x 578 as stored, or the game's own placement (800 x 600 on first run): anything that
# fits the screen and holds a panel is sane.
[ "$WIDTH" -ge 300 ] && [ "$HEIGHT" -ge 300 ] && [ "$WIDTH" -le 1024 ] && [ "$HEIGHT" -le 768 ] ||
    fail "window size $WIDTH x $HEIGHT is not sane"
[ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le 1024 ] && [ $((Y + HEIGHT)) -le 768 ] ||
    fail "window at $X,$Y ($WIDTH x $HEIGHT) is off the screen"

# Red, green and blue of a screen pixel, 0..255, from the latest screenshot.
pixel() {
    convert "$work/shot.png" -format "%[fx:round(255*p{$1,$2}.r)] %[fx:round(255*p{$1,$2}.g)] %[fx:round(255*p{$1,$2}.b)]" info:
}
# The plain purple window, or the purple marbled tile over it.
purplish() {
    set -- $(pixel "$1" "$2")
    [ "$1" -ge 100 ] && [ "$3" -ge 100 ] && [ "$2" -le 70 ]
}
# Corners of the window, clear of every panel; its middle, where the title panel or the board
# stands.
left=$((X + 20))
right=$((X + WIDTH - 20))
top=$((Y + 20))
bottom=$((Y + HEIGHT - 20))
middle_x=$((X + WIDTH / 2))
middle_y=$((Y + (HEIGHT - 40) / 2))
screen_shows_game() {
    import -window root "$work/shot.png" 2>/dev/null || return 1
    purplish "$left" "$top" && purplish "$right" "$top" && purplish "$left" "$bottom" &&
        purplish "$right" "$bottom" && ! purplish "$middle_x" "$middle_y"
}
if ! poll 25 screen_shows_game; then
    cp "$work/shot.png" "${TMPDIR:-/tmp}/quorrel-real-window-failed.png" 2>/dev/null
    fail "screenshot does not show the purple window with a panel in its middle:" \
        "corners $(pixel "$left" "$top") / $(pixel "$right" "$bottom"), middle $(pixel "$middle_x" "$middle_y")" \
        "(kept as ${TMPDIR:-/tmp}/quorrel-real-window-failed.png)"
fi
echo "ok: screenshot shows purple ($(pixel "$left" "$top")) around a panel ($(pixel "$middle_x" "$middle_y"))"

# --- Closing. -----------------------------------------------------------------------------------
# Without a window manager there is no close box to press; SDL turns SIGTERM into the same quit
# request, so the game unloads as it would from the close box.
kill -TERM "$game_pid"
game_gone() { ! kill -0 "$game_pid" 2>/dev/null; }
poll 25 game_gone || fail "the game did not exit within 5 s of the close request"
wait "$game_pid"
status=$?
game_pid=
[ "$status" -eq 0 ] || fail "the game exited with $status after the close request; it said: $(cat "$work/game.err")"
[ -f "$work/data/Brindlecove Software/Quorrel.dat" ] ||
    fail "no settings file written at unload under XDG_DATA_HOME"
echo "ok: closed, exit 0, settings written"
exit 0
