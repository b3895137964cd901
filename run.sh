#!/usr/bin/env bash
# Builds the game and its content, then starts it from the program folder. Without a display it
# runs a scripted demo under a virtual X server and saves screenshots taken with the game's own
# screenshot key.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
./scripts/build.sh
DIST="$(pwd)/${BUILD_DIR:-build}/dist"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$DIST/corvane"
fi
exec ./scripts/demo.sh "$DIST"
