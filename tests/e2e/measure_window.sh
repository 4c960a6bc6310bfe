#!/usr/bin/env bash
# Measures the window under a virtual X server at scale 3: the time from the program's start to
# its first picture (five starts, with SDL's steps stamped by startup_stamps.c), then its share
# of a processor over 20 s at the flickering title and 20 s at the login screen (pidstat).
# Usage: measure_window.sh BUILD_DIR   (needs gcc, Xvfb, xdotool and sysstat)
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=tests/e2e/harness.sh
source "$here/harness.sh"
work="$(mktemp -d)"
on_exit rm -rf "$work"
gcc -shared -fPIC -O2 -o "$work/stamps.so" "$here/startup_stamps.c" -ldl
start_virtual_display 1280x1024x24
play() {  # play [ENV...]: the game at scale 3 in the background, with a scratch save folder
  env HOME="$work" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" \
    SDL_AUDIODRIVER=dummy "$@" "$build/panipani" --data "$build/data" --save-dir "$work/save" \
    --seed 1 --scale 3 &
}

for run in 1 2 3 4 5; do
  echo "--- start $run"
  play START_NS="$(date +%s%N)" LD_PRELOAD="$work/stamps.so" 2>"$work/stamps"
  game=$!
  wait_for 60 "the first picture of start $run" grep -q "first picture" "$work/stamps"
  stop_process "$game"
  grep " ms " "$work/stamps"
done

play
game=$!
on_exit stop_process "$game"
wait_for_window "$game"
# Start-up's own work is left out of the idle figures.
sleep 2
echo "--- the flickering title"
pidstat -p "$game" 20 1 | tail -n 1
for _ in 1 2; do
  xdotool mousemove --window "$window" 300 300 click 1
done
sleep 2
echo "--- the login screen"
pidstat -p "$game" 20 1 | tail -n 1
