#!/bin/sh
# The game as a family gets it: a game-only build (no tests), installed into a prefix that is
# then moved elsewhere, run under Xvfb from outside the source tree; its desktop file, AppStream
# metadata and man page validated; its Debian package built and checked by lintian.
#
# usage: install_test.sh SOURCE_DIR WORK_BUILD_DIR   (exit 77: a needed tool is missing)
src=$1
build=$2
. "$(dirname "$0")/../support/xvfb.sh"
[ -d "$src" ] && [ -n "$build" ] || { echo "usage: $0 SOURCE_DIR WORK_BUILD_DIR" >&2; exit 2; }
for tool in Xvfb import convert desktop-file-validate appstreamcli groff cpack lintian dpkg-deb; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
make_work install

# --- A game-only build: breaks here when the game needs a test package to build. -------------
cmake -S "$src" -B "$build" -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$work/log" 2>&1 ||
    fail "configure without tests: $(tail -5 "$work/log")"
[ -e "$build/tests" ] && fail "BUILD_TESTING=OFF still configured the tests"
cmake --build "$build" -j 2 >"$work/log" 2>&1 || fail "game-only build: $(tail -20 "$work/log")"

# --- Installed under /usr in a staging folder, then moved: nothing may point back. -----------
DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >"$work/log" 2>&1 ||
    fail "install: $(tail -5 "$work/log")"
mv "$work/stage/usr" "$work/moved" && rm -rf "$work/stage"
root="$work/moved"
id=example.brindlecove.Quorrel
for path in bin/quorrel share/quorrel/Media/BIN24.DAT share/quorrel/Media/fr/71.OGG \
    share/quorrel/pictures/title.png share/quorrel/help/topic-1000.html share/applications/$id.desktop \
    share/metainfo/$id.metainfo.xml share/locale/es/LC_MESSAGES/quorrel.mo share/locale/ar/LC_MESSAGES/quorrel.mo \
    share/icons/hicolor/16x16/apps/$id.png share/man/man6/quorrel.6.gz \
    share/icons/hicolor/512x512/apps/$id.png share/icons/hicolor/scalable/apps/$id.svg \
    share/doc/quorrel/copyright share/doc/quorrel/changelog.gz share/doc/quorrel/README.md; do
    [ -f "$root/$path" ] || fail "not installed: $path"
done
[ -e "$root/bin/quorrel-driver" ] && fail "the driver was installed"
echo "ok: installed and moved to $root"

# --- The command line. -----------------------------------------------------------------------
game="$root/bin/quorrel"
[ "$("$game" --version)" = "Quorrel 4.0" ] || fail "--version said: $("$game" --version)"
"$game" --help | grep -q '^Usage: quorrel' || fail "--help prints no usage"
"$game" --frobnicate >"$work/out" 2>"$work/err"
[ $? -eq 2 ] && [ ! -s "$work/out" ] && [ "$(wc -l <"$work/err")" -eq 1 ] &&
    grep -q "frobnicate.*quorrel --help" "$work/err" || fail "unknown option: $(cat "$work/err")"
echo "ok: --version, --help, unknown option -> exit 2"

# --- The moved game under Xvfb, from a folder outside the source tree. -----------------------
start_xvfb 141
display=$DISPLAY
mkdir -p "$work/data" "$work/cwd"
(cd "$work/cwd" && export DISPLAY="$display" XDG_DATA_HOME="$work/data" && exec "$game") 2>"$work/game.err" &
game_pid=$!
colours() { DISPLAY=$display import -window root "$work/shot.png" 2>/dev/null &&
    [ "$(convert "$work/shot.png" -format %k info:)" -gt 50 ]; }
poll 50 colours || fail "the screen stays (nearly) one colour; game said: $(cat "$work/game.err")"
# The game's own lines start with its name (a missing data folder among them); a sound library
# may talk about a machine without a sound card, which is not the game's concern.
grep '^quorrel:' "$work/game.err" && fail "the installed game complained"
echo "ok: the title picture shows ($(convert "$work/shot.png" -format %k info:) colours)"
kill -TERM "$game_pid"
gone() { ! kill -0 "$game_pid" 2>/dev/null; }
poll 25 gone || fail "no exit within 5 s of SIGTERM"
wait "$game_pid"; status=$?; game_pid=
[ "$status" -eq 0 ] || fail "exit $status after SIGTERM"
[ -s "$work/data/Brindlecove Software/Quorrel.dat" ] || fail "no settings written at SIGTERM"
echo "ok: SIGTERM -> settings written, exit 0"

# --- Desktop metadata and the man page. ------------------------------------------------------
desktop-file-validate "$root/share/applications/$id.desktop" >"$work/log" 2>&1 ||
    fail "desktop file: $(cat "$work/log")"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" >"$work/log" 2>&1 ||
    fail "metainfo: $(cat "$work/log")"
gzip -dc "$root/share/man/man6/quorrel.6.gz" | groff -man -Tutf8 -ww -z >"$work/log" 2>&1
[ -s "$work/log" ] && fail "man page warnings: $(cat "$work/log")"
echo "ok: desktop file, metainfo and man page validate"

# --- The Debian package. ---------------------------------------------------------------------
rm -f "$build"/quorrel_*.deb
(cd "$build" && cpack -G DEB) >"$work/log" 2>&1 || fail "cpack: $(tail -10 "$work/log")"
deb=$(ls "$build"/quorrel_*.deb)
lintian "$deb" >"$work/lintian" 2>&1
grep '^E:' "$work/lintian" && fail "lintian reports errors"
dpkg-deb -c "$deb" | awk '{print $6}' >"$work/list"
for path in ./usr/games/quorrel ./usr/share/quorrel/Media/BIN24.DAT ./usr/share/applications/$id.desktop \
    ./usr/share/man/man6/quorrel.6.gz ./usr/share/doc/quorrel/copyright ./usr/share/doc/quorrel/changelog.gz \
    ./usr/share/quorrel/pictures/title@3x.png ./usr/share/quorrel/help/locale/ar.mo \
    ./usr/share/quorrel/help/ar/topic-1000.html; do
    grep -qx "$path" "$work/list" || fail "the package lacks $path"
done
dpkg-deb -f "$deb" Depends | grep -q "fonts-dejavu-core" || fail "the package does not depend on its fonts"
echo "ok: $(basename "$deb"), lintian: $(grep -c '^W:' "$work/lintian") warnings, no errors"
