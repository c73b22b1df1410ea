#!/bin/bash
# The spoken numbers and operators against an offline recogniser held to a grammar of the
# game's own words, so each file is judged against what it could be confused with in play.
#   check_voice.sh [--min K] MEDIA_FOLDER
# Prints one line per file and "score: K/N recognised"; "skipped: ..." (exit 0) without
# pocketsphinx; exit 1 when a file is missing or fewer than K are recognised.
set -uo pipefail
min=0
[ "${1:-}" = --min ] && { min=$2; shift 2; }
media=${1:?usage: check_voice.sh [--min K] MEDIA_FOLDER}

# Two generations of the command-line front end are in circulation.
if command -v pocketsphinx_continuous >/dev/null; then front=continuous
elif command -v pocketsphinx >/dev/null && pocketsphinx help 2>&1 | grep -q single; then front=single
else echo "skipped: pocketsphinx not installed"; exit 0; fi
model=""
for d in /usr/share/pocketsphinx/model/en-us /usr/local/share/pocketsphinx/model/en-us; do
    [ -d "$d/en-us" ] && [ -f "$d/cmudict-en-us.dict" ] && { model=$d/en-us; dict=$d/cmudict-en-us.dict; break; }
done
[ -n "$model" ] || { echo "skipped: pocketsphinx English model not installed"; exit 0; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
table=("0:zero" "1:one" "2:two" "3:three" "4:four" "5:five" "6:six" "7:seven" "8:eight"
    "9:nine" "10:ten" "11:eleven" "12:twelve" "13:thirteen" "14:fourteen" "15:fifteen"
    "16:sixteen" "17:seventeen" "18:eighteen" "19:nineteen" "20:twenty" "24:twenty four"
    "30:thirty" "36:thirty six" "40:forty" "42:forty two" "48:forty eight" "50:fifty"
    "60:sixty" "70:seventy" "80:eighty" "90:ninety" "100:one hundred" "Plus:plus"
    "Minus:minus" "Times:times" "Divide:divided by" "equals:equals")
words=$(printf '%s\n' "${table[@]}" | cut -d: -f2 | paste -sd'|' | sed 's/|/ | /g')
printf '#JSGF V1.0;\ngrammar quorrel;\npublic <word> = %s ;\n' "$words" > "$work/words.gram"

# The model wants 16 kHz and some silence around the word; the files are 22,050 Hz and
# trimmed tight. sox fixes both; without it the decoder is told the rate.
recognise() {
    local f=$work/in.wav opts=()
    if command -v sox >/dev/null; then
        sox -V1 "$1" -r 16000 -b 16 -e signed-integer -c 1 "$f" pad 0.3 0.3 2>/dev/null || return 1
    else f=$1; opts=(-samprate 22050 -nfft 1024); fi
    if [ $front = continuous ]; then
        pocketsphinx_continuous -infile "$f" -hmm "$model" -dict "$dict" -jsgf "$work/words.gram" \
            "${opts[@]}" 2>/dev/null | tr '\n' ' '
    else
        pocketsphinx -hmm "$model" -dict "$dict" -jsgf "$work/words.gram" "${opts[@]}" single "$f" \
            2>/dev/null | sed -n 's/.*"t": *"\([^"]*\)".*/\1/p' | tr '\n' ' '
    fi
}

good=0 missing=0
for entry in "${table[@]}"; do
    name=${entry%%:*} want=${entry#*:}
    if [ ! -f "$media/$name.WAV" ]; then echo "$name.WAV MISSING"; missing=1; continue; fi
    heard=$(recognise "$media/$name.WAV" | tr -s ' ' | sed 's/^ //; s/ $//')
    verdict=WRONG
    [ "$heard" = "$want" ] && { verdict=ok; good=$((good + 1)); }
    printf '%-12s %-14s %-16s %s\n' "$name.WAV" "$want" "${heard:-(nothing)}" "$verdict"
done
echo "score: $good/${#table[@]} recognised"
[ $missing -eq 0 ] && [ "$good" -ge "$min" ]
