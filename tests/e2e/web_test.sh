#!/usr/bin/env bash
# The browser test: serves the browser build on 127.0.0.1 and drives it in Debian's chromium
# (tests/e2e/web/web_test.mjs), against the native program of the same tree.
#   tests/e2e/web_test.sh [BUILD_WEB [NATIVE_BUILD [PORT]]]
set -euo pipefail
cd "$(dirname "$0")/../.."
web="${1:-build-web}"
native="${2:-build}"
port="${3:-8026}"
[ -f "$web/panipani.wasm" ] || { echo "no browser build in $web (scripts/web.sh --build-only)"; exit 1; }

(cd tests/e2e/web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --silent)

python3 -m http.server "$port" --bind 127.0.0.1 --directory "$web" >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  python3 -c "import urllib.request; urllib.request.urlopen('http://127.0.0.1:$port/')" \
    2>/dev/null && break
  sleep 0.1
done

node tests/e2e/web/web_test.mjs "http://127.0.0.1:$port/" "$native/panipani" \
  "$native/bench_render_frame"
