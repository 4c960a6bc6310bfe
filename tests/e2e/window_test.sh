#!/usr/bin/env bash
# Starts the real window under a virtual X server, clicks through the two title screens with
# xdotool at the window's scale, and checks from a screenshot of the window that the login
# picture and the "旅立つ" button are on screen. Then, first without and then (when openbox is
# installed) with a window manager: F12 writes the screenshot into screenshots/ of the save
# folder without the notice on it; F11 fills the screen with the whole picture at a whole scale
# and F11 again brings the window back; F2 shows the options screen over the dimmed picture and
# Escape takes it away; Enter presses "旅立つ", the only button, and at the three answers that
# follow asks the reset question, whose box shows two lines and is no wider than the window. In
# the pass without one, the message log opened with the wheel over the first answers must show
# the earlier lines, and the text hook must have printed them and copied the last one to the
# clipboard; then T switches to English: the picture changes and the hook prints English. A run closed in its middle is offered again at the next
# start and, answered Yes, goes on from the camp it was at. Every step waits for what it needs
# (the window mapped, the line printed, the file written, the picture drawn) instead of sleeping.
# Usage: window_test.sh BUILD_DIR
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=tests/e2e/harness.sh
source "$here/harness.sh"
work="$(mktemp -d)"
on_exit rm -rf "$work"
# A home of its own: the window reads and writes its settings there, never in the player's.
export HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" XDG_CONFIG_HOME="$work/home/.config"
scale=2
fail() {
  echo "window test failed: $*"
  exit 1
}

# The game in Japanese whatever the locale: the checks read its Japanese lines and pictures.
lang=(--lang ja)
# The same clicks headless give the reference picture of the login screen.
mkdir -p "$work/headless"
printf 'tick 5\nclick\ntick 5\nclick\ntick 60\nscreenshot %s\nclose\n' "$work/reference.bmp" |
  "$build/panipani" --headless "${lang[@]}" --data "$build/data" --save-dir "$work/headless" \
    --seed 1 >/dev/null
convert "$work/reference.bmp" "$work/reference.ppm"

# check_capture FILE SCALE [LEFT TOP]: the login screen is in FILE (any picture format).
check_capture() {
  convert "$1" "$work/capture.ppm"
  python3 "$here/check_login_screen.py" "$work/capture.ppm" "$work/reference.ppm" "${@:2}"
}

# shows_login WINDOW SCALE [LEFT TOP]: the window shows the login screen now (quietly).
shows_login() {
  import -window "$1" "$work/poll.png" 2>/dev/null && check_capture "$work/poll.png" "${@:2}" >/dev/null 2>&1
}

# await_login WINDOW SCALE [LEFT TOP]: waits until the window has drawn the login screen, then
# checks a capture of it (which says what differs when the wait ran out).
await_login() {
  wait_until 60 shows_login "$@" ||
    echo "timed out after 60 s waiting for the login screen in the window" >&2
  import -window "$1" "$work/window.png"
  check_capture "$work/window.png" "${@:2}"
}

# geometry_is WINDOW WxH: the window has that size now.
geometry_is() {
  [ "$(xwininfo -id "$1" 2>/dev/null | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')" = "$2" ]
}

# screenshot_written SAVE: F12's screenshot is in SAVE/screenshots, written whole (a PNG file's
# last chunk is IEND).
screenshot_written() {
  local shots=("$1"/screenshots/panipani-*.png)
  [ "$(tail -c 8 "${shots[0]}" 2>/dev/null | head -c 4)" = IEND ]
}

