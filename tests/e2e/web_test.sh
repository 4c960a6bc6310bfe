#!/usr/bin/env bash
# The browser test: serves the browser build on 127.0.0.1 and drives it in Debian's chromium
# (tests/e2e/web/web_test.mjs), against the native program of the same tree.
#   tests/e2e/web_test.sh [BUILD_WEB [NATIVE_BUILD [PORT]]]
set -euo pipefail
cd "$(dirname "$0")/../.."
# shellcheck source=tests/e2e/harness.sh
source tests/e2e/harness.sh
web="${1:-build-web}"
native="${2:-build}"
port="${3:-8026}"
[ -f "$web/panipani.wasm" ] || { echo "no browser build in $web (scripts/web.sh --build-only)"; exit 1; }

(cd tests/e2e/web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --silent)

python3 -m http.server "$port" --bind 127.0.0.1 --directory "$web" >/dev/null 2>&1 &
on_exit stop_process "$!"
# serving: the page answers at the port.
serving() {
  python3 -c "import urllib.request; urllib.request.urlopen('http://127.0.0.1:$port/')" 2>/dev/null
}
wait_for 30 "the page served at port $port" serving

node tests/e2e/web/web_test.mjs "http://127.0.0.1:$port/" "$native/panipani" \
  "$native/bench_render_frame"
