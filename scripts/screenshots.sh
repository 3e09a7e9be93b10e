#!/usr/bin/env bash
# Writes a screenshot of every screen at both display sizes into OUTDIR:
# SCREEN-WxH.png for the intro, the main menu, the options (while a key is
# being changed), the help, the new-game confirmation and the game. Runs the
# built program headless (build it first; BUILD names another build folder).
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
quit
SCRIPT
  "$program" --headless --display "$display" --data-dir "$data" --script "$scratch/tour-$display.txt"
done
ls "$out"/*.png
