#!/usr/bin/env bash
# Builds the game (installing what is missing) and starts it. Extra
# arguments go to the game, e.g. scripts/play.sh --display 176x220.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
exec ./build/bin/brambletop "$@"
