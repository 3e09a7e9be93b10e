#!/usr/bin/env bash
# Builds the web page (scripts/web.sh) and drives it in Debian's Chromium
# through playwright-core (tests/web, versions pinned in package-lock.json):
# a visit played by keys, mouse and touch, the saved game across a reload,
# the score exchange with brambletop-scored --web, and the canvas against
# headless runs pixel for pixel. Uses the native programs in build/ (BUILD
# names another folder; scripts/test.sh builds them).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD:-build}"
if [ ! -x "$build/bin/brambletop" ] || [ ! -x "$build/bin/brambletop-scored" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" -j"$(nproc)" --target brambletop brambletop-scored art
fi
# The page packs the art the native build drew, the same the headless runs
# read.
ART="$build/bin" bash scripts/web.sh
if ! command -v npm >/dev/null; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq npm
fi
export BT_BUILD="$(cd "$build" && pwd)" BT_WEB="$PWD/build-web"
cd tests/web
npm ci --no-audit --no-fund --loglevel=error
node --test --test-concurrency=1
