#!/usr/bin/env bash
# Measures the window under a virtual X server at scale 3: the time from the program's start to
# its first picture (five starts, with SDL's steps stamped by startup_stamps.c), then its share
# of a processor over 20 s at the flickering title and 20 s at the login screen (pidstat).
# Usage: measure_window.sh BUILD_DIR [DISPLAY]   (needs gcc, Xvfb, xdotool and sysstat)
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
display="${2:-:$((90 + RANDOM % 100))}"
work="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
gcc -shared -fPIC -O2 -o "$work/stamps.so" "$here/startup_stamps.c" -ldl
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY="$display"
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
play() {  # play [ENV...]: the game at scale 3 in the background, with a scratch save folder
  env HOME="$work" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" \
    SDL_AUDIODRIVER=dummy "$@" "$build/panipani" --data "$build/data" --save-dir "$work/save" \
    --seed 1 --scale 3 &
}

for run in 1 2 3 4 5; do
  echo "--- start $run"
  play START_NS="$(date +%s%N)" LD_PRELOAD="$work/stamps.so" 2>"$work/stamps"
  game=$!
  sleep 1.5
  kill "$game"
  wait "$game" 2>/dev/null || true
  grep " ms " "$work/stamps"
done

play
game=$!
pids+=("$game")
window="$(xdotool search --sync --onlyvisible --pid "$game" | head -n 1)"
sleep 2
echo "--- the flickering title"
pidstat -p "$game" 20 1 | tail -n 1
for _ in 1 2; do
  xdotool mousemove --window "$window" 300 300 click 1
  sleep 1.5
done
sleep 2
echo "--- the login screen"
pidstat -p "$game" 20 1 | tail -n 1
