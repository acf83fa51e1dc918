#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "zendrova: no display found (set DISPLAY or WAYLAND_DISPLAY); the program needs a graphical desktop." >&2
  exit 1
fi
scripts/build.sh
exec build/bin/zendrova
