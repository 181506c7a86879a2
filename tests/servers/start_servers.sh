#!/usr/bin/env bash
# Starts the loopback servers in the background and waits until they listen.
# Usage: start_servers.sh STATE_DIR [loopback_servers.py options...]
# Prints the ports file (http=N, https=N, proxy=N, pid=N), which stays at STATE_DIR/ports.
set -euo pipefail

state_dir=${1:?usage: start_servers.sh STATE_DIR [options...]}
shift
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
mkdir -p "$state_dir"
"$here/stop_servers.sh" "$state_dir"
rm -f "$state_dir/ports"

setsid python3 "$here/loopback_servers.py" --state-dir "$state_dir" "$@" \
    >"$state_dir/log" 2>&1 </dev/null &
echo $! >"$state_dir/pid"

for _ in $(seq 200); do
    if [[ -s "$state_dir/ports" ]]; then
        cat "$state_dir/ports"
        exit 0
    fi
    if ! kill -0 "$(cat "$state_dir/pid")" 2>/dev/null; then
        echo "loopback servers failed to start:" >&2
        cat "$state_dir/log" >&2
        exit 1
    fi
    sleep 0.1
done
echo "loopback servers did not report their ports in time" >&2
exit 1
