#!/usr/bin/env bash
# Lighthouse 12 (its mobile run: a phone's screen, a slow network and processor simulated) on the
# site of the browser build served as a static host serves it, in Debian's chromium: prints the
# scores, the timings and the audits that cost a point (tests/e2e/web/audit/report.mjs) and fails
# when performance is under 0.9 or accessibility or best practices under 1.
#   tests/e2e/web_audit.sh [BUILD_WEB [PORT]]
set -euo pipefail
cd "$(dirname "$0")/../.."
web="${1:-build-web}"
port="${2:-8027}"
[ -f "$web/site/sw.js" ] || { echo "no browser build in $web (scripts/web.sh --build-only)"; exit 1; }

(cd tests/e2e/web/audit && npm ci --no-audit --no-fund --silent)
out=$(mktemp -d)
node scripts/serve-web.mjs "$web/site" "$port" >/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null || true; rm -rf "$out"' EXIT
sleep 0.5

CHROME_PATH=/usr/bin/chromium tests/e2e/web/audit/node_modules/.bin/lighthouse \
  "http://127.0.0.1:$port/index.html" --quiet --output=json --output-path="$out/report.json" \
  --only-categories=performance,accessibility,best-practices \
  --chrome-flags="--headless=new --no-sandbox --disable-gpu"
node tests/e2e/web/audit/report.mjs "$out/report.json"
