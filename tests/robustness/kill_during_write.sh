#!/bin/sh
# The real game killed while it writes its settings: SIGTERM (the close request) and then
# SIGKILL 0-80 ms later, ROUNDS times. The file must always be the old text or the new one,
# and at most one temp file may be left.   usage: kill_during_write.sh QUORREL [ROUNDS]
# Exit 77 (skipped) when Xvfb or xdotool is missing.
quorrel=$1 rounds=${2:-30}
. "$(dirname "$0")/../support/xvfb.sh"
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "skipped: no Xvfb or xdotool"; exit 77; }
export LSAN_OPTIONS="suppressions=$(dirname "$0")/../real_window/lsan_suppressions.txt"
make_work kill
start_xvfb 191
folder="$work/data/Brindlecove Software" file="$work/data/Brindlecove Software/Quorrel.dat"

# One game: started, closed once its window shows, killed $1 ms after the close (none: let it end).
play() {
    XDG_DATA_HOME="$work/data" "$quorrel" >/dev/null 2>"$work/err" & game_pid=$!
    for i in $(seq 100); do xdotool search --name '^Quorrel$' >/dev/null 2>&1 && break; sleep 0.1; done
    kill -TERM $game_pid
    [ -n "$1" ] && sleep "$(printf '0.%03d' "$1")" && kill -9 $game_pid 2>/dev/null
    { wait $game_pid; } 2>/dev/null; game_pid=
}
play  # the first run writes the text every later run writes: the new content
[ -f "$file" ] || fail "no settings file after a clean close: $(cat "$work/err")"
new=$(od -c "$file")
# The old content: the same values in another layout, so that it reads the same.
tr ' ' ',' <"$file" >"$work/old"
old_count=0 new_count=0
for round in $(seq "$rounds"); do
    cp "$work/old" "$file"
    play $(shuf -i 0-80 -n 1)
    now=$(od -c "$file")
    if [ "$now" = "$(od -c "$work/old")" ]; then old_count=$((old_count + 1))
    elif [ "$now" = "$new" ]; then new_count=$((new_count + 1))
    else fail "round $round: torn settings file: $(cat "$file")"; fi
    extra=$(ls -A "$folder" | grep -vc '^Quorrel\.dat$')
    [ "$extra" -le 1 ] || fail "round $round: $extra temp files: $(ls -A "$folder")"
done
echo "kill -9 during the settings write: $rounds rounds, $old_count old, $new_count new, $(ls -A "$folder" | grep -vc '^Quorrel\.dat$') temp file(s) left"
