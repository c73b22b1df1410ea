#!/bin/sh
# The help catalogs are complete (no text missing, untranslated or fuzzy), and the help the game
# reads and the help pages are what they make. Skipped (77) where gettext is not installed.
# Usage: help_current.sh SOURCE_DIR
set -eu
source=$1
command -v msgfmt >/dev/null && command -v msgen >/dev/null || { echo "skipped: no gettext"; exit 77; }
python3 "$source/tools/help/make_help.py" "$source" --check

