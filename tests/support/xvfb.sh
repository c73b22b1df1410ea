# Shared by the scripts that run the real game: failing with a reason, polling, a temporary
# folder removed at exit (with the game and the display), and a virtual display of its own.
fail() { echo "FAIL: $*" >&2; exit 1; }
poll() {  # tries command...: every 0.2 s
    tries=$1; shift
    while [ "$tries" -gt 0 ]; do "$@" && return 0; sleep 0.2; tries=$((tries - 1)); done
    return 1
}
make_work() {  # name: sets $work
    work=$(mktemp -d "${TMPDIR:-/tmp}/quorrel-$1.XXXXXX") || fail "no temporary folder"
    xvfb_pid= game_pid=
    trap cleanup EXIT
    trap 'exit 1' INT TERM HUP
}
cleanup() {
    [ -n "$game_pid" ] && kill -9 "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
# Starts Xvfb on the first free display from the number given (scripts that may run at the
# same time start from different numbers) and exports DISPLAY.
start_xvfb() {
    for n in $(seq "$1" $(($1 + 49))); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        # -noreset: a server that resets when its last client goes refuses the next one meanwhile.
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        poll 25 test -e "/tmp/.X11-unix/X$n" && kill -0 "$xvfb_pid" 2>/dev/null &&
            export DISPLAY=":$n" && return 0
        kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; xvfb_pid=  # taken meanwhile
    done
    fail "could not start Xvfb: $(cat "$work/xvfb.log")"
}
