#!/usr/bin/env bash
# Sets up panipani with everything the tests need, then runs the whole suite: the unit and scene
# tests, the same tests under AddressSanitizer and UndefinedBehaviorSanitizer, a short run of
# every fuzz target, the window test under a virtual X server, the install and package checks,
# and the browser build in chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"
passed=0
failed=0
timings=()
timed() {  # timed SECONDS OUTCOME NAME: a line of the wall times printed at the end
  timings+=("$(printf '%6d s  %-6s  %s' "$1" "$2" "$3")")
}
stage() {  # stage NAME COMMAND...: runs one stage of the suite, counts it and times it
  local name="$1" start="$SECONDS" outcome=passed
  shift
  echo "=== $name"
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    outcome=FAILED
    echo "=== FAILED: $name"
  fi
  timed $((SECONDS - start)) "$outcome" "$name"
}

setup_start="$SECONDS"
scripts/setup.sh --for-tests
timed $((SECONDS - setup_start)) built "set-up and build"

stage "tests" ctest --test-dir build --output-on-failure -j "$jobs" --timeout 600

sanitized() {
  cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 \
    -DPANIPANI_SANITIZE=ON -DPANIPANI_BENCH=OFF &&
    cmake --build build-sanitize -j "$jobs" &&
    ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build-sanitize --output-on-failure -j "$jobs" \
      --timeout 900
}
stage "tests under sanitizers" sanitized

fuzz_smoke() {
  CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPANIPANI_FUZZ=ON -DPANIPANI_TESTS=OFF -DPANIPANI_BENCH=OFF &&
    cmake --build build-fuzz -j "$jobs" || return 1
  local target
  for target in build-fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    echo "--- $(basename "$target")"
    local corpus
    corpus="$(mktemp -d)"
    "$target" -max_total_time=10 -print_final_stats=1 "$corpus" 2>&1 | tail -n 3 || return 1
    rm -rf "$corpus"
  done
}
stage "fuzz smoke" fuzz_smoke

stage "window test" tests/e2e/window_test.sh build
stage "couch window test" tests/e2e/couch_window_test.sh build

stage "install and package" tests/e2e/package_test.sh build

browser_test() {
  scripts/web.sh --for-tests && tests/e2e/web_test.sh build-web build
}
stage "browser test" browser_test

echo "=== wall time of each stage"
printf '%s\n' "${timings[@]}"
echo "suite: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