# question_shown: the reset question's box is mapped; sets $box to its window.
question_shown() {
  box="$(xwininfo -root -tree | awk '/"ぱにぱにらん"/ && !found {print $1; found = 1}')"
  [ -n "$box" ] && xwininfo -id "$box" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# window_gone WINDOW: the window no longer exists.
window_gone() {
  ! xwininfo -id "$1" >/dev/null 2>&1
}

# check_log_and_hook WINDOW HOOK_FILE: two answers with the keys, then the wheel
# turned up over the picture opens the log, which must show those earlier lines; the hook printed
# them as they came and left the last message on the clipboard.
check_log_and_hook() {
  local window="$1" hook="$2" answer
  for answer in 1 2; do
    xdotool key --window "$window" 3
    wait_for_line 60 "$hook" '力 / 知恵 / 精神' $((answer + 1))
    xdotool mousemove --window "$window" $((100 * scale)) $((100 * scale)) click 1
  done
  xdotool mousemove --window "$window" $((100 * scale)) $((100 * scale)) click 4
  wait_for 60 "the message log over the picture" shows_log "$window"
  import -window "$window" "$work/log.png"
  convert "$work/log.png" "$work/log.ppm"
  python3 "$here/check_log_screen.py" "$work/log.ppm" "$scale"
  grep -qx '自信のある能力はどれだ？' "$hook" || fail "the hook did not print the question"
  grep -qx '力 / 知恵 / 精神' "$hook" || fail "the hook did not print the offered labels"
  local last clip
  last="$(grep -v ' / ' "$hook" | tail -n 1)"
  clip="$(timeout 5 xclip -o -selection clipboard)"
  [ "$clip" = "$last" ] || fail "the clipboard holds '$clip', not '$last'"
  echo "text hook: $(wc -l <"$hook") lines, clipboard: $clip"
}

# picture_changed WINDOW BEFORE: the window shows another picture than the capture BEFORE.
picture_changed() {
  import -window "$1" "$work/poll.png" 2>/dev/null &&
    ! compare -metric AE "$work/poll.png" "$2" null: >/dev/null 2>&1
}

# log_closed WINDOW: a capture of the window now shows no message log.
log_closed() {
  import -window "$1" "$work/poll.png" 2>/dev/null && convert "$work/poll.png" "$work/poll.ppm" &&
    ! python3 "$here/check_log_screen.py" "$work/poll.ppm" "$scale" >/dev/null 2>&1
}

# check_language WINDOW HOOK_FILE: with the log closed, T switches the game to English: the
# picture changes (its labels are drawn in English) and the hook prints the next lines in English.
check_language() {
  local window="$1" hook="$2"
  xdotool key --window "$window" Escape
  wait_for 30 "the log to close after Escape" log_closed "$window"
  import -window "$window" "$work/japanese.png"
  xdotool key --window "$window" t
  wait_for 30 "the picture to change to English after T" picture_changed "$window" "$work/japanese.png"
  xdotool key --window "$window" 1
  wait_for_line 60 "$hook" 'Strength / Wisdom / Spirit'
  echo "T: the picture changed and the hook printed $(grep -c 'rose by' "$hook") English lines"
}

# shows_options WINDOW: the window shows the options screen now (quietly).
shows_options() {
  import -window "$1" "$work/poll.png" 2>/dev/null && convert "$work/poll.png" "$work/poll.ppm" &&
    python3 "$here/check_options_screen.py" "$work/poll.ppm" "$scale" >/dev/null 2>&1
}

# shows_log WINDOW: the window shows the open message log now (quietly).
shows_log() {
  import -window "$1" "$work/poll.png" 2>/dev/null && convert "$work/poll.png" "$work/poll.ppm" &&
    python3 "$here/check_log_screen.py" "$work/poll.ppm" "$scale" >/dev/null 2>&1
}

# run WM: one pass of the test on a fresh X server, with window manager WM or none.
run() {
  local wm="$1"
  echo "--- window manager: $wm"
  start_virtual_display 1024x768x24
  [ "$wm" = none ] || start_window_manager
  local save="$work/save-$wm"
  mkdir -p "$save"
  SDL_AUDIODRIVER=dummy HOME="$work/home-$wm" XDG_DATA_HOME="$work/home-$wm/.local/share" \
    XDG_CONFIG_HOME="$work/home-$wm/.config" "$build/panipani" "${lang[@]}" --data "$build/data" \
    --save-dir "$save" --seed 1 --scale "$scale" --text-hook copy >"$work/hook-$wm.txt" &
  local game=$!
  on_exit stop_process "$game"
  wait_for_window "$game"
  # The game takes the clicks in order once its window is mapped, even before it has drawn.
  for _ in 1 2; do
    xdotool mousemove --window "$window" $((100 * scale)) $((100 * scale)) click 1
  done
  await_login "$window" "$scale"

  xdotool key --window "$window" F12
  wait_for 30 "F12's screenshot in the save folder" screenshot_written "$save"
  local shots=("$save"/screenshots/panipani-*.png)
  [[ "$(basename "${shots[0]}")" =~ ^panipani-[0-9]{8}-[0-9]{6}\.png$ ]] ||
    fail "screenshot name ${shots[0]}"
  check_capture "${shots[0]}" 1
  rm -f "${shots[@]}"

  xdotool key --window "$window" F11
  wait_for 30 "F11 to make the window 1024x768" geometry_is "$window" 1024x768
  await_login "$window" 2 122 124
  xdotool key --window "$window" F11
  wait_for 30 "F11 again to bring the window back" \
    geometry_is "$window" "$((390 * scale))x$((260 * scale))"
  await_login "$window" "$scale"
  # The options screen over the dimmed picture, and the login screen again once it is closed.
  xdotool key --window "$window" F2
  wait_for 30 "the options screen over the picture" shows_options "$window"
  xdotool key --window "$window" Escape
  await_login "$window" "$scale"

  # Enter presses "旅立つ", the only button; at the three answers that follow it asks the reset
  # question, whose box is answered No with Escape.
  xdotool key --window "$window" Return
  wait_for_line 60 "$work/hook-$wm.txt" '力 / 知恵 / 精神'
  question_shown && fail "Enter asked the question while only one button was shown"
  xdotool key --window "$window" Return
  box=""
  wait_for 30 "the question that Enter opens" question_shown
  local box_width window_width
  box_width="$(xwininfo -id "$box" | awk '/Width:/ {print $2}')"
  window_width="$(xwininfo -id "$window" | awk '/Width:/ {print $2}')"
  import -window root "$work/question-$wm.png"
  echo "question box $box_width pixels wide in a window of $window_width"
  [ "$box_width" -le "$window_width" ] || fail "the question's box is wider than the window"
  xdotool key --window "$box" Escape
  wait_for 30 "the question to close after Escape" window_gone "$box"

  if [ "$wm" = none ]; then
    check_log_and_hook "$window" "$work/hook-$wm.txt"
    check_language "$window" "$work/hook-$wm.txt"
  fi
  stop_process "$game"
}

# offer_shown: a question box is mapped, narrower than the game's window (whose title is the
# same until its first caption); sets $box to it.
offer_shown() {
  local id info
  for id in $(xwininfo -root -tree | awk '/"ぱにぱにらん"/ {print $1}'); do
    info="$(xwininfo -id "$id" 2>/dev/null)" || continue
    grep -q 'Map State: IsViewable' <<<"$info" || continue
    [ "$(awk '/Width:/ {print $2}' <<<"$info")" -lt $((390 * scale)) ] || continue
    box="$id"
    return 0
  done
  return 1
}

# live_window: the game's window shows its frame-rate caption (the game runs live); sets $window.
live_window() {
  window="$(xdotool search --onlyvisible --name 'FLM:' 2>/dev/null | head -n 1)"
  [ -n "$window" ]
}

# box_button_at FRACTION: clicks the question box's button under FRACTION of its width, on its
# row of buttons (the box lays out いいえ(N), はい(Y) from the left).
box_button_at() {
  local geometry x y w h
  geometry="$(xwininfo -id "$box")"
  x="$(awk '/Absolute upper-left X:/ {print $4}' <<<"$geometry")"
  y="$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$geometry")"
  w="$(awk '/Width:/ {print $2}' <<<"$geometry")"
  h="$(awk '/Height:/ {print $2}' <<<"$geometry")"
  xdotool mousemove "$(awk -v x="$x" -v w="$w" -v f="$1" 'BEGIN {printf "%d", x + w * f}')" \
    $((y + h - 26)) click 1
}

