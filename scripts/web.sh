#!/usr/bin/env bash
# Builds the game as a web page into build-web/ (index.html, brambletop.js,
# brambletop.wasm, brambletop.data and their .gz copies): first the art, with
# a native build in build-web/host (or taken from ART), then the program with Debian's Emscripten
# in build-web/wasm. Nothing is downloaded. Serve it with
#   brambletop-scored --web build-web
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
# Debian's Emscripten runs its tools on Node with Debian's Node modules; a
# Node from elsewhere on the PATH needs to be told where they are.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

# ART names a folder that already holds the drawn art (a native build's
# bin/); without it the art is drawn here.
art="${ART:-}"
if [ -z "$art" ] || [ ! -d "$art/Game_Sprite" ]; then
  cmake -S . -B build-web/host -DCMAKE_BUILD_TYPE=Release -DBT_SDL=OFF -DBT_TESTS=OFF \
    -DBT_BENCH=OFF >/dev/null
  cmake --build build-web/host -j"$(nproc)" --target art
  art="$PWD/build-web/host/bin"
fi
art="$(cd "$art" && pwd)"

emcmake cmake -S . -B build-web/wasm -DCMAKE_BUILD_TYPE=Release -DBT_WERROR=ON \
  -DBT_WEB_ART="$art" >/dev/null
cmake --build build-web/wasm -j"$(nproc)" --target brambletop web_page

out=build-web
files=(index.html manifest.webmanifest sw.js icon32.png icon192.png icon512.png
  icon512-maskable.png brambletop.js brambletop.wasm brambletop.data)
# The build's version: a digest of every file of the page, so that any change
# makes a new one. The page asks for its files by it and the service worker
# keeps one cache for each (see sw.js).
version="$(cd build-web/wasm/bin && cat "${files[@]}" | sha256sum | cut -c1-16)"
# Every file but the worker first: the worker carries their SHA-256, so that
# it keeps a file only when it is the one of its build.
digests=""
for file in "${files[@]}"; do
  [ "$file" = sw.js ] && continue
  case "$file" in
    index.html) sed "s/@BT_VERSION@/$version/g" "build-web/wasm/bin/$file" >"$out/$file.new" ;;
    *) cp -f "build-web/wasm/bin/$file" "$out/$file.new" ;;
  esac
  digests="$digests${digests:+, }\"$file\": \"$(sha256sum "$out/$file.new" | cut -c1-64)\""
done
sed -e "s/@BT_VERSION@/$version/g" -e "s/@BT_FILES@/{ $digests }/" build-web/wasm/bin/sw.js >"$out/sw.js.new"
for file in "${files[@]}"; do
  mv -f "$out/$file.new" "$out/$file"
  # The score server sends the .gz copy to browsers that take gzip (a PNG is
  # compressed already).
  if [ "${file%.png}" = "$file" ]; then gzip -9 -n -k -f "$out/$file"; fi
done
echo "The page is in $out/: brambletop-scored --web $out"
