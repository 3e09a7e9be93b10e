#!/usr/bin/env bash
# The score fetch against the HTTP library's own server giving the same
# answer (bench_fixed_answer), in one run with wrk over loopback, so that the
# ratio of their rates says what the score server's own work costs, however
# loaded the machine is: each round measures every server once, in turn, on
# the game's fetch (fetch.lua) with the same connections.
# Usage: server/bench/fetch-ratio.sh [SCORED...]   (default
# build/bin/brambletop-scored; several, to compare builds). DURATION
# (seconds each, at most 30, default 10), ROUNDS (default 3), CONNECTIONS
# (default 8: the library's pool serves 8 at once, and the score server takes
# 32 from one address) and THREADS (wrk's, default 2) may be set. Prints one
# line per run and the ratio of each score server's rate to the fixed
# answer's, over all rounds.
set -euo pipefail
cd "$(dirname "$0")/../.."
duration=${DURATION:-10}
[ "$duration" -gt 30 ] && duration=30
rounds=${ROUNDS:-3}
connections=${CONNECTIONS:-8}
threads=${THREADS:-2}
build=${BT_BUILD:-build}
fixed=$build/bin/bench_fixed_answer
scored=("$@")
[ ${#scored[@]} -eq 0 ] && scored=("$build/bin/brambletop-scored")
for program in "$fixed" "${scored[@]}"; do
  [ -x "$program" ] || { echo "build first: $program is missing" >&2; exit 1; }
done
command -v wrk >/dev/null || { echo "wrk is missing (Debian package wrk)" >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Starts a server whose output names its port in "listening on ...:PORT".
start() {
  local log=$1
  shift
  "$@" >"$log" 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do
    grep -q "listening on" "$log" && break
    sleep 0.05
  done
  sed -n 's/.*listening on [^:]*:\([0-9]*\).*/\1/p' "$log" | head -1
}

ports=("$(start "$work/fixed.log" "$fixed")")
for i in "${!scored[@]}"; do
  ports+=("$(start "$work/scored-$i.log" "${scored[$i]}" --listen 127.0.0.1:0 \
    --db "$work/scores-$i.db" --quiet)")
done
names=(fixed_answer "${scored[@]}")
for port in "${ports[@]}"; do
  [ -n "$port" ] || { cat "$work"/*.log >&2; exit 1; }
done

declare -A total
echo "server, requests, per second, p50, p99, errors; ${duration}s each, $connections connections, $threads wrk threads, load before: $(cut -d' ' -f1 /proc/loadavg)"
for round in $(seq "$rounds"); do
  for i in "${!ports[@]}"; do
    line=$(wrk -t"$threads" -c"$connections" -d"${duration}s" --timeout 5s \
      -s server/bench/fetch.lua "http://127.0.0.1:${ports[$i]}" | sed -n 's/^RESULT //p')
    echo "round $round ${names[$i]} $line"
    requests=$(echo "$line" | sed -n 's/.*requests=\([0-9]*\).*/\1/p')
    total[$i]=$((${total[$i]:-0} + requests))
  done
done
for i in "${!scored[@]}"; do
  echo "${scored[$i]}: $(awk -v a="${total[$((i + 1))]}" -v b="${total[0]}" \
    'BEGIN { printf "%.2fx", a / b }') the fixed answer's rate"
done
