#!/usr/bin/env bash
# Pictures of the program for the README:
#   bash scripts/screens.sh [BUILD_DIR] [FOLDER]
# runs the examiner's main road (the e2e window test of BUILD_DIR, build/test unless given) on a
# virtual display over the local search service and the registers' sites on loopback; the road
# writes a PNG of each window it passes into FOLDER (docs/screens unless given).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/test}
folder=$(realpath -m "${2:-docs/screens}")
mkdir -p "$folder"

cmake --build "$build" --target e2e_MainRoadTest >/dev/null
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:suppressions=$PWD/tests/ubsan.supp"
ZR_SCREENS_DIR="$folder" xvfb-run -a -s "-screen 0 1280x800x24" "$build/tests/e2e_MainRoadTest" --gtest_brief=1
ls "$folder"/*.png
