#!/usr/bin/env bash
# Builds the browser version into build-web/ (the site any static host serves: build-web/site/)
# and serves the site at http://127.0.0.1:8000/ as such a host would (Ctrl+C stops the server).
# Installs Debian's emscripten when it is missing; the native build (its generated data folder,
# glyph file, page icons and CP932 table) is made first when it is not there.
#   scripts/web.sh [--build-only | --for-tests | --dist DIR]
#   --build-only stops after the build
#   --for-tests  stops after the build too, and builds with warnings as errors (a player's first
#                build-web/ is configured without, so that a newer compiler's new warning never
#                stops it)
#   --dist DIR   copies the site into DIR (a new or empty folder, or an earlier site) to publish
set -euo pipefail
cd "$(dirname "$0")/.."

mode="${1:-serve}"
dist=""
case "$mode" in
  serve | --build-only | --for-tests) ;;
  --dist)
    dist="${2:?--dist needs a folder}"
    if [ -e "$dist" ] && [ -n "$(ls -A "$dist")" ] && [ ! -f "$dist/sw.js" ]; then
      echo "$dist holds something other than a site: give a new or empty folder" >&2
      exit 2
    fi ;;
  *) echo "usage: scripts/web.sh [--build-only | --for-tests | --dist DIR]" >&2; exit 2 ;;
esac

packages=(emscripten python3 brotli)
scripts/install-packages.sh "${packages[@]}"
# Debian's emscripten finds its JavaScript modules there, whichever node is on the path.
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"

if [ -f build/build.ninja ]; then
  cmake --build build -j "$(nproc)" --target default_data glyph_file web_icons
else
  scripts/setup.sh
fi

options=()
if [ "$mode" = --for-tests ]; then
  options=(-DPANIPANI_WERROR=ON)
elif [ ! -f build-web/CMakeCache.txt ]; then
  options=(-DPANIPANI_WERROR=OFF)
fi
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DPANIPANI_NATIVE_BUILD_DIR="$PWD/build" "${options[@]}" >/dev/null
cmake --build build-web -j "$(nproc)"

case "$mode" in
  --build-only | --for-tests) exit 0 ;;
  --dist)
    rm -rf "$dist"
    cp -r build-web/site "$dist"
    # What a browser fetches: the gzip copy where there is one (hosts that send brotli send less).
    raw=0 sent=0
    while IFS= read -r -d '' f; do
      raw=$((raw + $(stat -c %s "$f")))
      if [ -f "$f.gz" ]; then sent=$((sent + $(stat -c %s "$f.gz"))); else sent=$((sent + $(stat -c %s "$f"))); fi
    done < <(find "$dist" -type f ! -name '*.gz' ! -name '*.br' -print0)
    echo "panipani: the site is in $dist: $raw bytes, $sent bytes to send with gzip"
    exit 0 ;;
esac
exec node scripts/serve-web.mjs build-web/site 8000
