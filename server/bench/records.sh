#!/usr/bin/env bash
# What the records' reads cost as the records grow, with wrk over loopback:
# for each size, a fresh database holding that many levels' records (NAMES x
# 72 levels, each name with a record of every level), the same names'
# scores, and as many records again for each of today's and yesterday's
# daily puzzles. Then, each run bounded in time:
#   each level's best     GET /records/brambletop, one connection
#   the scores page       GET /scores, one connection
#   a score fetch, idle   the game's fetch, one connection
#   a score fetch, loaded the same while one client repeats a read on 8
#                         connections as fast as it can, each read in turn
# The server makes the database; the records are then written into it with
# sqlite3 or psql (the triggers count them as they go in), as counts from 9
# to 127 moves at random, their moves a run of one key as long as the count,
# since reads never replay them.
# Usage: server/bench/records.sh [SIZES...]   (default 1000 100000 1000000:
# records of the levels, rounded up to a multiple of 72). BACKEND (sqlite or
# postgres, default sqlite), SECONDS_EACH (each run, at most 10, default 5)
# and SCORES=0 (the score table left empty) may be set. Prints one line per
# run.
set -euo pipefail
cd "$(dirname "$0")/../.."
source server/bench/listening-port.sh
seconds=${SECONDS_EACH:-5}
[ "$seconds" -gt 10 ] && seconds=10
backend=${BACKEND:-sqlite}
scores=${SCORES:-1}
server=build/bin/brambletop-scored
[ -n "${BT_BUILD:-}" ] && server=$BT_BUILD/bin/brambletop-scored
[ -x "$server" ] || { echo "build first: $server is missing" >&2; exit 1; }
tools="wrk curl sqlite3"
[ "$backend" = postgres ] && tools="wrk curl psql"
for tool in $tools; do
  command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 1; }
done
sizes=("$@")
[ ${#sizes[@]} -eq 0 ] && sizes=(1000 100000 1000000)
today=2026-12-08

work=$(mktemp -d)
server_pid=
cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null
  [ "$backend" = postgres ] && bash tests/server/postgres.sh stop "$work/pg"
  rm -rf "$work"
}
trap cleanup EXIT
mkdir "$work/web"
echo '<!doctype html><title>bench</title>' >"$work/web/index.html"
case $backend in
  sqlite) ;;
  postgres)
    bash tests/server/postgres.sh start "$work/pg"
    admin=$(cat "$work/pg/url")
    ;;
  *) echo "BACKEND is sqlite or postgres" >&2; exit 2 ;;
esac

start_server() {
  "$server" --listen 127.0.0.1:0 --db "$1" --quiet --no-db-check --web "$work/web" \
    --today "$today" 2>"$work/server.log" &
  server_pid=$!
  wait_for_port "$work/server.log"
}

stop_server() {
  kill "$server_pid"
  wait "$server_pid" || true
  server_pid=
}

# NAMES names, each with a score, a record of every level and one of each
# of today's and yesterday's daily puzzles.
fill_sqlite() {
  local db=$1 names=$2 today_id=$3 yesterday_id=$4
  sqlite3 "$db" >/dev/null <<SQL
PRAGMA journal_mode=WAL;
PRAGMA synchronous=OFF;
BEGIN;
CREATE TEMP TABLE n AS WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n
  WHERE i < $names - 1) SELECT i, 'N' || i AS name FROM n;
INSERT INTO scores SELECT 'brambletop', name, abs(random()) % 73, i FROM n WHERE $scores = 1;
CREATE TEMP TABLE r AS WITH RECURSIVE l(level) AS (SELECT 1 UNION ALL SELECT level + 1 FROM l
  WHERE level < 72) SELECT level, i, name, 9 + 2 * (abs(random()) % 60) AS count FROM n, l;
INSERT INTO records SELECT 'brambletop', level, name, count, printf('%.*c', count, 'L'),
  i * 100 + level FROM r;
