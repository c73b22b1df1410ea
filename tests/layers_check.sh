#!/bin/sh
# Fails on an include that runs up the layers or on SDL outside the SDL platform's folder.
# Layers, each using only those below it: state <- files <- board <- window <- screens <- shell <-
# puzzle, spiro <- menus <- the platforms (sdl, headless, web; none uses another) <- app, the
# game's mains, which alone wire everything. Emscripten's headers stay in the web platform and
# the web main.
cd "${1:-.}" || exit 2  # the source folder

# A folder's rank; puzzle and spiro share a rank, and only puzzle uses spiro (the reward drawing).
rank() {
    case "$1" in
        state/*|src/state/*) echo 1 ;;
        files/*|src/files/*) echo 2 ;;
        board/*|src/board/*) echo 3 ;;
        window/*|src/window/*) echo 4 ;;
        screens/*|src/screens/*) echo 5 ;;
        shell/*|src/shell/*) echo 6 ;;
        puzzle/*|src/puzzle/*|spiro/*|src/spiro/*) echo 7 ;;
        menus/*|src/menus/*) echo 8 ;;
        platform/*|src/platform/*) echo 9 ;;
        app/*|src/app/*) echo 10 ;;
        *) echo 0 ;;
    esac
}
folder() { echo "$1" | sed 's#^src/##; s#/.*##'; }
platform() { echo "$1" | sed -n 's#^\(src/\)\{0,1\}platform/\([^/]*\)/.*#\2#p'; }

status=0
for file in $(find src -name '*.cpp' -o -name '*.h' | sort); do
    own=$(rank "$file")
    for inc in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file"); do
        target=$(rank "$inc")
        [ "$target" -eq 0 ] && continue
        if [ "$target" -gt "$own" ] ||
            { [ "$target" -eq "$own" ] && [ "$own" -eq 7 ] && [ "$(folder "$file")/$(folder "$inc")" = spiro/puzzle ]; } ||
            { [ "$own" -eq 9 ] && [ "$target" -eq 9 ] && [ "$(platform "$file")" != "$(platform "$inc")" ]; }; then
            echo "$file: includes $inc, a layer it may not use"
            status=1
        fi
    done
done
for file in $(grep -rlE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](SDL|fontconfig/)' src tools); do
    case "$file" in src/platform/sdl/*) ;; *) echo "$file: SDL outside src/platform/sdl"; status=1 ;; esac
done
for file in $(grep -rlE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]emscripten' src tools); do
    case "$file" in src/platform/web/*|src/app/web_main.cpp) ;; *) echo "$file: emscripten outside the web platform"; status=1 ;; esac
done
[ "$status" -eq 0 ] && echo "layers: every include runs down"
exit "$status"
