#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the installed desktop entry, AppStream
# metadata and manual page with their validators; builds the Debian package, has lintian check
# it, unpacks it into a scratch root and plays the README's headless example from there with a
# scratch home. The save must land in that home's XDG data folder and nothing else may be written;
# the events must be those of the build tree's program for the same seed and script.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
source="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
id=io.github.panipani.Panipani
script='tick 5\nclick\ntick 5\nclick\ntick 20\nchoose 3\nclose\n'
fail() {
  echo "package test: $*" >&2
  exit 1
}

echo "--- install into a scratch prefix"
prefix="$work/prefix"
# The build's list of what its last real install wrote is kept: it is how a player uninstalls.
manifest="$build/install_manifest.txt"
[ -e "$manifest" ] && cp "$manifest" "$work/manifest"
cmake --install "$build" --prefix "$prefix" >/dev/null
if [ -e "$work/manifest" ]; then mv "$work/manifest" "$manifest"; else rm -f "$manifest"; fi
for f in bin/panipani share/panipani/cg share/panipani/dat/my.dat \
  "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" share/man/man6/panipani.6; do
  [ -e "$prefix/$f" ] || fail "the install has no $f"
done
for size in 16 24 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
  file -b "$icon" | grep -q "^PNG image data, $size x $size," || fail "no $size px icon: $icon"
done
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
mandoc -Tlint -W warning "$prefix/share/man/man6/panipani.6"
# The screenshot element written once the build's screenshot has a web address.
cmake -DTEMPLATE="$source/packaging/$id.metainfo.xml.in" -DOUT="$work/$id.metainfo.xml" \
  -DPROJECT_VERSION=1.0.0 -DPANIPANI_RELEASE_DATE=2026-12-09 \
  -DPANIPANI_SCREENSHOT_URL=https://panipani.invalid/screenshot.png -P "$source/packaging/Metainfo.cmake"
grep -q '<screenshot type="default">' "$work/$id.metainfo.xml" || fail "no screenshot element"
appstreamcli validate --no-net "$work/$id.metainfo.xml"
echo "validators passed"

echo "--- the Debian package"
(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log"; fail "cpack failed"; }
deb="$(ls "$work"/package/panipani_*.deb)"
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"
dpkg-deb -f "$deb" Depends | grep -q 'fonts-ipafont-gothic' || fail "no font dependency"
dpkg-deb -f "$deb" Recommends | grep -q 'xfonts-75dpi' || fail "the Latin font is not recommended"
dpkg-deb -f "$deb" Depends | grep -q 'libsdl2' || fail "no computed library dependencies"
lintian_status=0
lintian --fail-on error --display-info "$deb" >"$work/lintian.txt" 2>&1 || lintian_status=$?
grep -v '^running with root privileges' "$work/lintian.txt" || true
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors"
echo "lintian passed"

echo "--- play from the unpacked package"
root="$work/root"
home="$work/home"
here="$work/cwd"
mkdir -p "$home" "$here"
dpkg -x "$deb" "$root"
(cd "$root" && find . -type f -exec sha256sum {} + | sort) >"$work/root-before"
printf "$script" >"$work/script.txt"
(cd "$here" && env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_STATE_HOME -u XDG_CACHE_HOME \
  HOME="$home" "$root/usr/games/panipani" --headless --auto-click --seed 1 \
  <"$work/script.txt" >"$work/installed.jsonl") || fail "the installed game failed"
(cd "$root" && find . -type f -exec sha256sum {} + | sort) >"$work/root-after"
cmp -s "$work/root-before" "$work/root-after" || fail "the game wrote into its own install"
[ -z "$(ls -A "$here")" ] || fail "the game wrote into the current folder: $(ls -A "$here")"
saves="$home/.local/share/panipani"
[ -s "$saves/my.dat" ] || fail "no save in $saves"
stray="$(cd "$home" && find . -mindepth 1 ! -path . ! -path ./.local ! -path ./.local/share \
  ! -path ./.local/share/panipani ! -path ./.local/share/panipani/my.dat \
  ! -path './.local/share/panipani/成績.txt')"
[ -z "$stray" ] || fail "stray files in the home folder: $stray"

# The installed program plays the same game as the build tree's.
mkdir -p "$work/build-save"
"$build/panipani" --headless --auto-click --seed 1 --data "$build/data" \
  --save-dir "$work/build-save" <"$work/script.txt" >"$work/build.jsonl"
cmp -s "$work/build.jsonl" "$work/installed.jsonl" || fail "the installed game's events differ"
cmp -s "$work/build-save/my.dat" "$saves/my.dat" || fail "the installed game saved differently"
echo "played from the package: save in \$HOME/.local/share/panipani, nothing else written"
