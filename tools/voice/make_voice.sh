#!/bin/bash
# Regenerates the game's 51 wave files (spoken words, praise, encouragement,
# clicks and the refusal buzz) into the folder given as the only argument.
#
#   tools/voice/make_voice.sh [--festival] Media
#   tools/voice/make_voice.sh --lang fr Media/fr
#
# With --lang, the spoken files of that language are made with espeak-ng from the word list
# tools/voice/words/LL.txt (its voice, then one "NAME<tab>TEXT" line per file) as Ogg Vorbis
# files NAME.OGG; the clicks and the buzz are shared with English and not made again.
#
# Needs flite (with its built-in "slt" voice) and sox. When flite has no slt
# voice, or with --festival, festival's HTS build of the same speaker is used
# (Debian packages festival and festvox-us-slt-hts). The output depends only
# on the installed package versions: sox runs in repeatable mode, so dither
# noise is seeded the same way on every run.
#
# Every file is 22,050 Hz, 16-bit, mono PCM. Spoken files are trimmed tight
# because the game chains them ("30" then "7" for 37): a few milliseconds are
# kept before the first audible sound and a short natural tail after the last.
set -euo pipefail

force_festival=0
lang=""
if [ "${1:-}" = "--festival" ]; then
    force_festival=1
    shift
