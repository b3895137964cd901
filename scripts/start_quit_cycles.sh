#!/usr/bin/env bash
# Starts the game and quits it many times in a row (half from the menu, half from flight) and
# checks that nothing is left behind: every run ends with status 0, no game process survives,
# the X server holds no leftover windows, and the program folder gains nothing but its log.
#   start_quit_cycles.sh [runs]      (the game from build/dist, under its own X server)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
RUNS=${1:-50}
. "$ROOT/scripts/player.sh"
play_own_xvfb 1024x768 "$0" "$RUNS"
play_scratch_copy "${BUILD_DIR:-$ROOT/build}/dist"
files_before=$(cd "$PLAY_DIR" && find . -type f | grep -v '^./vaelor.log$' | sort | md5sum)
windows_before=$(xwininfo -root -children | grep -c "^ *0x" || true)
for run in $(seq "$RUNS"); do
  PLAY_WIN=""
  play_start
  [ $((run % 2)) -eq 0 ] && menu_start
  play_key Escape
  play_expect_exit 0 || { echo "run $run did not end cleanly"; exit 1; }
done
sleep 0.5
files_after=$(cd "$PLAY_DIR" && find . -type f | grep -v '^./vaelor.log$' | sort | md5sum)
windows_after=$(xwininfo -root -children | grep -c "^ *0x" || true)
left=$(pgrep -f "$PLAY_DIR/corvane" | wc -l || true)
echo "cycles: $RUNS runs; windows $windows_before -> $windows_after; processes left $left"
[ "$files_before" = "$files_after" ] || { echo "the program folder changed"; exit 1; }
[ "$windows_after" -le "$windows_before" ] && [ "$left" -eq 0 ] || exit 1
echo "cycles: nothing left behind"
