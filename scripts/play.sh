#!/usr/bin/env bash
# Sets up panipani (see setup.sh) and starts it in a window. Options are passed on to the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec build/panipani "$@"