elif [ "${1:-}" = "--lang" ] && [ $# -ge 2 ]; then
    lang=$2
    shift 2
fi
if [ $# -ne 1 ]; then
    echo "usage: $0 [--festival | --lang LL] OUTPUT_FOLDER" >&2
    exit 2
fi
out=$1
mkdir -p "$out"

for tool in sox awk; do
    command -v "$tool" >/dev/null || { echo "$0: $tool is not installed" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Output format shared by every file; -R makes sox seed its dither the same
# way each time so that a rerun gives byte-identical files.
SOX="sox -R -V1"
FMT=(-r 22050 -b 16 -e signed-integer -c 1)

# Levels in dBFS. Speech is levelled by RMS so that short and long words sound
# equally loud; the peak ceiling keeps loud vowels from clipping.
SPEECH_RMS=-19
SPEECH_PEAK=-1.5
# Onset and end detection thresholds: the voice's synthesis noise floor sits
# near -62 dB, quiet fricatives ("th", "f", "h") start just above -57 dB.
ONSET_DB=-54
END_DB=-48
PRE_ROLL=0.010    # seconds kept before the detected onset
TAIL=0.030        # seconds kept after the detected end, faded out
# The other languages' sets hold up to 130 files each: Ogg Vorbis at this quality keeps
# the words clear at a quarter of the wave size (sox -R fixes the stream serial number too).
OGG_QUALITY=4

# --- choose the synthesiser ---------------------------------------------
engine=""
if [ -n "$lang" ]; then
    command -v espeak-ng >/dev/null || { echo "$0: espeak-ng is not installed" >&2; exit 1; }
    words_file=$(dirname "$0")/words/$lang.txt
    [ -f "$words_file" ] || { echo "$0: no word list $words_file" >&2; exit 1; }
    engine=espeak-ng
    espeak_voice=$(awk -F'\t' '$1 == "voice" {print $2}' "$words_file")
    espeak_rate=$(awk -F'\t' '$1 == "rate" {print $2}' "$words_file")
fi
flite_voice=""
if [ -z "$engine" ] && [ $force_festival -eq 0 ] && command -v flite >/dev/null; then
    if flite -lv 2>/dev/null | grep -qw slt; then
        engine=flite
        flite_voice=slt
    else
        # Some builds ship the voice as a loadable file instead.
        for f in /usr/share/flite/cmu_us_slt.flitevox /usr/lib/*/flite/cmu_us_slt.flitevox; do
            if [ -f "$f" ]; then engine=flite; flite_voice=$f; break; fi
        done
    fi
fi
if [ -z "$engine" ] && command -v text2wave >/dev/null; then
    engine=festival
fi
if [ -z "$engine" ]; then
    echo "$0: neither flite with the slt voice nor festival (text2wave) is installed" >&2
    exit 1
fi

synth_raw() {  # text, output wav (native rate of the synthesiser)
    case $engine in
        flite)
            flite -voice "$flite_voice" -t "$1" -o "$2" ;;
        festival)
            printf '%s\n' "$1" > "$work/text.txt"
            text2wave -eval '(voice_cmu_us_slt_arctic_hts)' -o "$2" "$work/text.txt" ;;
        espeak-ng)
            espeak-ng -v "$espeak_voice" -s "${espeak_rate:-150}" -w "$2" -- "$1" ;;
    esac
}

length_of() {  # seconds of audio that "sox FILE -n EFFECTS" leaves
    local f=$1; shift
    $SOX "$f" -n "$@" stat 2>&1 | awk '/^Length \(seconds\)/ {print $3}'
}

level_of() {  # prints "rms_db peak_db" of a file
    $SOX "$1" -n stats 2>&1 | awk '/^RMS lev dB/ {r=$4} /^Pk lev dB/ {p=$4} END {print r, p}'
}

speak() {  # name, text
    local name=$1 text=$2 raw="$work/raw.wav" cut="$work/cut.wav"
    synth_raw "$text" "$raw"

    local total rest_lead rest_tail
    total=$(length_of "$raw")
    rest_lead=$(length_of "$raw" silence 1 0.010 "${ONSET_DB}d")
    rest_tail=$(length_of "$raw" reverse silence 1 0.010 "${END_DB}d")

    local start end
    read -r start end < <(awk -v t="$total" -v a="$rest_lead" -v b="$rest_tail" \
        -v pre="$PRE_ROLL" -v tail="$TAIL" 'BEGIN {
            s = t - a - pre; if (s < 0) s = 0
            e = b + tail;    if (e > t) e = t
            printf "%.5f %.5f\n", s, e }')

    # Trimmed and resampled, kept in float until the gain is known.
    $SOX "$raw" -e floating-point -b 32 "$cut" \
        trim "$start" "=$end" fade t 0.003 -0 0.025 highpass 60 rate -v 22050

    local gain
    gain=$(level_of "$cut" | awk -v rms="$SPEECH_RMS" -v pk="$SPEECH_PEAK" '{
            g = rms - $1; if ($2 + g > pk) g = pk - $2
            printf "%.2f\n", g }')
    if [ -n "$lang" ]; then
        $SOX "$cut" "${FMT[@]}" "$work/level.wav" gain "$gain"
        $SOX "$work/level.wav" -C "$OGG_QUALITY" "$out/$name.OGG"
    else
        $SOX "$cut" "${FMT[@]}" "$out/$name.WAV" gain "$gain"
    fi
    made=$((made + 1))
}

made=0

if [ -n "$lang" ]; then
    # "numbers A-B" names each number of the range and speaks its digits, which espeak-ng
    # reads by the language's own rules; a later "NAME<tab>TEXT" line replaces the text.
    declare -A say_text=()
    while IFS=$'\t' read -r name say; do
        case $name in
            ''|'#'*|voice|rate) ;;
            numbers) for ((n = ${say%-*}; n <= ${say#*-}; n++)); do say_text[$n]=$n; done ;;
            *) say_text[$name]=$say ;;
        esac
    done < "$words_file"
    for name in "${!say_text[@]}"; do speak "$name" "${say_text[$name]}"; done
    echo "made $made recordings in $out (espeak-ng $espeak_voice)"
    exit 0
fi

# --- sounds made with sox ------------------------------------------------
# Two short clicks a child can tell apart: a bright high tick and a lower,
# slightly longer tock, both with a fast percussive decay.
$SOX -n "${FMT[@]}" "$out/Click1.WAV" \
    synth 0.030 sine 2400 synth 0.030 sine mix 3600 \
    fade l 0.001 0.030 0.028 gain -n -9
$SOX -n "${FMT[@]}" "$out/Click2.WAV" \
    synth 0.045 sine 1300 synth 0.045 sine mix 1950 \
    fade l 0.001 0.045 0.042 gain -n -9
# A soft, low "uh-uh" buzz for a refused click: a falling sawtooth with its
# harsh upper harmonics filtered away and gentle ends.
$SOX -n "${FMT[@]}" "$out/Aah.WAV" \
    synth 0.30 sawtooth 150:118 synth 0.30 square mix 151:119 \
    lowpass 900 lowpass 1400 fade h 0.025 0.30 0.09 gain -n -12
made=$((made + 3))

# --- speech ----------------------------------------------------------------
speak equals "equals"
speak Plus   "plus"
speak Minus  "minus"
speak Times  "times"
speak Divide "divided by"

# "Good4" and "Bad4" are the ones heard at the middle sound level, every time,
# so they carry the plainest phrases.
speak Good0 "Great job!"
speak Good1 "Excellent!"
speak Good2 "You got it!"
speak Good3 "Super!"
speak Good4 "Well done!"
speak Bad0  "Not quite!"
speak Bad1  "Almost! Try again!"
speak Bad2  "Have another go!"
speak Bad3  "Keep trying!"
speak Bad4  "Try again!"

words=(zero one two three four five six seven eight nine ten eleven twelve
       thirteen fourteen fifteen sixteen seventeen eighteen nineteen twenty)
for n in "${!words[@]}"; do
    speak "$n" "${words[$n]}"
done
speak 24  "twenty-four"
speak 30  "thirty"
speak 36  "thirty-six"
speak 40  "forty"
speak 42  "forty-two"
speak 48  "forty-eight"
speak 50  "fifty"
speak 60  "sixty"
speak 70  "seventy"
speak 80  "eighty"
speak 90  "ninety"
speak 100 "one hundred"

echo "made $made wave files in $out (engine: $engine${flite_voice:+ $flite_voice})"
