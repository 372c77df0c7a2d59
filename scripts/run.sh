#!/usr/bin/env bash
# Installs what is missing, builds the Release programs and starts the client, logged in over the
# local search service with a sample examination (scripts/start_client.sh, in build/run).
# Without a display it builds, says how to run the client, and fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZR_TESTS=OFF -DZR_BENCH=OFF
cmake --build build/release -j "$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<TEXT
Built build/release/app/ZRPro, but the client shows windows and needs a display: neither DISPLAY
nor WAYLAND_DISPLAY is set here, so it was not started. Run it
  - on a virtual display:   xvfb-run -a bash scripts/run.sh
  - or over SSH with X forwarding (ssh -X), or with DISPLAY set to a display you may use.
The connectivity test is build/release/conntest/ZrProTest.
TEXT
    exit 2
fi
exec bash scripts/start_client.sh build/release build/run
