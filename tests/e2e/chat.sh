#!/usr/bin/env bash
# Chat, pause and the window as a player uses them: a typed line sent to everybody appears at
# the top left; Escape closes the chat without quitting; pause shows its notice; the game
# survives being minimised and restored; Escape then quits with status 0, and so does Alt+F4.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
play_own_xvfb 1024x768 "$0" "$@"
e2e_copy_dist
text_in() { play_count "$PLAY_LAST_SHOT" 5 5 230 14 "r + g + b > 300"; }
box() { play_count "$PLAY_LAST_SHOT" 60 292 240 16 "abs(r - b) > 40 or r + g + b > 300"; }
# Sends a line through the chat box opened with T.
send() {
  play_key t
  play_key ctrl+a
  play_type "$1"
  [ -z "${2:-}" ] || play_shot "$2" # the screenshot keys type nothing into the box
  play_key Return
  sleep 0.3
}

e2e_start
menu_start
sleep 0.5
play_shot quiet
e2e_check "$(text_in)" -lt 10 "text at the top left before any chat"

# T opens the chat box with its greeting selected; typing replaces it and Enter sends.
play_key t
play_shot open
e2e_check "$(box)" -gt 300 "no chat box"
play_key Escape
send "Ravens fly at dawn" typing
play_shot sent
e2e_check "$(text_in)" -gt 40 "the sent line is not shown"
e2e_check "$(box)" -lt 100 "the chat box stayed open"

# The same line typed without a screenshot ends where the first one ends.
send "Ravens fly at dawn"
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
e2e_check "$(box)" -lt 100 "Escape did not close the chat"

# Pause and resume: the notice covers the middle of the view and goes again.
PAUSE_BOX="340 284 120 30"
pause_notice() { play_differ "$E2E_DIR/running.bmp" "$PLAY_LAST_SHOT" $PAUSE_BOX; }
play_shot running
for step in paused resumed; do
  play_key p
  sleep 0.3
  play_shot $step
  if [ $step = paused ]; then e2e_check "$(pause_notice)" -gt 200 "no pause notice"; fi
done
e2e_check "$(pause_notice)" -lt 50 "the pause notice stayed"

# Minimise and restore.
xdotool windowminimize "$PLAY_WIN"
sleep 1
kill -0 "$PLAY_PID" || e2e_fail "the game ended when minimised"
xdotool windowmap "$PLAY_WIN" 2>/dev/null || true
xdotool windowactivate "$PLAY_WIN" 2>/dev/null || true
sleep 1
play_move 400 300
play_shot restored
e2e_check "$(play_count "$PLAY_LAST_SHOT" 370 270 60 60 "r + g + b > 150")" -gt 300 \
  "nothing drawn after restoring"
e2e_quit "after the chat"

e2e_start
menu_start
xdotool keydown alt key F4 keyup alt
play_expect_exit 0 || e2e_fail "Alt+F4 in flight"
echo "chat: ok"
