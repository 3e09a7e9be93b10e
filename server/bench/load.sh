#!/usr/bin/env bash
# Load on brambletop-scored with wrk over loopback, each run bounded in time:
#   fetch   fetches only
#   mixed   90% fetches, 10% submissions
#   submit  submissions only (the group commit's capacity)
# Usage: server/bench/load.sh [sqlite|postgres]   (default sqlite)
# DURATION (seconds, at most 30, default 30), CONNECTIONS (default 64) and
# THREADS (wrk's, default 2) may be set. Prints one line per run.
set -euo pipefail
cd "$(dirname "$0")/../.."
backend=${1:-sqlite}
duration=${DURATION:-30}
[ "$duration" -gt 30 ] && duration=30
connections=${CONNECTIONS:-64}
threads=${THREADS:-2}
server=build/bin/brambletop-scored
[ -x "$server" ] || { echo "build first: $server is missing" >&2; exit 1; }
command -v wrk >/dev/null || { echo "wrk is missing (Debian package wrk)" >&2; exit 1; }

work=$(mktemp -d)
pg_state=$work/pg
server_pid=
cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null
  [ "$backend" = postgres ] && bash tests/server/postgres.sh stop "$pg_state"
  rm -rf "$work"
}
trap cleanup EXIT

case $backend in
  sqlite) db=$work/scores.db ;;
  postgres)
    # Durable commits, as in production: the tests' server runs without fsync.
    BT_POSTGRES_FSYNC=on bash tests/server/postgres.sh start "$pg_state"
    db=$(cat "$pg_state/url")
    ;;
  *) echo "usage: load.sh [sqlite|postgres]" >&2; exit 2 ;;
esac

"$server" --listen 127.0.0.1:0 --db "$db" --quiet --trusted-proxy 127.0.0.1 2>"$work/server.log" &
server_pid=$!
for _ in $(seq 100); do
  grep -q "listening on" "$work/server.log" && break
  sleep 0.05
done
port=$(sed -n 's/.*listening on [^,]*:\([0-9]*\),.*/\1/p' "$work/server.log")
[ -n "$port" ] || { cat "$work/server.log" >&2; exit 1; }
url=http://127.0.0.1:$port

run() {
  local name=$1 script=$2 share=$3
  local line
  line=$(SUBMIT_SHARE=$share wrk -t"$threads" -c"$connections" -d"${duration}s" --timeout 5s \
    -s "server/bench/$script" "$url" | grep '^RESULT')
  echo "$backend $name ${line#RESULT } (load before: $(cut -d' ' -f1 /proc/loadavg))"
}

echo "backend run requests rps p50 p99 errors; ${duration}s each, $connections connections, $threads wrk threads"
run fetch fetch.lua 0
run mixed mixed.lua 0.1
run submit mixed.lua 1
rss=$(awk '/VmHWM/ {print $2}' /proc/"$server_pid"/status)
echo "$backend server peak memory ${rss} KiB"
