#!/bin/sh
# The template matches the code, and every language translates all of it, nothing fuzzy.
set -eu
src=${1:?usage: catalogs_current.sh SOURCE_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$src/tools/catalogs/make_pot.sh" "$src" "$work/quorrel.pot"
diff -u "$src/po/quorrel.pot" "$work/quorrel.pot" || { echo "po/quorrel.pot is out of date" >&2; exit 1; }
for lang in $(grep -v '^#' "$src/po/LINGUAS"); do
    msgmerge -q --no-fuzzy-matching -o "$work/$lang.po" "$src/po/$lang.po" "$work/quorrel.pot" 2>/dev/null
    msgfmt --statistics -o /dev/null "$work/$lang.po" 2>&1 | grep -v 'escape sequence' |
        grep -E 'untranslated|fuzzy' && { echo "po/$lang.po is not complete" >&2; exit 1; }
done
echo "catalogs: the template is current and every language complete"
