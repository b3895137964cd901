#!/usr/bin/env bash
# Builds everything and runs every test (unit, GL, audio, end-to-end, fuzz smoke runs) under a
# virtual X display. Ends with one line: "N passed, N failed".
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
./scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}
ROOT=$(pwd)

export ALSOFT_DRIVERS=null DBUS_SESSION_BUS_ADDRESS=disabled: SDL_AUDIODRIVER=dummy
rm -rf "$BUILD_DIR/test-results"
mkdir -p "$BUILD_DIR/test-results"
status=0
(cd "$BUILD_DIR" && "$ROOT/scripts/with_xvfb.sh" 1280x1024 \
  ctest --output-on-failure -j "$(nproc)" --output-junit test-results/ctest.xml) || status=$?
python3 scripts/summarize_tests.py "$BUILD_DIR/test-results/ctest.xml" "$BUILD_DIR/test-results" \
  || status=1
exit $status
