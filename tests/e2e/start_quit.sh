#!/usr/bin/env bash
# The game starts from any working directory, opens its 800 x 600 window with the right title,
# writes its log beside the program, and ends cleanly on Escape and on Alt+F4.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
play_own_xvfb 1024x768 "$0" "$@"
e2e_copy_dist

e2e_start
geometry=$(xwininfo -id "$PLAY_WIN" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')
[ "$geometry" = "800x600" ] || e2e_fail "client area is $geometry"
e2e_quit "on the menu"
tail -n 1 "$E2E_DIR/vaelor.log" | grep -q "Vaelor engine destroyed" || e2e_fail "shutdown line"

e2e_start
xdotool keydown alt key F4 keyup alt
play_expect_exit 0 || e2e_fail "Alt+F4"
e2e_start
kill -TERM "$PLAY_PID"
play_expect_exit 0 || e2e_fail "SIGTERM"
tail -n 1 "$E2E_DIR/vaelor.log" | grep -q "Vaelor engine destroyed" || e2e_fail "shutdown after SIGTERM"
echo "start and quit: ok"
