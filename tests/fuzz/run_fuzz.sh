#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS from the committed seeds.
#   run_fuzz.sh SECONDS WORK_FOLDER
# A crash fails and leaves its input in WORK_FOLDER; exit 77 (skipped) without clang.
set -uo pipefail
seconds=${1:-20} work=${2:-/tmp/quorrel-fuzz}
here=$(cd "$(dirname "$0")" && pwd)
cxx=$(command -v clang++-14 || command -v clang++) || { echo "skipped: clang++ not found"; exit 77; }
cmake -S "$here" -B "$work" -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE=None >/dev/null &&
    cmake --build "$work" -j2 >"$work/build.log" 2>&1 ||
    { tail -20 "$work/build.log"; echo "fuzz: build failed"; exit 1; }
status=0
for target in settings problems wave typed rewards zoom userdirs learner catalog; do
    corpus="$work/corpus-$target"
    mkdir -p "$corpus"
    "$work/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$work/crash-$target-" "$corpus" "$here/seeds/$target" >"$work/$target.log" 2>&1
    code=$?
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/$target.log" | grep -o '[0-9]*$')
    echo "fuzz $target: ${runs:-?} executions in ${seconds}s, exit $code"
    if [ $code -ne 0 ]; then
        tail -30 "$work/$target.log"
        ls "$work"/crash-"$target"-* 2>/dev/null
        status=1
    fi
done
exit $status
