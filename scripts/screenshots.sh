#!/usr/bin/env bash
# Writes a screenshot of every screen at both display sizes into OUTDIR:
# SCREEN-WxH.png for the intro, the main menu, the options (while a key is
# being changed), the help, the new-game confirmation, the game and the key
# legend over it; the level select with its "random" entry chosen, the
# random puzzle screen with an id being typed, and a puzzle of the endless
# mode solved with its result over the board; then a first level solved and
# left, which offers the score table with its row named, submitted to a real
# brambletop-scored, and the server's table.
# Runs the built programs headless (build them first; BUILD names another
# build folder). With KEEP_DATA=DIR the players' data folders of every run
# are copied into DIR as well (the files the game wrote), so that two builds
# can be compared byte for byte (scripts/compare-snapshots.sh).
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: $0 OUTDIR" >&2
  exit 2
fi
cd "$(dirname "$0")/.."
program="${BUILD:-build}/bin/brambletop"
if [ ! -x "$program" ]; then
  echo "$0: $program not found; build the project first" >&2
  exit 1
fi
mkdir -p "$1"
out="$(cd "$1" && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

for display in 176x220 240x320; do
  data="$scratch/data-$display"
  mkdir -p "$data"
  # A game in progress, so that a new game asks first: settings.dat with
  # gameInProgress set and the default keys, and a saved game over 2 bytes.
  printf '\x00\x00\x01\x03\x04\x01\x02\x11\x12\x13\x0f\x10' >"$data/settings.dat"
  head -c 64 /dev/zero >"$data/save.dat"
  cat >"$scratch/tour-$display.txt" <<SCRIPT
wait 60
shot $out/intro-$display.png
press Action
wait 50
shot $out/menu-$display.png
# options: make "Move Up" wait for its key
press Down
press Down
press Action
wait 50
press Down
press Right Menu
wait 1
shot $out/options-$display.png
press Up
press Left Menu
wait 50
# help
press Down
press Down
press Down
press Action
wait 50
shot $out/help-$display.png
press Left Menu
wait 50
# new game over the game in progress
press Action
wait 50
shot $out/confirm-$display.png
press Left Menu
wait 60
shot $out/game-$display.png
# the key legend over the game ('?' is the desktop's code 131)
vk 131
wait 1
shot $out/legend-$display.png
quit
SCRIPT
  "$program" --headless --display "$display" --data-dir "$data" --script "$scratch/tour-$display.txt"
done

# The level select ('L' is the desktop's code 143) and the endless mode: the
# random puzzle screen with "8C3" typed (8, '*', 2 three times for C, '*',
# 3), then puzzle 5c2p2e-00001 solved by its par solution, D>U<RD>>.
for display in 176x220 240x320; do
  data="$scratch/endless-$display"
  mkdir -p "$data"
  cat >"$scratch/endless-$display.txt" <<SCRIPT
wait 60
press Action
wait 50
vk 143
wait 60
press Up
wait 2
shot $out/levels-$display.png
press Action
wait 60
press 8
press *
press 2
press 2
press 2
wait 40
press *
press 3
wait 2
shot $out/random-$display.png
quit
SCRIPT
  "$program" --headless --display "$display" --data-dir "$data" --script "$scratch/endless-$display.txt"
  cat >"$scratch/solved-$display.txt" <<SCRIPT
wait 30
press Down
press Back
wait 20
press Up
press Action
wait 20
press Right
press Down
press Back
wait 20
press Back
wait 30
shot $out/puzzle-solved-$display.png
quit
SCRIPT
  "$program" --headless --display "$display" --data-dir "$data" --puzzle 5c2p2e-00001 \
    --script "$scratch/solved-$display.txt"
done

# The score table and the online exchange, against a score server of our own
# on a free loopback port with an empty database.
server="${BUILD:-build}/bin/brambletop-scored"
"$server" --listen 127.0.0.1:0 --db "$scratch/scores.db" --quiet 2>"$scratch/server.log" &
server_pid=$!
trap 'kill "$server_pid" 2>/dev/null; rm -rf "$scratch"' EXIT
port=""
for _ in $(seq 50); do
  port=$(sed -n 's/.*listening on 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$scratch/server.log")
  [ -n "$port" ] && break
  sleep 0.1
done
if [ -z "$port" ]; then
  echo "$0: the score server did not start: $(cat "$scratch/server.log")" >&2
  exit 1
fi
for display in 176x220 240x320; do
  data="$scratch/scores-$display"
  mkdir -p "$data"
  cat >"$scratch/scores-$display.txt" <<SCRIPT
wait 60
press Action
wait 50
# a new game; level 1 solved with its shortest solution, then quit
press Action
wait 50
press Up
press Up
press Action
wait 20
press Left
press Back
wait 20
press Left
press Action
wait 20
press Left
press Back
wait 20
press Left Menu
wait 50
# the score table offers the new row; the name "BO" typed by multi-tap
press 2
press 2
wait 40
press 6
press 6
press 6
wait 40
shot $out/scores-named-$display.png
# SUBMIT, then CONNECT on the online score screen
press Right Menu
wait 50
press Right Menu
wait 2
sleep 1500
wait 30
shot $out/online-$display.png
press Left Menu
wait 50
shot $out/scores-server-$display.png
quit
SCRIPT
  "$program" --headless --display "$display" --data-dir "$data" \
    --score-server "127.0.0.1:$port" --script "$scratch/scores-$display.txt"
done
if [ -n "${KEEP_DATA:-}" ]; then
  mkdir -p "$KEEP_DATA"
  for folder in "$scratch"/data-* "$scratch"/endless-* "$scratch"/scores-*; do
    [ -d "$folder" ] && cp -r "$folder" "$KEEP_DATA/"
  done
fi
ls "$out"/*.png
