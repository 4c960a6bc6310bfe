#!/usr/bin/env bash
# The window from the couch, recorded: under a virtual X server with a window manager, a session
# played with keys and a click (title, "旅立つ" from the keyboard, auto mode, the number keys,
# fast-forward) is recorded and closed by the window manager, then replayed headless on a fresh
# save folder: the two my.dat files must be equal byte for byte and the final state events
# field by field, and so must the same recording replayed in the window. A second session
# attaches SDL's virtual game controller (PANIPANI_TEST_GAMEPAD) whose presses must take the game
# through the title to "旅立つ", then open the options screen with Start, switch text backing on
# with the d-pad and close it with B: the settings file must say so. Every step waits for what
# the game printed (its text hook) or recorded instead of sleeping.
# Usage: couch_window_test.sh BUILD_DIR   (KEEP_WORK=1 keeps the scratch folder for a look)
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=tests/e2e/harness.sh
source "$here/harness.sh"
work="$(mktemp -d)"
scale=2
remove_work() {
  if [ -n "${KEEP_WORK:-}" ]; then echo "kept $work"; else rm -rf "$work"; fi
}
on_exit remove_work
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config"
mkdir -p "$HOME" "$work/window" "$work/replay" "$work/pad" "$work/pad-replay"

start_virtual_display 1024x768x24
start_window_manager

# window_active: the game's window has the focus, so that the window manager sees its keys.
window_active() {
  [ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ]
}

# activate: gives the game's window the focus.
activate() {
  xdotool windowactivate "$window" >/dev/null 2>&1 || true
  wait_for 30 "the game's window to have the focus" window_active
}

# start_game HOOK OPTION...: starts the game in the window, in Japanese whatever the locale (the
# waits read its Japanese lines), with the given extra options, its text hook printing into HOOK;
# sets $game and $window.
start_game() {
  local hook="$1"
  shift
  SDL_AUDIODRIVER=dummy "$build/panipani" --lang ja --data "$build/data" --seed 5 \
    --scale "$scale" --text-hook print "$@" >"$hook" &
  game=$!
  on_exit stop_process "$game"
  wait_for_window "$game"
  activate
}

# Asks the window manager to close the window and waits for the game to end; fails on a non-zero
# exit status.
close_game() {
  activate
  # To the focused window, not sent to this one: the key's release comes after it is gone.
  xdotool key alt+F4
  wait_for 60 "the game to end once the window manager closed its window" process_ended "$game"
  local status=0
  wait "$game" || status=$?
  if [ "$status" != 0 ]; then
    echo "the game exited with status $status" >&2
    exit 1
  fi
}

# press KEY...: the keys, one after another; the game takes them in order.
press() {
  local key
  for key in "$@"; do xdotool key --window "$window" "$key"; done
}

# count FILE LINE: how many lines of FILE equal LINE.
count() {
  grep -cxF -- "$2" "$1" || true
}

# Session 1: the title by Space, "旅立つ" by Down and Space, the opening's questions by the
# number keys, Tab and the keypad's Enter and a click; then decisions with Ctrl held, so that
# fast-forward ends the waits between them, and auto mode ending a wait of its own.
hook="$work/window.hook"
record="$work/window.rec"
start_game "$hook" --save-dir "$work/window" --record "$record" --final-state "$work/window.state"
press space space
wait_for_line 60 "$hook" '旅立つ'
press Down
wait_for_line 60 "$record" 'hover 3'
press space
labels='力 / 知恵 / 精神'
wait_for_line 60 "$hook" "$labels"
for answer in 1 2 3; do
  press "$answer"
  wait_for_line 60 "$hook" "$labels" $((answer + 1))
done
press Tab
wait_for_line 60 "$record" 'hover 1'
press KP_Enter
wait_for_line 60 "$hook" "$labels" 5
xdotool mousemove --window "$window" $((300 * scale)) $((232 * scale)) click 1
wait_for_line 60 "$hook" '冒険の始まり'
# "冒険の始まり" is the only button, and 1 presses it; Ctrl, held through the focused window (a
# key sent to a window does not stay held), ends the waits that follow.
activate
xdotool keydown ctrl
press 1
wait_for_line 60 "$hook" '冒険者です / 冒険者ではない'
xdotool keyup ctrl
clicks="$(count "$record" click)"
press a 2
wait_for 60 "auto mode to end a wait" has_lines "$record" click $((clicks + 1))
activate
xdotool keydown ctrl
wait_for_line 60 "$hook" '冒険!!!!'
# "冒険!!!!" is the only button: 1 presses it. From the first step on, what the game offers
# depends on the title's random frames, so the run ends there.
chosen="$(count "$record" 'choose 3')"
press 1
wait_for_line 60 "$record" 'choose 3' $((chosen + 1))
xdotool keyup ctrl
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
settings="$XDG_CONFIG_HOME/panipani/settings.ini"
backing_on() { grep -qx 'text-backing = true' "$settings" 2>/dev/null; }
PANIPANI_TEST_GAMEPAD="a@500 a@2000 down@3500 a@4500 start@6000 down@6600 right@7200 b@7800" \
  start_game "$work/pad.hook" --save-dir "$work/pad" --record "$work/pad.rec"
wait_until 60 has_lines "$work/pad.hook" '自信のある能力はどれだ？' 1 ||
  echo "timed out after 60 s waiting for the question that follows 旅立つ" >&2
wait_until 60 backing_on ||
  echo "timed out after 60 s waiting for the options screen to write text backing on" >&2
close_game
if ! backing_on; then
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
