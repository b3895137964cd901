#!/usr/bin/env bash
# A scripted flight of about a minute under AddressSanitizer with LeakSanitizer: the game built
# in the sanitizer tree (scripts/build_sanitize.sh) plays from a copy of the program folder and
# must end with no invalid access and nothing definitely lost.
#   memcheck_flight.sh [sanitizer build folder] [seconds]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
ASAN_DIR=$(cd "${1:-$ROOT/build/asan}" && pwd)
SECONDS_TO_FLY=${2:-60}
. "$ROOT/scripts/player.sh"
play_own_xvfb 1024x768 "$0" "$ASAN_DIR" "$SECONDS_TO_FLY"
play_scratch_copy "$ROOT/build/dist"
cp "$ASAN_DIR/dist/corvane" "$PLAY_DIR/corvane"
REPORT=$PLAY_DIR/asan
export ASAN_OPTIONS=detect_leaks=1:log_path=$REPORT UBSAN_OPTIONS=print_stacktrace=1:log_path=$REPORT
export LSAN_OPTIONS=suppressions=$ROOT/scripts/lsan.supp:print_suppressions=0

play_start
play_click 470 328
menu_start
end=$((SECONDS + SECONDS_TO_FLY))
round=0
while [ $SECONDS -lt $end ]; do
  round=$((round + 1))
  play_battle_round "round $round"
done
play_key Escape
play_expect_exit 0
echo "memcheck: $round rounds in ${SECONDS_TO_FLY} s"
if ls "$REPORT".* >/dev/null 2>&1; then
  cat "$REPORT".*
  grep -q "ERROR: AddressSanitizer\|runtime error\|ERROR: LeakSanitizer" "$REPORT".* && exit 1
fi
echo "memcheck: no invalid accesses, nothing definitely lost"
