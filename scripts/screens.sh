#!/usr/bin/env bash
# Pictures of the program for the README:
#   bash scripts/screens.sh [BUILD_DIR] [FOLDER]
# runs, on a virtual display over the local search service and the registers' sites on loopback,
# the window test that opens every window of the program (each dialog, each page of the sheets,
# the options pages and the wizard and each tab within them, each frame and each tab of the
# details window, the notices of start-up and the windows of printing), then the examiner's main
# road; both of
# BUILD_DIR (build/test unless given). Each writes a PNG of every window it shows into FOLDER
# (docs/screens unless given), named after the window; the main road's pictures, of a fuller
# examination, replace the window test's of the same windows. Last, the client of that build is
# started as run.sh starts it, and the screen with the sample examination becomes sample.png.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/test}
folder=$(realpath -m "${2:-docs/screens}")
mkdir -p "$folder"

tests=(e2e_EveryWindowTest e2e_MainRoadTest)
cmake --build "$build" --target "${tests[@]}" >/dev/null
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:suppressions=$PWD/tests/ubsan.supp"
for test in "${tests[@]}"; do
    ZR_SCREENS_DIR="$folder" xvfb-run -a -s "-screen 0 1280x800x24" "$build/tests/$test" \
        --gtest_brief=1
done

# The sample's window as the client opens it; its rows are drawn once their records and images
# have come.
cmake --build "$build" --target ZRPro zr_testsvc zr_sample_exam >/dev/null
run=$(mktemp -d)
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    bash scripts/start_client.sh "$1" "$2/run" >"$2/start.log" 2>&1 &
    starter=$!
    window=
    for _ in $(seq 600); do
        window=$(xwininfo -root -tree | grep -F "\"Sample.zre - RO Vedaridarevu\"" | awk "{print \$1}")
        [ -n "$window" ] && break
        sleep 0.5
    done
    # Without a window id, import would wait for a click on the display instead.
    if [ -z "$window" ]; then
        echo "The client did not show the sample; see $2/start.log" >&2
        kill "$starter"
        wait
        exit 1
    fi
    sleep 3
    import -window "$window" -strip -define png:compression-level=9 PNG8:"$3/sample.png"
    kill "$(cat "$2/run/client.pid")"
    wait
' _ "$build" "$run" "$folder"
rm -rf "$run"
ls "$folder"/*.png
