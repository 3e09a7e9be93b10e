#!/usr/bin/env bash
# Builds the Debian package brambletop_VERSION_amd64.deb into BUILD/package
# (BUILD defaults to build-deb: a release build without tests) and checks it
# with lintian when that is installed.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-deb}
bash scripts/deps.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBT_TESTS=OFF -DBT_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB -B "$PWD/package" >/dev/null)
deb=$(ls "$build"/package/brambletop_*_amd64.deb)
if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb"
fi
echo "$deb"
