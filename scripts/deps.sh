#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need; does
# nothing when they are all present. Safe to run again.
set -euo pipefail
packages=(
  build-essential cmake pkg-config git python3
  libgtest-dev libbenchmark-dev
  libsdl2-dev libpng-dev
  clang libclang-rt-14-dev clang-format
  sox
  libcpp-httplib-dev libsqlite3-dev libpq-dev postgresql wrk
  lintian
  emscripten chromium
)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
