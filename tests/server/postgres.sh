#!/usr/bin/env bash
# A PostgreSQL server of the tests' own, in a temporary folder on a free
# loopback port, for the score server's tests on that backend.
#   postgres.sh start STATE   starts it; STATE/url then holds the admin URL
#   postgres.sh stop STATE    stops it and removes its folder
# STATE is a folder in the build tree that remembers where the server is;
# a start first stops whatever an interrupted run left behind. As root the
# server runs as the postgres user, since initdb refuses root. Without
# BT_POSTGRES_FSYNC=on it skips flushing to disk: the tests kill the score
# server, never PostgreSQL, and run faster so.
set -euo pipefail
action=$1
state=$2
bin=${BT_POSTGRES_BIN:-$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)}
if [ -z "$bin" ] || [ ! -x "$bin/initdb" ]; then
  echo "PostgreSQL server programs not found (Debian package postgresql)" >&2
  exit 1
fi
as_owner=()
if [ "$(id -u)" -eq 0 ]; then
  as_owner=(runuser -u postgres --)
fi

stop() {
  [ -f "$state/folder" ] || return 0
  local folder
  folder=$(cat "$state/folder")
  if [ -d "$folder/data" ]; then
    "${as_owner[@]}" "$bin/pg_ctl" stop -D "$folder/data" -m immediate -s >/dev/null 2>&1 || true
  fi
  rm -rf "$folder" "$state"
}

case $action in
  start)
    stop
    mkdir -p "$state"
    folder=$(mktemp -d /tmp/bt-scored-pg.XXXXXX)
    echo "$folder" >"$state/folder"
    chmod 755 "$folder"
    [ ${#as_owner[@]} -gt 0 ] && chown postgres: "$folder"
    "${as_owner[@]}" "$bin/initdb" -D "$folder/data" -U postgres -A trust -E UTF8 \
      --no-sync --no-instructions >"$folder/initdb.log" 2>&1 ||
      { cat "$folder/initdb.log" >&2; exit 1; }
    sync_options="-c fsync=off -c full_page_writes=off"
    [ "${BT_POSTGRES_FSYNC:-off}" = on ] && sync_options=""
    # A port is taken only when the server binds it: try a few at random.
    for attempt in 1 2 3 4 5 6 7 8 9 10; do
      port=$((20000 + RANDOM % 40000))
      if "${as_owner[@]}" "$bin/pg_ctl" start -D "$folder/data" -w -t 30 -s -l "$folder/server.log" \
        -o "-p $port -k $folder -c listen_addresses=127.0.0.1 $sync_options -c max_connections=200" \
        >/dev/null 2>&1; then
        echo "postgresql://postgres@127.0.0.1:$port/postgres" >"$state/url"
        exit 0
      fi
    done
    cat "$folder/server.log" >&2
    exit 1
    ;;
  stop)
    stop
    ;;
  *)
    echo "usage: postgres.sh start|stop STATE" >&2
    exit 2
    ;;
esac
