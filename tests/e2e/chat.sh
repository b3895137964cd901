#!/usr/bin/env bash
# Chat, pause and the window as a player uses them: a typed line sent to everybody appears at
# the top left; Escape closes the chat without quitting; pause shows its notice; the game
# survives being minimised and restored; Escape then quits with status 0, and so does Alt+F4.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
e2e_in_xvfb 1024x768 "$0" "$@"
e2e_copy_dist
CHAT="5 5 230 14"
text_in() { play_count "$1" $CHAT "r + g + b > 300"; }

e2e_start
menu_start
sleep 0.5
play_shot quiet
[ "$(text_in "$PLAY_LAST_SHOT")" -lt 10 ] || e2e_fail "text at the top left before any chat"

# T opens the chat box with its greeting selected; typing replaces it and Enter sends.
play_key t
play_shot open
box=$(play_count "$PLAY_LAST_SHOT" 60 292 240 16 "abs(r - b) > 40 or r + g + b > 300")
[ "$box" -gt 300 ] || e2e_fail "no chat box ($box pixels)"
play_key ctrl+a
play_type "Ravens fly at dawn"
play_shot typing   # the screenshot keys type nothing into the box
play_key Return
sleep 0.3
play_shot sent
[ "$(text_in "$PLAY_LAST_SHOT")" -gt 40 ] || e2e_fail "the sent line is not shown"
box=$(play_count "$PLAY_LAST_SHOT" 60 292 240 16 "abs(r - b) > 40 or r + g + b > 300")
[ "$box" -lt 100 ] || e2e_fail "the chat box stayed open"

# The same line typed without a screenshot ends where the first one ends.
play_key t
play_key ctrl+a
play_type "Ravens fly at dawn"
play_key Return
sleep 0.3
play_shot sent_twice
ends=$(python3 "$PLAY_SCRIPTS/shots.py" rowends "$PLAY_LAST_SHOT" 5 230 5 19 19 33)
set -- $ends
[ "$1" -gt 0 ] && [ $(($1 - $2)) -le 1 ] && [ $(($2 - $1)) -le 1 ] ||
  e2e_fail "the line typed during a screenshot ends at $1, the other at $2"

# Escape while typing closes the chat; the game goes on.
play_key r
play_key Escape
sleep 0.5
kill -0 "$PLAY_PID" || e2e_fail "Escape in the chat quit the game"
play_shot closed
box=$(play_count "$PLAY_LAST_SHOT" 60 292 240 16 "abs(r - b) > 40 or r + g + b > 300")
[ "$box" -lt 100 ] || e2e_fail "Escape did not close the chat"

# Pause and resume: the notice covers the middle of the view and goes again.
PAUSE_BOX="340 284 120 30"
play_shot running
play_key p
sleep 0.3
play_shot paused
d=$(play_differ "$E2E_DIR/running.bmp" "$E2E_DIR/paused.bmp" $PAUSE_BOX)
[ "$d" -gt 200 ] || e2e_fail "no pause notice ($d pixels)"
play_key p
sleep 0.3
play_shot resumed
d=$(play_differ "$E2E_DIR/running.bmp" "$E2E_DIR/resumed.bmp" $PAUSE_BOX)
[ "$d" -lt 50 ] || e2e_fail "the pause notice stayed ($d pixels)"

# Minimise and restore.
xdotool windowminimize "$PLAY_WIN"
sleep 1
kill -0 "$PLAY_PID" || e2e_fail "the game ended when minimised"
xdotool windowmap "$PLAY_WIN" 2>/dev/null || true
xdotool windowactivate "$PLAY_WIN" 2>/dev/null || true
sleep 1
play_move 400 300
play_shot restored
lit=$(play_count "$PLAY_LAST_SHOT" 370 270 60 60 "r + g + b > 150")
[ "$lit" -gt 300 ] || e2e_fail "nothing drawn after restoring"
grep -q "" "$E2E_DIR/vaelor.log"

play_key Escape
e2e_expect_exit 0 || e2e_fail "Escape after the chat"

e2e_start
menu_start
xdotool keydown alt key F4 keyup alt
e2e_expect_exit 0 || e2e_fail "Alt+F4 in flight"
echo "chat: ok"
