#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it, logged in over the local search
# service with a sample examination (scripts/start_client.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZR_TESTS=OFF -DZR_BENCH=OFF
cmake --build build/release -j "$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Built build/release/app/ZRPro. The client shows windows and needs a display: no X or"
    echo "Wayland display is set here (DISPLAY is empty), so it was not started."
    echo "With a display, run scripts/run.sh again; the connectivity test is"
    echo "build/release/conntest/ZrProTest."
    exit 0
fi
exec bash scripts/start_client.sh build/release build/run
