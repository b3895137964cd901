#!/usr/bin/env bash
# The Shrike's weapons and consoles as a player works them: reinforcing the front shield, the
# console key turning the crosshair into the pointer, a power meter dragged up, disruptor bolts
# and a torpedo salvo flying toward the pointer.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
e2e_in_xvfb 1024x768 "$0" "$@"
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
d=$(play_differ "$E2E_DIR/crosshair.bmp" "$E2E_DIR/pointer.bmp" 585 185 35 35)
[ "$d" -gt 30 ] || e2e_fail "the console key did not change the cursor ($d pixels)"

# A power meter (weapons, the first) dragged to full while the console key is held.
play_shot meter_before
play_move 350 547
xdotool mousedown 1
play_move 372 547
play_move 398 547
xdotool mouseup 1
xdotool keyup Control_L
sleep 3
play_shot meter_after
d=$(play_differ "$E2E_DIR/meter_before.bmp" "$E2E_DIR/meter_after.bmp" 345 542 55 10)
[ "$d" -gt 20 ] || e2e_fail "the weapons power bar did not grow ($d pixels)"

# Zoomed out so the projectiles stay in view; the pointer ahead of the ship.
play_hold Next 2.5
play_move 400 60
sleep 2
play_shot calm
# Disruptors: hold the left button and look while bolts fly.
xdotool mousedown 1
sleep 0.5
play_shot bolts
xdotool mouseup 1
d=$(play_differ "$E2E_DIR/calm.bmp" "$E2E_DIR/bolts.bmp" 300 70 200 370)
[ "$d" -gt 15 ] || e2e_fail "no disruptor bolts in view ($d pixels)"
grep -c "" "$E2E_DIR/vaelor.log" >/dev/null

# A torpedo salvo: spread mode, then the right button.
sleep 3
play_key g
play_shot calm2
xdotool mousedown 3
sleep 0.4
play_shot torpedoes
xdotool mouseup 3
d=$(play_differ "$E2E_DIR/calm2.bmp" "$E2E_DIR/torpedoes.bmp" 300 70 200 370)
[ "$d" -gt 15 ] || e2e_fail "no torpedoes in view ($d pixels)"
play_key Escape
e2e_expect_exit 0 || e2e_fail "Escape"
echo "weapons: ok"
