#!/usr/bin/env bash
# Starts the real window under a virtual X server, clicks through the two title screens with
# xdotool at the window's scale, and checks from a screenshot of the window that the login
# picture and the "旅立つ" button are on screen.
# Usage: window_test.sh BUILD_DIR
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
# A home of its own: the window reads and writes its settings there, never in the player's.
export HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" XDG_CONFIG_HOME="$work/home/.config"
scale=2
display=":$((90 + RANDOM % 100))"
cleanup() {
  if [ -n "${game:-}" ]; then
    kill "$game" 2>/dev/null || true
    wait "$game" 2>/dev/null || true
  fi
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The same clicks headless give the reference picture of the login screen.
mkdir -p "$work/headless" "$work/window"
printf 'tick 5\nclick\ntick 5\nclick\ntick 60\nscreenshot %s\nclose\n' "$work/reference.bmp" |
  "$build/panipani" --headless --data "$build/data" --save-dir "$work/headless" --seed 1 >/dev/null

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do DISPLAY="$display" xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY="$display"
SDL_AUDIODRIVER=dummy "$build/panipani" --data "$build/data" --save-dir "$work/window" \
  --seed 1 --scale "$scale" &
game=$!
window="$(xdotool search --sync --onlyvisible --pid "$game" | head -n 1)"
# Generous pauses: a click the game has not yet had a frame for is still taken, but a busy
# machine can be slow to map the window and draw the login screen.
sleep 2
for _ in 1 2; do
  xdotool mousemove --window "$window" $((100 * scale)) $((100 * scale)) click 1
  sleep 1.5
done
sleep 3
import -window "$window" "$work/window.png"
convert "$work/window.png" "$work/window.ppm"
convert "$work/reference.bmp" "$work/reference.ppm"
python3 "$here/check_login_screen.py" "$work/window.ppm" "$work/reference.ppm" "$scale"