# A run closed in its middle is offered again at the next start and, answered Yes, goes on from
# where it stood; closed in the middle again, it is kept for the next start.
resume() {
  echo "--- continue where you left off"
  start_virtual_display 1024x768x24
  local save="$work/save-resume" hook="$work/hook-resume.txt"
  mkdir -p "$save"
  start_game() {
    SDL_AUDIODRIVER=dummy "$build/panipani" "${lang[@]}" --data "$build/data" --save-dir "$save" \
      --seed "$1" --scale "$scale" --text-hook print >"$hook" &
    game=$!
    on_exit stop_process "$game"
  }
  start_game 1
  wait_for_window "$game"
  for _ in 1 2; do
    xdotool mousemove --window "$window" $((100 * scale)) $((100 * scale)) click 1
  done
  wait_for_line 60 "$hook" '旅立つ'
  # Through the creation of a character: the second button shown (or the only one), then clicks,
  # until the camp.
  local tries=0
  until grep -qx 'アイテム / 冒険!!!!' "$hook"; do
    xdotool key --window "$window" 2 space
    xdotool mousemove --window "$window" $((100 * scale)) $((100 * scale)) click 1
    tries=$((tries + 1))
    [ "$tries" -le 200 ] || fail "no camp after 200 presses"
    sleep 0.05
  done
  stop_process "$game"
  [ -s "$save/run.replay" ] || fail "the run left in the middle was not kept"
  local before
  before="$(grep -c . "$save/run.replay")"
  start_game 2
  box=""
  wait_for 60 "the offer to continue" offer_shown
  # A click that comes before the box takes input is lost: click until it closes.
  local clicks=0
  until box_button_at 0.65 && wait_until 5 window_gone "$box"; do
    clicks=$((clicks + 1))
    [ "$clicks" -lt 6 ] || fail "the offer did not close after Yes"
  done
  wait_for 30 "the continued game's window with its frame-rate caption" live_window
  wait_for_line 60 "$hook" 'アイテム / 冒険!!!!'
  xdotool key --window "$window" 2
  stop_process "$game"
  [ "$(grep -c . "$save/run.replay")" -gt "$before" ] ||
    fail "the continued run was not recorded on after the old one"
  [ ! -e "$save/.catch-up" ] || fail "the catch-up folder was left behind"
  echo "continued: the offer was made and the run went on from the camp"
}

run none
resume
if command -v openbox >/dev/null; then
  run openbox
else
  echo "--- openbox is not installed: the pass with a window manager is left out"
fi
echo "window test passed"
