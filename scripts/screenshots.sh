#!/usr/bin/env bash
# Makes the front page's pictures, docs/screenshot-ja.png and docs/screenshot-en.png: one seeded
# moment of the game played headless, read in Japanese and in English, enlarged twice with sharp
# pixels. The same build gives the same pictures, byte for byte.
# Usage: scripts/screenshots.sh BUILD_DIR [OUT_DIR]   (OUT_DIR: docs/ of this tree)
set -euo pipefail
build="${1:?usage: scripts/screenshots.sh BUILD_DIR [OUT_DIR]}"
out="${2:-$(cd "$(dirname "$0")/.." && pwd)/docs}"
for tool in "$build/panipani" convert; do
  command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# From the title through the opening and a new character, then the third button (冒険!!!! on the
# field, 逃亡 in battle) until the moment the picture is taken.
{
  printf 'tick 5\nclick\ntick 5\nclick\ntick 20\nchoose 3\n'
  for _ in $(seq 18); do printf 'tick 10\nchoose 3\n'; done
  printf 'tick 30\nscreenshot %s/shot.bmp\nclose\n' "$work"
} >"$work/script.txt"

mkdir -p "$out"
for lang in ja en; do
  mkdir "$work/save"
  "$build/panipani" --headless --auto-click --seed 1 --mute --lang "$lang" \
    --data "$build/data" --save-dir "$work/save" <"$work/script.txt" >"$work/events.jsonl"
  if grep -q '"ev":"error"' "$work/events.jsonl"; then
    echo "screenshots: the headless run reported an error ($lang):" >&2
    grep '"ev":"error"' "$work/events.jsonl" >&2
    exit 1
  fi
  # No time stamps in the file, so that the same picture gives the same bytes.
  convert "$work/shot.bmp" -filter point -resize 200% -strip \
    -define png:exclude-chunks=date,time "$out/screenshot-$lang.png"
  rm -rf "$work/save" "$work/shot.bmp"
  echo "screenshots: $out/screenshot-$lang.png"
done
