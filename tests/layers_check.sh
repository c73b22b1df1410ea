#!/bin/sh
# Fails on an include that runs up the layers or on SDL outside the front end's folder.
# Layers, each using only those below it: state <- board <- window <- shell <-
# puzzle, spiro <- menus;
# window/sdl implements the window's platform, and its main.cpp alone wires everything.
cd "${1:-.}" || exit 2  # the source folder

# A folder's rank; puzzle and spiro share a rank, and only puzzle uses spiro (the reward drawing).
rank() {
    case "$1" in
        src/window/sdl/main.cpp) echo 9 ;;
        state*|src/state/*) echo 1 ;;
        board*|src/board/*) echo 2 ;;
        window*|src/window/*) echo 3 ;;
        shell*|src/shell/*) echo 4 ;; menus*|src/menus/*) echo 6 ;;
        puzzle*|src/puzzle/*|spiro*|src/spiro/*) echo 5 ;; *) echo 0 ;;
    esac
}
folder() { echo "$1" | sed 's#^src/##; s#/.*##'; }

status=0
for file in $(find src -name '*.cpp' -o -name '*.h' | sort); do
    own=$(rank "$file")
    for inc in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file"); do
        target=$(rank "$inc")
        [ "$target" -eq 0 ] && continue
        case "$inc:$file" in window/sdl/*:src/window/sdl/*) ;; window/sdl/*)
            echo "$file: includes the front end's $inc"; status=1 ;; esac
        if [ "$target" -gt "$own" ] ||
            { [ "$target" -eq "$own" ] && [ "$own" -eq 5 ] && [ "$(folder "$file")/$(folder "$inc")" = spiro/puzzle ]; }; then
            echo "$file: includes $inc, a layer it may not use"
            status=1
        fi
    done
done
for file in $(grep -rlE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](SDL|fontconfig/)' src tools); do
    case "$file" in src/window/sdl/*) ;; *) echo "$file: SDL outside src/window/sdl"; status=1 ;; esac
done
[ "$status" -eq 0 ] && echo "layers: every include runs down"
exit "$status"
