#!/usr/bin/env bash
# "Start" with each of the three ships: a 1024 x 768 window with the chosen ship's own sprite at
# the centre (the three look different), the HUD in the chosen colour; then full screen in the
# one mode the X server offers.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
play_own_xvfb 1024x768 "$0" "$@"
e2e_copy_dist

# ship index, swatch (x y) and the tint the HUD's filled squares take (the colour x 0.784).
fly_ship() {
  local ship=$1 swatch_x=$2 swatch_y=$3
  e2e_start
  play_click 470 $((310 + 18 * ship))
  play_click "$swatch_x" "$swatch_y"
  menu_start
  play_move 400 300
  sleep 1.5
  play_shot "ship$ship"
  [ "${PLAY_W}x${PLAY_H}" = "1024x768" ] || e2e_fail "window is ${PLAY_W}x${PLAY_H}"
  sprite_shown "ship $ship"
  e2e_quit "in flight"
}
sprite_shown() {
  e2e_check "$(play_count "$PLAY_LAST_SHOT" 370 270 60 60 "r + g + b > 150")" -gt 300 \
    "$1: no sprite at the centre"
}

fly_ship 0 590 320
e2e_pixel_is "$PLAY_LAST_SHOT" 779 437 "abs(r - 105) < 8 and abs(g - 188) < 8 and abs(b - 69) < 8" "green HUD"
fly_ship 1 660 320
e2e_pixel_is "$PLAY_LAST_SHOT" 779 437 "abs(r - 176) < 8 and abs(g - 39) < 8 and abs(b - 24) < 8" "red HUD"
fly_ship 2 660 350
e2e_pixel_is "$PLAY_LAST_SHOT" 20 437 "abs(r - 51) < 8 and abs(g - 141) < 8 and abs(b - 184) < 8" "blue HUD"
for pair in "0 1" "0 2" "1 2"; do
  set -- $pair
  e2e_check "$(play_differ "$E2E_DIR/ship$1.bmp" "$E2E_DIR/ship$2.bmp" 350 250 100 100)" -gt 400 \
    "ships $1 and $2 look alike"
done

# Full screen at the X server's own size.
e2e_start
play_click 428 210
menu_start
[ "${PLAY_W}x${PLAY_H}" = "1024x768" ] || e2e_fail "full-screen window is ${PLAY_W}x${PLAY_H}"
grep -q "Setting Display Mode to 1024x768" "$E2E_DIR/vaelor.log" || e2e_fail "no display mode set"
play_shot fullscreen
sprite_shown "full screen"
e2e_quit "in full screen"
echo "ships: ok"
