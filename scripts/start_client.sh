#!/usr/bin/env bash
# Runs the built client against the local search service:
#   bash scripts/start_client.sh BUILD_DIR RUN_DIR [MARKS]
# RUN_DIR is made afresh: a process of an earlier run still named in it is stopped, and nothing
# of that run is kept. The script starts zr_testsvc on a free loopback port with MARKS marks per
# register (20000 unless given), waits until it answers, and writes a private settings folder:
# RUN_DIR/prog holds a link to the client with its system settings beside it (the service's
# repositories, RUN_DIR/home as the home folder, an automatic login for TESTCO/examiner), and
# RUN_DIR/config is the user's configuration folder. It saves a sample examination
# (zr_sample_exam), puts the sample report templates (testsvc/sample/templates) in the home
# folder's templates folder and starts the client on the examination. The service stops when
# the client ends or the script is interrupted. service.pid and client.pid in RUN_DIR name the
# two processes while they run.
set -euo pipefail

source=$(realpath "$(dirname "$0")/..")
build=$(realpath "$1")
run=$(realpath -m "$2")
marks=${3:-20000}

# A process named in a pid file of an earlier run is stopped only while it is still one of ours.
stop_stale() {
    local file=$1 program=$2 pid
    pid=$(cat "$file" 2>/dev/null || true)
    [ -n "$pid" ] || return 0
    if tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q "$program"; then
        echo "Stopping $program of an earlier run ($pid)"
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    fi
}
stop_stale "$run/client.pid" ZRPro
stop_stale "$run/service.pid" zr_testsvc
rm -rf "$run"
mkdir -p "$run/prog" "$run/home" "$run/config"
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
"$build/testsvc/zr_testsvc" --port "$port" --marks "$marks" --address-file "$run/addresses" \
    >"$run/service.log" 2>&1 &
service=$!
echo "$service" >"$run/service.pid"
for _ in $(seq 600); do
    grep -q '^control ' "$run/addresses" 2>/dev/null && break
    if ! kill -0 "$service" 2>/dev/null; then
        echo "The search service did not start:"
        cat "$run/service.log"
        exit 1
    fi
    sleep 0.1
done
grep -q '^control ' "$run/addresses" || { echo "The search service does not answer."; exit 1; }
echo "Search service on 127.0.0.1:$port with $marks marks a register"

# The client reads its system settings beside its own file, which a symbolic link would not move.
ln -f "$build/app/ZRPro" "$run/prog/ZRPro" 2>/dev/null || cp "$build/app/ZRPro" "$run/prog/ZRPro"
cat >"$run/prog/ZrSystem.ini" <<INI
[Locations]
Home=$run/home
[Repository]
Remote1=$(sed -n 's/^remote //p' "$run/addresses")
Local=$(sed -n 's/^local //p' "$run/addresses")
INI
"$build/testsvc/zr_sample_exam" --program-dir "$run/prog" --output "$run/home/Sample.zre"
# The report templates to try File > Report with, in the templates folder of the home folder.
mkdir -p "$run/home/template"
cp "$source/testsvc/sample/templates/"* "$run/home/template/"

"$run/prog/ZRPro" "$run/home/Sample.zre" &
client=$!
echo "$client" >"$run/client.pid"
wait "$client" || true
