#!/usr/bin/env bash
# The window from the couch, recorded: under a virtual X server with a window manager, a session
# played with keys and a click (title, "旅立つ" from the keyboard, auto mode, the number keys,
# fast-forward) is recorded and closed by the window manager, then replayed headless on a fresh
# save folder: the two my.dat files must be equal byte for byte and the final state events
# field by field, and so must the same recording replayed in the window. A second session
# attaches SDL's virtual game controller (PANIPANI_TEST_GAMEPAD) whose presses must take the game
# through the title to "旅立つ", then open the options screen with Start, switch text backing on
# with the d-pad and close it with B: the settings file must say so.
# Usage: couch_window_test.sh BUILD_DIR   (KEEP_WORK=1 keeps the scratch folder for a look)
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
scale=2
display=":$((90 + RANDOM % 100))"
cleanup() {
  for pid in ${game:-} ${wm:-} ${xvfb:-}; do kill "$pid" 2>/dev/null || true; done
  [ -n "${KEEP_WORK:-}" ] && echo "kept $work" || rm -rf "$work"
}
trap cleanup EXIT
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config"
mkdir -p "$HOME" "$work/window" "$work/replay" "$work/pad" "$work/pad-replay"

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do DISPLAY="$display" xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY="$display"
openbox >/dev/null 2>&1 &
wm=$!
sleep 1

# Starts the game in the window with the given extra options; sets $game and $window.
start_game() {
  SDL_AUDIODRIVER=dummy "$build/panipani" --data "$build/data" --seed 5 --scale "$scale" "$@" &
  game=$!
  window="$(xdotool search --sync --onlyvisible --pid "$game" | head -n 1)"
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
  sleep 2
}

# Asks the window manager to close the window and waits for the game to end; fails on a non-zero
# exit status.
close_game() {
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
  xdotool key --window "$window" alt+F4
  local status=0
  wait "$game" || status=$?
  game=""
  if [ "$status" != 0 ]; then
    echo "the game exited with status $status" >&2
    exit 1
  fi
}

press() {
  for key in "$@"; do
    xdotool key --window "$window" "$key"
    sleep 0.6
  done
}

# Session 1: the title by Space, "旅立つ" by Down and Space, the opening's questions by the
# number keys, Tab and the keypad's Enter and a click; then decisions with Ctrl held, so that
# fast-forward ends the waits between them; auto mode on for a while; the item panel by keys.
start_game --save-dir "$work/window" --record "$work/window.rec" --final-state "$work/window.state"
press space space Down space 1 2 3 Tab KP_Enter
xdotool mousemove --window "$window" $((300 * scale)) $((232 * scale)) click 1
sleep 1
xdotool keydown --window "$window" ctrl
press 2 3 3 2 3 3
xdotool keyup --window "$window" ctrl
press a
sleep 8
press 2 Down Down Escape 3
sleep 2
close_game

grep -qx 'choose 3' "$work/window.rec" || { echo "the keyboard did not press 旅立つ" >&2; exit 1; }
if [ "$(grep -cx click "$work/window.rec")" -lt 2 ]; then
  echo "auto mode and fast-forward ended no wait" >&2
  exit 1
fi
"$build/panipani" --headless --replay "$work/window.rec" --save-dir "$work/replay" \
  --final-state "$work/replay.state" >"$work/replay.events"
cmp "$work/window/my.dat" "$work/replay/my.dat"
python3 "$here/compare_states.py" "$work/window.state" "$work/replay.state"
# The same recording watched in the window, eight times faster, ends in the same place too.
mkdir -p "$work/watched"
SDL_AUDIODRIVER=dummy "$build/panipani" --replay "$work/window.rec" --replay-speed 8 \
  --save-dir "$work/watched" --final-state "$work/watched.state" --scale "$scale"
cmp "$work/window/my.dat" "$work/watched/my.dat"
python3 "$here/compare_states.py" "$work/window.state" "$work/watched.state"

# Session 2: the virtual controller's A clicks through the title, down and A press "旅立つ";
# Start opens the options, down and right switch the second entry (text backing) on, B closes.
PANIPANI_TEST_GAMEPAD="a@500 a@2000 down@3500 a@4500 start@6000 down@6600 right@7200 b@7800" \
  start_game --save-dir "$work/pad" --record "$work/pad.rec"
sleep 8
close_game
if ! grep -qx 'text-backing = true' "$XDG_CONFIG_HOME/panipani/settings.ini"; then
  echo "the gamepad did not switch text backing on in the options screen" >&2
  exit 1
fi
"$build/panipani" --headless --replay "$work/pad.rec" --save-dir "$work/pad-replay" \
  >"$work/pad.events"
if ! grep -q '"ev":"chosen","button":3,"label":"旅立つ"' "$work/pad.events"; then
  echo "the gamepad did not press 旅立つ; its recording:" >&2
  grep -v '^at \|^tick' "$work/pad.rec" >&2
  exit 1
fi
cmp "$work/pad/my.dat" "$work/pad-replay/my.dat"
echo "couch window test: recorded session replayed to the same my.dat and state; gamepad pressed" \
  "旅立つ and worked the options screen"
