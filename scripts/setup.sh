#!/usr/bin/env bash
# Installs what panipani needs from Debian's packages (with sudo when not root), then configures
# and builds it into build/.
#   scripts/setup.sh              a player's build: the game, its default data folder build/data
#                                 and what installing it takes; no tests or benchmarks, and a
#                                 compiler's warnings never stop it. A build/ that is already
#                                 configured keeps its configuration.
#   scripts/setup.sh --for-tests  everything the test suite builds and runs (the test programs
#                                 and benchmarks too), with warnings as errors
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config
  libsdl2-dev libfreetype-dev fonts-ipafont-gothic xfonts-75dpi libspeechd-dev
)
# A player's machine gets only what the build needs, not what those packages recommend (manual
# pages, gnupg, image libraries and the like).
apt_options=(--no-install-recommends)
options=()
# The test run also needs GoogleTest and Google Benchmark, the fuzzing compiler, a virtual X
# server and the tools of the window test, sox for foreign test waves, SDL_mixer for the mixer
# benchmark, and for the install and package checks dpkg-dev (the package's library
# dependencies), lintian and the validators of the desktop entry, the AppStream metadata and the
# manual page; openbox is the window manager of the couch window test and of the window test's
# second pass; the speech daemon with espeak-ng for the speech test and a JIS bitmap font for the
# font chain's test; the browser build and test need emscripten, brotli (the site's compressed
# copies), chromium, firefox-esr and npm (for puppeteer-core); gettext checks and merges the
# translation catalogues.
if [ "${1:-}" = "--for-tests" ]; then
  packages+=(libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
    xvfb xdotool x11-utils xclip imagemagick sox libsdl2-mixer-dev
    dpkg-dev lintian desktop-file-utils appstream mandoc file openbox
    speech-dispatcher speech-dispatcher-espeak-ng xfonts-shinonome
    emscripten python3 brotli chromium firefox-esr gettext)
  # A machine whose Node.js comes with its own npm (not Debian's) must not get Debian's npm,
  # which conflicts with it.
  command -v npm >/dev/null 2>&1 || packages+=(npm)
  apt_options=()
  options=(-DPANIPANI_TESTS=ON -DPANIPANI_BENCH=ON -DPANIPANI_WERROR=ON)
elif [ ! -f build/CMakeCache.txt ]; then
  options=(-DPANIPANI_TESTS=OFF -DPANIPANI_BENCH=OFF -DPANIPANI_WERROR=OFF)
fi

scripts/install-packages.sh "${apt_options[@]}" "${packages[@]}"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "${options[@]}"
cmake --build build -j "$(nproc)"
