#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZR_TESTS=OFF -DZR_BENCH=OFF
cmake --build build/release -j "$(nproc)"

echo "Built the window-free libraries; the client window is not there yet."
echo "The connectivity test can be run: build/release/conntest/ZrProTest"
echo "  (options --main-server=, --web-host=, --support-address=, --connect-timeout=SECONDS,"
echo "   or a ZrProTest.ini beside the program)"
echo "Run scripts/test.sh for the test suite."
