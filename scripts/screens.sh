#!/usr/bin/env bash
# Pictures of the program for the README:
#   bash scripts/screens.sh [BUILD_DIR] [FOLDER]
# starts the client of BUILD_DIR (build/release unless given) on a virtual display over the local
# search service with its sample examination (scripts/start_client.sh), waits until its main
# window is drawn, and writes main-window.png into FOLDER (docs/screens unless given).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/release}
folder=${2:-docs/screens}
mkdir -p "$folder"
folder=$(realpath "$folder")
run=$(realpath -m build/screens)

if [ -z "${ZR_SCREENS_DISPLAY:-}" ]; then
    export ZR_SCREENS_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$build" "$folder"
fi

bash scripts/start_client.sh "$build" "$run" 2000 >"$folder/.run.log" 2>&1 &
script=$!
trap 'kill "$(cat "$run/client.pid" 2>/dev/null)" 2>/dev/null || true; wait "$script" || true; rm -f "$folder/.run.log"' EXIT

# The client is up once its process runs and its window has been drawn for a moment.
for _ in $(seq 600); do
    [ -s "$run/client.pid" ] && break
    sleep 0.1
done
[ -s "$run/client.pid" ] || { cat "$folder/.run.log"; exit 1; }
sleep 8
import -window root -depth 8 "$folder/main-window.png"
echo "Wrote $folder/main-window.png"
