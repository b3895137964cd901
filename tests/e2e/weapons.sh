#!/usr/bin/env bash
# The Shrike's weapons and consoles as a player works them: reinforcing the front shield, the
# console key turning the crosshair into the pointer, a power meter dragged up, disruptor bolts
# and a torpedo salvo flying toward the pointer.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
play_own_xvfb 1024x768 "$0" "$@"
e2e_copy_dist

e2e_start
play_click 470 328
menu_start
sleep 2

# The front shield facing: yellow at its start level, green once reinforced.
play_shot shields_before
e2e_pixel_is "$PLAY_LAST_SHOT" 400 258 "r > 150 and g > 150 and b < 100" "front shield at its start level"
for _ in 1 2 3 4 5; do play_key Up; done
sleep 0.3
play_shot shields_after
e2e_pixel_is "$PLAY_LAST_SHOT" 400 258 "g > 150 and r < 120" "reinforced front shield"

# The console key: the pointer replaces the crosshair.
play_move 600 200
sleep 0.5
play_shot crosshair
xdotool keydown Control_L
sleep 0.3
play_shot pointer
e2e_check "$(play_differ "$E2E_DIR/crosshair.bmp" "$PLAY_LAST_SHOT" 585 185 35 35)" -gt 30 \
  "the console key did not change the cursor"

# A power meter (weapons, the first) dragged to full while the console key is held.
play_move 350 547
xdotool mousedown 1
play_move 372 547
play_move 398 547
xdotool mouseup 1
xdotool keyup Control_L
sleep 3
play_shot meter_after
e2e_check "$(play_differ "$E2E_DIR/pointer.bmp" "$PLAY_LAST_SHOT" 345 542 55 10)" -gt 20 \
  "the weapons power bar did not grow"

# Zoomed out so the projectiles stay in view; the pointer ahead of the ship.
play_hold Next 2.5
play_move 400 60
sleep 2
# Holds a mouse button (1 disruptors, 3 torpedoes) and looks while the shots fly.
fire() {
  play_shot calm
  xdotool mousedown "$1"
  sleep "$2"
  play_shot "$3"
  xdotool mouseup "$1"
  e2e_check "$(play_differ "$E2E_DIR/calm.bmp" "$PLAY_LAST_SHOT" 300 70 200 370)" -gt 15 "no $3 in view"
}
fire 1 0.5 bolts
# A torpedo salvo: spread mode, then the right button.
sleep 3
play_key g
fire 3 0.4 torpedoes
e2e_quit "with the Shrike's weapons"
echo "weapons: ok"
