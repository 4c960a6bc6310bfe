#!/usr/bin/env bash
# Without a display the window mode refuses to start: one line naming --headless, exit status 1,
# and nothing written to the save folder. A driver named on purpose is still tried.
# Usage: no_display_test.sh PROGRAM DATA_DIR
set -euo pipefail
program="$1"
data="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/save"
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER HOME="$work" XDG_DATA_HOME="$work/data" \
  XDG_CONFIG_HOME="$work/config" timeout 10 "$program" --data "$data" --save-dir "$work/save" \
  --seed 1 >"$work/out" 2>"$work/err" || status=$?
cat "$work/err"
[ "$status" -eq 1 ] || { echo "exit status $status, not 1"; exit 1; }
[ "$(wc -l <"$work/err")" -eq 1 ] || { echo "not one line"; exit 1; }
grep -q -- "--headless" "$work/err" || { echo "the line does not name --headless"; exit 1; }
[ -z "$(ls -A "$work/save")" ] || { echo "the save folder was written"; exit 1; }
# A driver the player names is not refused (SDL's own failure for a missing one is reported).
env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=no-such-driver HOME="$work" \
  "$program" --data "$data" --save-dir "$work/save" --seed 1 2>"$work/err" && exit 1
grep -q "no-such-driver not available" "$work/err" || { cat "$work/err"; exit 1; }
echo "no-display test passed"
