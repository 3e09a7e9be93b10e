#!/usr/bin/env bash
# Load on brambletop-scored with wrk over loopback, each run bounded in time:
#   mixed   90% fetches, 10% submissions
#   fetch   fetches only
#   submit  submissions only, for at most 10 s (the group commit's capacity;
#           longer, the 16,000 addresses would reach their limit of 30)
# Each submission is a score of 72 with the proof of a whole game; PROOFS=off
# sends the phone's body "OK" instead, to a server run with
# --accept-unproven, for comparison.
# Usage: server/bench/load.sh [sqlite|postgres]   (default sqlite)
# DURATION (seconds, at most 30, default 30), CONNECTIONS (default 64),
# THREADS (wrk's, default 2) and RUNS (default "mixed fetch submit") may be
# set. Prints one line per run.
set -euo pipefail
cd "$(dirname "$0")/../.."
source server/bench/listening-port.sh
backend=${1:-sqlite}
duration=${DURATION:-30}
[ "$duration" -gt 30 ] && duration=30
connections=${CONNECTIONS:-64}
threads=${THREADS:-2}
server=build/bin/brambletop-scored
[ -x "$server" ] || { echo "build first: $server is missing" >&2; exit 1; }
command -v wrk >/dev/null || { echo "wrk is missing (Debian package wrk)" >&2; exit 1; }

work=$(mktemp -d)
# Every submission carries the proof of a whole game: the recorded solutions
# of all 72 levels (about par, 1,500 keys), which the server replays.
proof_file=$work/proof.txt
grep -o '^    "[^"]*",' src/game/LevelSolutions.cpp | sed 's/^ *"//; s/",$//' | paste -sd, >"$proof_file"
[ "$(tr -cd , <"$proof_file" | wc -c)" -eq 71 ] || { echo "cannot read the 72 solutions" >&2; exit 1; }
export PROOF_FILE=$proof_file
unproven=
if [ "${PROOFS:-on}" = off ]; then
  export PROOF_FILE=
  unproven=--accept-unproven
fi
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

start_server() {
  "$server" --listen 127.0.0.1:0 --db "$db" --quiet --trusted-proxy 127.0.0.1 $unproven 2>"$work/server.log" &
  server_pid=$!
  wait_for_port "$work/server.log"
}

stop_server() {
  peak=$(awk '/VmHWM/ {print $2}' /proc/"$server_pid"/status)
  kill "$server_pid"
  wait "$server_pid" || true
  server_pid=
}

# Each run on a server started afresh (on the same database), so that the
# per-address limit starts empty: the submissions come from 16,000 addresses.
run() {
  local name=$1 script=$2 share=$3 seconds=$4
  local line load
  load=$(cut -d' ' -f1 /proc/loadavg)
  start_server
  line=$(SUBMIT_SHARE=$share ADDRESSES=$((16000 / threads)) wrk -t"$threads" -c"$connections" \
    -d"${seconds}s" --timeout 5s -s "server/bench/$script" "http://127.0.0.1:$port" | grep '^RESULT')
  stop_server
  echo "$backend $name ${line#RESULT } peak_memory_kib=$peak (load before: $load)"
}

echo "backend run, requests, per second, p50, p99, errors; ${duration}s each (submit 10s), $connections connections, $threads wrk threads"
# The mix first, so that the fetches read a table that holds scores.
for name in ${RUNS:-mixed fetch submit}; do
  case $name in
    mixed) run mixed mixed.lua 0.1 "$duration" ;;
    fetch) run fetch fetch.lua 0 "$duration" ;;
    submit) run submit mixed.lua 1 $((duration < 10 ? duration : 10)) ;;
  esac
done
