#!/usr/bin/env bash
# Stops the loopback servers started by start_servers.sh for STATE_DIR; quiet when none run.
set -euo pipefail

state_dir=${1:?usage: stop_servers.sh STATE_DIR}
pid_file="$state_dir/pid"
[[ -f "$pid_file" ]] || exit 0
pid=$(cat "$pid_file")
if kill -0 "$pid" 2>/dev/null; then
    kill -TERM "$pid"
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && kill -KILL "$pid"
fi
rm -f "$pid_file" "$state_dir/ports"
