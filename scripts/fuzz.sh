#!/usr/bin/env bash
# Longer fuzz campaigns: builds the libFuzzer targets and runs every one of them (or those named,
# such as "zre_document") for SECONDS, up to JOBS at a time (default: one per core). Each target's
# corpus grows in build/fuzz/corpus/<name> from its seeds in fuzz/corpus/<name>, so campaigns
# carry on where the last one stopped; inputs that fail are kept in build/fuzz/crashes/. Prints
# each target's executions and fails when any target failed.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:?usage: scripts/fuzz.sh SECONDS [JOBS [NAME...]]}
jobs=${2:-$(nproc)}
shift $(($# < 2 ? $# : 2))

names=("$@")
if [ ${#names[@]} -eq 0 ]; then
    for source in fuzz/fuzz_*.cpp; do
        name=$(basename "$source" .cpp)
        names+=("${name#fuzz_}")
    done
fi

CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZR_FUZZ=ON -DZR_TESTS=OFF -DZR_BENCH=OFF >/dev/null
cmake --build build/fuzz -j "$jobs" --target "${names[@]/#/fuzz_}"
mkdir -p build/fuzz/crashes

run_target() {
    local name=$1 seconds=$2 build=$PWD/build/fuzz
    mkdir -p "$build/corpus/$name"
    "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/crashes/$name-" "$build/corpus/$name" "$PWD/fuzz/corpus/$name" \
        >"$build/$name.campaign.log" 2>&1
}
export -f run_target
printf '%s\n' "${names[@]}" | xargs -P "$jobs" -I{} bash -c "run_target {} $seconds" || true

failed=0
for name in "${names[@]}"; do
    log=build/fuzz/$name.campaign.log
    runs=$(sed -n 's/^stat::number_of_executed_units: //p' "$log")
    if grep -q "^SUMMARY: \|ERROR: libFuzzer" "$log" || [ -z "$runs" ]; then
        echo "fuzz_$name: FAILED (see $log)"
        failed=1
    else
        echo "fuzz_$name: $runs executions in $seconds s, clean"
    fi
done
exit $failed
