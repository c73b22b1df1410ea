#!/bin/sh
# Extracts every text the game shows, its menu entry and its AppStream metadata into the
# catalogs' template: tools/catalogs/make_pot.sh SOURCE_DIR OUT.pot. Locations name files
# only, so that lines moving in the code leave the template as it is.
set -eu
src=${1:?usage: make_pot.sh SOURCE_DIR OUT.pot}
out=${2:?usage: make_pot.sh SOURCE_DIR OUT.pot}
cd "$src"
code=$(find src -name '*.cpp' -o -name '*.h' | LC_ALL=C sort)
# shellcheck disable=SC2086  # the file names hold no blanks
xgettext --language=C++ --from-code=UTF-8 --keyword=N_ --keyword=Tr --keyword=text:1,1t --keyword=text:1c,2,2t \
    --add-comments=TRANSLATORS: --add-location=file --package-name=quorrel \
    --msgid-bugs-address=games@brindlecove.example --omit-header -o "$out.code" $code 2>&1 |
    { grep -v "should not contain the '.r' escape" >&2 || true; }
xgettext --from-code=UTF-8 --add-location=file --omit-header -o "$out.data" \
    data/example.brindlecove.Quorrel.desktop data/example.brindlecove.Quorrel.metainfo.xml
{
    printf '# The texts of Quorrel, its menu entry and its AppStream metadata.\n'
    printf '# Made by tools/catalogs/make_pot.sh; the tests check that it is current.\n'
    printf 'msgid ""\nmsgstr ""\n'
    printf '"Project-Id-Version: quorrel\\n"\n'
    printf '"Content-Type: text/plain; charset=UTF-8\\n"\n'
    printf '"Content-Transfer-Encoding: 8bit\\n"\n\n'
    msgcat --add-location=file --use-first "$out.code" "$out.data" 2>/dev/null ||
        cat "$out.code" "$out.data"
} >"$out"
rm -f "$out.code" "$out.data"
