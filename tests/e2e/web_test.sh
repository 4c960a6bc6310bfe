#!/usr/bin/env bash
# The browser test: the page's layout on its own (node), then the site of the browser build served
# as a static host serves it (scripts/serve-web.mjs) and driven in Debian's chromium and
# firefox-esr (tests/e2e/web/web_test.mjs), against the native program of the same tree.
#   tests/e2e/web_test.sh [BUILD_WEB [NATIVE_BUILD [PORT]]]     (PORT: a free one unless given)
set -euo pipefail
cd "$(dirname "$0")/../.."
# shellcheck source=tests/e2e/harness.sh
source tests/e2e/harness.sh
web="${1:-build-web}"
native="${2:-build}"
port="${3:-0}"
[ -f "$web/site/sw.js" ] || { echo "no browser build in $web (scripts/web.sh --build-only)"; exit 1; }

(cd tests/e2e/web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --silent)
node --test tests/e2e/web/layout_test.mjs

# The served folder: the site and the frame benchmark's page beside it.
root=$(mktemp -d)
on_exit rm -rf "$root" "$root.address"
ln -s "$(realpath "$web/site")" "$root/site"
ln -s "$(realpath "$web/bench")" "$root/bench"
# The server's first line is its address.
node scripts/serve-web.mjs "$root" "$port" >"$root.address" &
on_exit stop_process "$!"
wait_for 30 "the page server to name its address" test -s "$root.address"
url=$(head -n 1 "$root.address")

node tests/e2e/web/web_test.mjs "$url" "$native/panipani" "$native/bench_render_frame" "$root"
