#!/usr/bin/env bash
# Runs the built client against the local search service:
#   bash scripts/start_client.sh BUILD_DIR RUN_DIR
# starts zr_testsvc on a free loopback port, waits until it answers, writes the system settings
# beside the client (the service's repositories, RUN_DIR/home as the home folder), saves an
# automatic login for TESTCO/examiner and a sample examination (zr_sample_exam), then starts the
# client on it with its configuration folder inside RUN_DIR. The service stops when the client
# ends or the script is interrupted. service.pid and client.pid in RUN_DIR name the two
# processes while they run.
set -euo pipefail

build=$(realpath "$1")
run=$(realpath -m "$2")
app=$build/app
mkdir -p "$run/home" "$run/config"
export XDG_CONFIG_HOME=$run/config

service=
client=
stop() {
    trap - EXIT INT TERM
    if [ -n "$client" ]; then kill "$client" 2>/dev/null || true; wait "$client" 2>/dev/null || true; fi
    if [ -n "$service" ]; then kill "$service" 2>/dev/null || true; wait "$service" 2>/dev/null || true; fi
    rm -f "$run/service.pid" "$run/client.pid"
}
trap stop EXIT
trap 'exit 130' INT TERM

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
rm -f "$run/addresses"
"$build/testsvc/zr_testsvc" --port "$port" --marks 2000 --address-file "$run/addresses" \
    >"$run/service.log" 2>&1 &
service=$!
echo "$service" >"$run/service.pid"
for _ in $(seq 300); do
    grep -q '^control ' "$run/addresses" 2>/dev/null && break
    if ! kill -0 "$service" 2>/dev/null; then
        echo "The search service did not start:"
        cat "$run/service.log"
        exit 1
    fi
    sleep 0.1
done
grep -q '^control ' "$run/addresses" || { echo "The search service does not answer."; exit 1; }
echo "Search service on 127.0.0.1:$port"

cat >"$app/ZrSystem.ini" <<INI
[Locations]
Home=$run/home
[Repository]
Remote1=$(sed -n 's/^remote //p' "$run/addresses")
Local=$(sed -n 's/^local //p' "$run/addresses")
INI
"$build/testsvc/zr_sample_exam" --program-dir "$app" --output "$run/home/Sample.zre"

"$app/ZRPro" "$run/home/Sample.zre" &
client=$!
echo "$client" >"$run/client.pid"
wait "$client" || true
