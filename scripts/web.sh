#!/usr/bin/env bash
# Builds the browser version into build-web/ and serves it at http://127.0.0.1:8000/ (Ctrl+C
# stops the server). Installs Debian's emscripten when it is missing; the native build (its
# generated data folder, glyph file and CP932 table) is made first when it is not there.
#   scripts/web.sh [--build-only | --for-tests]
# --build-only stops after the build; --for-tests too, and builds with warnings as errors (a
# player's first build-web/ is configured without, so that a newer compiler's new warning never
# stops it).
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${1:-}"
case "$mode" in
  "" | --build-only | --for-tests) ;;
  *) echo "usage: scripts/web.sh [--build-only | --for-tests]" >&2 && exit 2 ;;
esac

packages=(emscripten python3)
scripts/install-packages.sh "${packages[@]}"
# Debian's emscripten finds its JavaScript modules there, whichever node is on the path.
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"

if [ -f build/build.ninja ]; then
  cmake --build build -j "$(nproc)" --target default_data glyph_file
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

[ -n "$mode" ] && exit 0
echo "panipani: http://127.0.0.1:8000/"
exec python3 -m http.server 8000 --bind 127.0.0.1 --directory build-web
