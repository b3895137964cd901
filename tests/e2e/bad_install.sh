#!/usr/bin/env bash
# Damaged installs as a player might have them: without the key bindings or a text file the game
# says so in a box, which a key press dismisses, and ends with a failure status; with a damaged
# ship picture, console sheet, sound and music track it still starts and flies.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
play_own_xvfb 1024x768 "$0" "$@"

# Starts the game, which must show its message box (drawn in its own window) and wait there;
# a key press dismisses it and the game must end with a failure status.
expect_box() {
  e2e_start
  sleep 0.5
  play_shot "box"
  e2e_check "$(play_count "$PLAY_LAST_SHOT" 250 200 300 200 "r + g + b > 150")" -gt 200 \
    "no message box on screen for: $1"
  play_key Return
  play_expect_exit 0 >/dev/null && e2e_fail "the game ended with status 0 after: $1"
  grep -q "$1" "$E2E_DIR/vaelor.log" || e2e_fail "no log line: $1"
  rm -rf "$E2E_DIR"
}

e2e_copy_dist
rm "$E2E_DIR/Users/default.cdu"
expect_box "Failed to open user config file"
e2e_copy_dist
rm "$E2E_DIR/Texts/eng/game.loc"
expect_box "Unable to load LOC file, quitting..."

# Damaged content: cut files in half and fill one with noise.
e2e_copy_dist
half() { truncate -s $(($(stat -c %s "$1") / 2)) "$1"; }
half "$E2E_DIR/Data/shrike.dsx"
half "$E2E_DIR/Data/Graphics/Tactical/tactical.dsx"
head -c 5000 /dev/urandom >"$E2E_DIR/Data/Audio/distruptor.wav"
for track in "$E2E_DIR"/Data/Music/*.ogg; do half "$track"; break; done
# Each damaged picture is reported in an error box that a key press closes; the game goes on.
DISMISSED=0
dismiss_errors() {
  local n
  for _ in $(seq 50); do
    n=$(grep -c "\] - \[ERROR\] Error in" "$E2E_DIR/vaelor.log" || true)
    [ "$DISMISSED" -lt "$n" ] || return 0
    sleep 0.3
    play_key Return
    DISMISSED=$((DISMISSED + 1))
  done
}
e2e_start
sleep 1
dismiss_errors
play_click 470 328
PLAY_EXPECT_NEW=1
play_click "$MENU_START_X" "$MENU_START_Y"
play_window || e2e_fail "no flight window"
unset PLAY_EXPECT_NEW
sleep 1
dismiss_errors
[ "$DISMISSED" -ge 2 ] || e2e_fail "the damaged pictures were not reported ($DISMISSED boxes)"
play_move 400 300
play_hold w 1
xdotool mousedown 1
sleep 0.5
xdotool mouseup 1
play_key c
sleep 1
play_shot damaged
kill -0 "$PLAY_PID" || e2e_fail "the game ended with damaged files"
e2e_quit "with damaged files"
echo "bad install: ok"
