#!/bin/sh
# The catalogs' template matches the code (extracted afresh into a temporary file), and every
# language's catalog holds every text of it, translated and not fuzzy.
set -eu
src=${1:?usage: catalogs_current.sh SOURCE_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$src/tools/catalogs/make_pot.sh" "$src" "$work/quorrel.pot"
if ! diff -u "$src/po/quorrel.pot" "$work/quorrel.pot"; then
    echo "po/quorrel.pot is out of date: tools/catalogs/make_pot.sh . po/quorrel.pot" >&2
    exit 1
fi
status=0
for lang in $(grep -v '^#' "$src/po/LINGUAS"); do
    msgmerge -q --no-fuzzy-matching -o "$work/$lang.po" "$src/po/$lang.po" "$work/quorrel.pot" 2>/dev/null
    untranslated=$(msgattrib --untranslated --no-obsolete "$work/$lang.po" | grep -c '^msgid' || true)
    fuzzy=$(msgattrib --only-fuzzy --no-obsolete "$work/$lang.po" | grep -c '^msgid' || true)
    if [ "$untranslated" -gt 0 ] || [ "$fuzzy" -gt 0 ]; then
        echo "po/$lang.po: $untranslated untranslated, $fuzzy fuzzy" >&2
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "catalogs: the template is current and every language complete"
exit "$status"
