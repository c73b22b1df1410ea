#!/bin/bash
# Runs an offline recogniser over the spoken number and operator files and
# reports, per file, what it heard against what the file should say.
#
#   tools/voice/check_voice.sh [--min K] [MEDIA_FOLDER]
#
# MEDIA_FOLDER defaults to Media/ at the top of the checkout. The recogniser is
# held to a grammar of the game's own words, so each file is judged only
# against the words it could be confused with in play (teens against tens,
# mostly). Prints one line per file and a last line "score: K/N recognised".
#
# Exit status: 0 normally, also when pocketsphinx is not installed (then it
# prints "skipped: ..."); 1 when a file is missing, or when --min K is given
# and fewer than K files are recognised; 2 on a usage error.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
media="$here/../../Media"
min=""
while [ $# -gt 0 ]; do
    case $1 in
        --min) [ $# -ge 2 ] || { echo "usage: $0 [--min K] [MEDIA_FOLDER]" >&2; exit 2; }
               min=$2; shift 2 ;;
        -h|--help) sed -n '2,16p' "$0"; exit 0 ;;
        *) media=$1; shift ;;
    esac
done

# Two generations of the command-line front end are in circulation: the old
# pocketsphinx_continuous (Debian 12) and the newer "pocketsphinx single".
if command -v pocketsphinx_continuous >/dev/null; then
    front=continuous
elif command -v pocketsphinx >/dev/null && pocketsphinx help 2>&1 | grep -q single; then
    front=single
else
    echo "skipped: pocketsphinx not installed"
    exit 0
fi

model=""
dict=""
for d in /usr/share/pocketsphinx/model/en-us /usr/local/share/pocketsphinx/model/en-us; do
    if [ -d "$d/en-us" ] && [ -f "$d/cmudict-en-us.dict" ]; then
        model="$d/en-us"; dict="$d/cmudict-en-us.dict"; break
    fi
done
if [ -z "$model" ]; then
    echo "skipped: pocketsphinx English model not installed"
    exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# file name : words it should be heard as
table=(
    "0:zero" "1:one" "2:two" "3:three" "4:four" "5:five" "6:six" "7:seven"
    "8:eight" "9:nine" "10:ten" "11:eleven" "12:twelve" "13:thirteen"
    "14:fourteen" "15:fifteen" "16:sixteen" "17:seventeen" "18:eighteen"
    "19:nineteen" "20:twenty" "24:twenty four" "30:thirty" "36:thirty six"
    "40:forty" "42:forty two" "48:forty eight" "50:fifty" "60:sixty"
    "70:seventy" "80:eighty" "90:ninety" "100:one hundred"
    "Plus:plus" "Minus:minus" "Times:times" "Divide:divided by" "equals:equals"
)

{
    echo "#JSGF V1.0;"
    echo "grammar quorrel;"
    printf 'public <word> = '
    first=1
    for entry in "${table[@]}"; do
        [ $first -eq 1 ] || printf ' | '
        printf '%s' "${entry#*:}"
        first=0
    done
    echo " ;"
} > "$work/words.gram"

# The acoustic model is trained on 16 kHz speech, and its voice-activity
# detector wants some silence around the word; the game's files are 22,050 Hz
# and trimmed tight. sox fixes both; without sox the decoder is told the rate.
have_sox=0
command -v sox >/dev/null && have_sox=1

recognise() {  # wav file -> prints the words heard (may be empty)
    local in=$1 f="$work/in.wav" rate_opts=()
    if [ $have_sox -eq 1 ]; then
        sox -V1 "$in" -r 16000 -b 16 -e signed-integer -c 1 "$f" pad 0.3 0.3 2>/dev/null || return 1
    else
        f=$in
        rate_opts=(-samprate 22050 -nfft 1024)
    fi
    case $front in
        continuous)
            pocketsphinx_continuous -infile "$f" -hmm "$model" -dict "$dict" \
                -jsgf "$work/words.gram" "${rate_opts[@]}" 2>/dev/null | tr '\n' ' ' ;;
        single)
            pocketsphinx -hmm "$model" -dict "$dict" -jsgf "$work/words.gram" \
                "${rate_opts[@]}" single "$f" 2>/dev/null \
                | sed -n 's/.*"t": *"\([^"]*\)".*/\1/p' | tr '\n' ' ' ;;
    esac
}

total=0
good=0
missing=0
misses=()
for entry in "${table[@]}"; do
    name=${entry%%:*}
    want=${entry#*:}
    file="$media/$name.WAV"
    total=$((total + 1))
    if [ ! -f "$file" ]; then
        printf '%-12s %-14s %-16s %s\n' "$name.WAV" "$want" "-" "MISSING"
        missing=$((missing + 1))
        continue
    fi
    heard=$(recognise "$file" | tr -s ' ' | sed 's/^ //; s/ $//')
    if [ "$heard" = "$want" ]; then
        verdict=ok
        good=$((good + 1))
    else
        verdict=WRONG
        misses+=("$name=${heard:-(nothing)}")
    fi
    printf '%-12s %-14s %-16s %s\n' "$name.WAV" "$want" "${heard:-(nothing)}" "$verdict"
done

[ ${#misses[@]} -eq 0 ] || echo "misheard: ${misses[*]}"
echo "score: $good/$total recognised"

[ $missing -eq 0 ] || exit 1
if [ -n "$min" ] && [ "$good" -lt "$min" ]; then
    exit 1
fi
exit 0
