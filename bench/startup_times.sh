#!/usr/bin/env bash
# Start-up timings of the game under its own virtual X server, ten runs by default:
#   BUILD_DIR=build-x RUNS=10 bench/startup_times.sh
# Needs the corvane and assets targets built into $BUILD_DIR/dist.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export ALSOFT_DRIVERS=${ALSOFT_DRIVERS:-null} DBUS_SESSION_BUS_ADDRESS=disabled: SDL_AUDIODRIVER=dummy
exec "$here/../scripts/with_xvfb.sh" 1280x1024 python3 "$here/startup_times.py"
