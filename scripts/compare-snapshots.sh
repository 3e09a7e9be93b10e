#!/usr/bin/env bash
# Compares what two builds show and write: every screenshot of
# scripts/screenshots.sh and every file the game wrote in its runs (the
# server's database aside), byte for byte. A change that must not alter a
# pixel or a stored byte runs this against a build of the commit before it.
#   scripts/compare-snapshots.sh BUILD_BEFORE BUILD_AFTER
# Exit 0 when everything is identical; else the differing files, exit 1.
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: $0 BUILD_BEFORE BUILD_AFTER" >&2
  exit 2
fi
cd "$(dirname "$0")/.."
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
for side in before after; do
  build="$1"
  [ "$side" = after ] && build="$2"
  BUILD="$build" KEEP_DATA="$scratch/$side/files" \
    bash scripts/screenshots.sh "$scratch/$side/shots" >/dev/null
  rm -f "$scratch/$side/files"/*/*.tmp*
done
if diff -r "$scratch/before" "$scratch/after"; then
  echo "identical: $(find "$scratch/after" -type f | wc -l) files"
else
  exit 1
fi
