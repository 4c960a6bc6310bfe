#!/usr/bin/env bash
# Records what a build's headless program writes for every script in scripts/ into expected/:
#   tests/streams/record.sh BUILD_DIR
# Run it only when the game itself is meant to change; StreamsTest compares every later build
# with these files. A script's first line names its seed and whether clicks are automatic:
#   # seed 1000 auto-click
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "$1" && pwd)"
save="$(mktemp -d)"
trap 'rm -rf "$save"' EXIT
for script in "$here"/scripts/*.txt; do
  header="$(head -n 1 "$script")"
  seed="$(echo "$header" | awk '{print $3}')"
  auto=()
  [[ "$header" == *auto-click* ]] && auto=(--auto-click)
  rm -rf "${save:?}"/*
  "$build/panipani" --headless "${auto[@]}" --seed "$seed" --save-dir "$save" \
    --data "$build/data" <"$script" >"$here/expected/$(basename "$script" .txt).jsonl"
done
