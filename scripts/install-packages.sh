#!/usr/bin/env bash
# Installs the Debian packages named on the command line that are not installed yet (through
# sudo when not root); does nothing when every one is there. --no-install-recommends leaves out
# the packages they only recommend.
#   scripts/install-packages.sh [--no-install-recommends] PACKAGE...
set -euo pipefail
apt_options=()
if [ "${1:-}" = --no-install-recommends ]; then
  apt_options+=("$1")
  shift
fi
missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${apt_options[@]}" "${missing[@]}"
fi
