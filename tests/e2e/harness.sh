# shellcheck shell=bash
# What the end-to-end scripts share, sourced by them: clean-up run on exit, waiting for a
# condition with a deadline instead of sleeping, and a virtual X server on a free display with a
# window manager when asked.
#   source "$(dirname "$0")/harness.sh"

harness_exit_actions=()
# on_exit COMMAND [ARG...]: runs COMMAND when the script exits, the last registered first; the
# script keeps its own exit status. Scripts register here instead of setting an EXIT trap.
on_exit() {
  harness_exit_actions+=("$(printf '%q ' "$@")")
}
harness_exit() {
  local status=$? i
  for ((i = ${#harness_exit_actions[@]} - 1; i >= 0; i--)); do
    eval "${harness_exit_actions[i]}" || true
  done
  exit "$status"
}
trap harness_exit EXIT

# wait_until SECONDS COMMAND [ARG...]: runs COMMAND every tenth of a second until it succeeds
# (COMMAND may be a function of the script; it runs in the script's shell); fails when SECONDS
# pass first.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# wait_for SECONDS WHAT COMMAND [ARG...]: wait_until, and when SECONDS pass first the script
# fails with a message naming WHAT was awaited.
wait_for() {
  local seconds="$1" what="$2"
  shift 2
  if ! wait_until "$seconds" "$@"; then
    echo "timed out after $seconds s waiting for $what" >&2
    exit 1
  fi
}

# stop_process PID: ends process PID (a quit request, then a kill after five seconds) and waits
# until it is gone.
stop_process() {
  kill "$1" 2>/dev/null || return 0
  wait_until 5 process_ended "$1" || kill -9 "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}
# process_ended PID: process PID has ended (an exited child the shell has not reaped counts).
process_ended() {
  ! kill -0 "$1" 2>/dev/null || [[ "$(ps -o stat= -p "$1")" == Z* ]]
}

# start_virtual_display SCREEN: starts Xvfb with one screen of SCREEN (WIDTHxHEIGHTxDEPTH, such as
# 1024x768x24) on the first display number no other X server holds, waits until it answers,
# exports DISPLAY and stops the server on exit. SDL drops a click that it reads within 10 ms of
# the window gaining focus (the click that focused it, as desktops do), and a test's first click
# follows the mapping at once: the exported hint lets such a click through.
start_virtual_display() {
  export SDL_MOUSE_FOCUS_CLICKTHROUGH=1
  local screen="$1" log number="" fd
  log="$(mktemp)"
  on_exit rm -f "$log"
  # The server writes its display number to the descriptor once it accepts connections.
  exec {fd}< <(exec Xvfb -displayfd 1 -screen 0 "$screen" -nolisten tcp 2>"$log")
  on_exit stop_process "$!"
  read -r -t 60 -u "$fd" number || true
  exec {fd}<&-
  if [ -z "$number" ]; then
    echo "the virtual X server did not start; its log ends:" >&2
    tail -n 5 "$log" >&2
    exit 1
  fi
  export DISPLAY=":$number"
  wait_for 30 "the virtual X server on $DISPLAY to answer" harness_display_answers
}
harness_display_answers() {
  xdotool getdisplaygeometry >/dev/null 2>&1
}

# start_window_manager: starts openbox on $DISPLAY, waits until it has started (it runs its
# start-up command once it manages the screen; a window mapped before that may stay unmanaged
# and unmapped) and stops it on exit.
start_window_manager() {
  local ready
  ready="$(mktemp -u)"
  on_exit rm -f "$ready"
  openbox --startup "touch $ready" >/dev/null 2>&1 &
  on_exit stop_process "$!"
  wait_for 30 "the window manager to start" test -e "$ready"
}

# wait_for_window PID: waits until process PID has a mapped window and sets $window to its id;
# fails at once when the process ends first.
wait_for_window() {
  window=""
  wait_for 60 "a mapped window of process $1" harness_find_window "$1"
}
harness_find_window() {
  if process_ended "$1"; then
    echo "process $1 ended before it mapped a window" >&2
    exit 1
  fi
  window="$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n 1)"
  [ -n "$window" ]
}

# wait_for_line SECONDS FILE LINE [COUNT]: waits until FILE holds at least COUNT (1 unless given)
# lines equal to LINE.
wait_for_line() {
  wait_for "$1" "'$3' ${4:-1} time(s) in $(basename "$2")" has_lines "$2" "$3" "${4:-1}"
}
# has_lines FILE LINE COUNT: FILE holds at least COUNT lines equal to LINE.
has_lines() {
  local count
  count="$(grep -cxF -- "$2" "$1" 2>/dev/null)" || true
  [ "${count:-0}" -ge "$3" ]
}
