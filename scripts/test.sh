#!/usr/bin/env bash
# Installs what is missing, builds everything with ASan and UBSan, runs every test, then gives
# each fuzz target a few seconds on its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/deps.sh

jobs=$(nproc)
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZR_SANITIZE=ON \
    -DCMAKE_CXX_FLAGS="-O1" -DZR_BENCH=ON
cmake --build build/test -j "$jobs"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$root/tests/ubsan.supp"
(cd build/test && xvfb-run -a ctest --output-on-failure -j "$jobs") | tee build/test/ctest.log
total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' build/test/ctest.log | tail -n 1)

CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZR_FUZZ=ON -DZR_TESTS=OFF -DZR_BENCH=OFF
cmake --build build/fuzz -j "$jobs"
for target in build/fuzz/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus=fuzz/corpus/${name#fuzz_}
    work=$(mktemp -d)
    echo "Fuzzing $name for a few seconds"
    "$target" -max_total_time=5 -print_final_stats=0 "$work" "$corpus" 2>build/fuzz/$name.log ||
        { tail -n 40 build/fuzz/$name.log; exit 1; }
    rm -rf "$work"
done
echo "Tests: ${total:-0} passed, 0 failed"