CREATE TEMP TABLE p AS SELECT id, i, name, 9 + 2 * (abs(random()) % 60) AS count
  FROM n, (SELECT '$today_id' AS id UNION ALL SELECT '$yesterday_id') AS d;
INSERT INTO puzzle_records SELECT 'brambletop', id, name, count, printf('%.*c', count, 'L'), i
  FROM p;
COMMIT;
SQL
}

fill_postgres() {
  local db=$1 names=$2 today_id=$3 yesterday_id=$4
  psql -q -v ON_ERROR_STOP=1 "$db" >/dev/null <<SQL
SET synchronous_commit = off;
BEGIN;
CREATE TEMP TABLE n AS SELECT i, 'N' || i AS name FROM generate_series(0, $names - 1) AS i;
INSERT INTO scores SELECT 'brambletop', name, floor(random() * 73)::int, now() FROM n
  WHERE $scores = 1;
INSERT INTO records SELECT 'brambletop', level, name, count, repeat('L', count),
  now() + (i * 100 + level) * interval '1 microsecond'
  FROM (SELECT level, i, name, 9 + 2 * floor(random() * 60)::int AS count
        FROM n, generate_series(1, 72) AS level) AS r;
INSERT INTO puzzle_records SELECT 'brambletop', id, name, count, repeat('L', count),
  now() + i * interval '1 microsecond'
  FROM (SELECT id, i, name, 9 + 2 * floor(random() * 60)::int AS count
        FROM n, (VALUES ('$today_id'), ('$yesterday_id')) AS d (id)) AS p;
COMMIT;
VACUUM ANALYZE;
SQL
}

# One wrk run; prints its RESULT line's fields.
measure() {
  local connections=$1 target=$2
  shift 2
  wrk -t1 -c"$connections" -d"${seconds}s" --timeout 10s "$@" "http://127.0.0.1:$port$target" |
    sed -n 's/^RESULT //p'
}

fetch() {
  measure 1 "" -s server/bench/fetch.lua
}

echo "$backend: records (levels'), run, requests, per second, p50, p99, errors; ${seconds}s each"
for size in "${sizes[@]}"; do
  names=$(((size + 71) / 72))
  if [ "$backend" = postgres ]; then
    psql -q "$admin" -c "CREATE DATABASE bench_$size" >/dev/null
    db=${admin%/*}/bench_$size
  else
    db=$work/scores-$size.db
  fi
  start_server "$db"
  ids=$(curl -s "http://127.0.0.1:$port/records/brambletop/daily" | head -2 | cut -d' ' -f2)
  stop_server
  made=$(date +%s)
  "fill_$backend" "$db" "$names" $ids
  made=$(($(date +%s) - made))
  records=$((names * 72))
  start_server "$db"
  curl -s "http://127.0.0.1:$port/scores" >/dev/null # the daily puzzles are made once
  echo "$records levels_best $(measure 1 /records/brambletop -s server/bench/report.lua) (written in ${made}s)"
  echo "$records scores_page $(measure 1 /scores -s server/bench/report.lua)"
  echo "$records fetch_idle $(fetch)"
  for heavy in /records/brambletop /scores; do
    wrk -t1 -c8 -d"$((seconds + 2))s" "http://127.0.0.1:$port$heavy" >"$work/heavy.txt" &
    heavy_pid=$!
    sleep 1
    line=$(fetch)
    wait "$heavy_pid"
    echo "$records fetch_while_${heavy//\//_} $line; the read: $(grep 'Requests/sec' "$work/heavy.txt" | tr -s ' ')"
  done
  stop_server
  if [ "$backend" = postgres ]; then
    psql -q "$admin" -c "DROP DATABASE bench_$size" >/dev/null
  else
    echo "$records file_size $(du -m "$db" | cut -f1) MB"
    rm -f "$db" "$db-wal" "$db-shm"
  fi
done
