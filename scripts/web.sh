#!/usr/bin/env bash
# Builds the browser version into build-web/ and serves it at http://127.0.0.1:8000/ (Ctrl+C
# stops the server). Installs Debian's emscripten when it is missing; the native build (its
# generated data folder, glyph file and CP932 table) is made first when it is not there.
#   scripts/web.sh [--build-only]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(emscripten python3)
scripts/install-packages.sh "${packages[@]}"
# Debian's emscripten finds its JavaScript modules there, whichever node is on the path.
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"

if [ -f build/build.ninja ]; then
  cmake --build build -j "$(nproc)" --target default_data glyph_file
else
  scripts/setup.sh
fi

emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DPANIPANI_NATIVE_BUILD_DIR="$PWD/build" >/dev/null
cmake --build build-web -j "$(nproc)"

[ "${1:-}" = "--build-only" ] && exit 0
echo "panipani: http://127.0.0.1:8000/"
exec python3 -m http.server 8000 --bind 127.0.0.1 --directory build-web
