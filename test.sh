#!/usr/bin/env bash
# Builds everything and runs every test (unit, GL, audio, end-to-end, fuzz smoke runs) under a
# virtual X display, then builds the unit and GL tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer and runs them too. Ends with one line: "N passed, N failed".
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
./scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}
SANITIZE_DIR=${SANITIZE_DIR:-$BUILD_DIR/asan}
ROOT=$(pwd)
./scripts/build_sanitize.sh "$SANITIZE_DIR"

export ALSOFT_DRIVERS=null DBUS_SESSION_BUS_ADDRESS=disabled: SDL_AUDIODRIVER=dummy
status=0
# Runs one build folder's tests; its results go to <folder>/test-results.
run_ctest() {
  rm -rf "$1/test-results"
  mkdir -p "$1/test-results"
  (cd "$1" && "$ROOT/scripts/with_xvfb.sh" 1280x1024 \
    ctest --output-on-failure -j "$(nproc)" --output-junit test-results/ctest.xml) || status=$?
}
run_ctest "$BUILD_DIR"
# Any sanitizer report ends the program with a failure; leaks inside the system's GL, X and
# audio libraries are not ours and are suppressed.
ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions=$ROOT/scripts/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_ctest "$SANITIZE_DIR"
python3 scripts/summarize_tests.py \
  "$BUILD_DIR/test-results/ctest.xml" "$BUILD_DIR/test-results" \
  "$SANITIZE_DIR/test-results/ctest.xml" "$SANITIZE_DIR/test-results" || status=1
exit $status
