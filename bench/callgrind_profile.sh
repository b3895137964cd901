#!/usr/bin/env bash
# Callgrind profiles of the real game under its own virtual X server: start-up to the first menu
# frame, the Start click to the first flight frame, and FLIGHT_SECONDS of flight, then a summary.
#   BUILD_DIR=build-x OUT=callgrind-out FLIGHT_SECONDS=20 bench/callgrind_profile.sh
# Needs valgrind and the corvane and assets targets built into $BUILD_DIR/dist.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export ALSOFT_DRIVERS=${ALSOFT_DRIVERS:-null} DBUS_SESSION_BUS_ADDRESS=disabled: SDL_AUDIODRIVER=dummy
exec "$here/../scripts/with_xvfb.sh" 1280x1024 python3 "$here/callgrind_profile.py"
