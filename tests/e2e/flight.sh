#!/usr/bin/env bash
# Flying the Tessaly as a player: still stars at rest, turning, sliding and the lever moving the
# star field, the speed band on the dial, warp in and out with its streaks and indicator, the
# cloak refused with a message; then the Shrike fading out under its cloak.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
play_own_xvfb 1024x768 "$0" "$@"
e2e_copy_dist

STARS="40 90 300 150"   # a patch of sky clear of the HUD and the ship
lit() { play_count "$1" $STARS "r + g + b > 90"; }
moved() { play_differ "$1" "$2" $STARS; }

e2e_start
menu_start
# Once the view has settled on the pointer, two looks at the sky half a second apart match.
still=""
for _ in 1 2 3; do
  sleep 1
  e2e_shot_pair rest1 rest2 0.5
  [ "$(moved "$E2E_DIR/rest1.bmp" "$E2E_DIR/rest2.bmp")" -eq 0 ] && still=1 && break
done
[ -n "$still" ] || e2e_fail "the stars move at rest"
rest_lit=$(lit "$E2E_DIR/rest1.bmp")

# Turning: the sprite turns.
play_hold d 0.7
play_shot turned
e2e_check "$(play_differ "$E2E_DIR/rest2.bmp" "$PLAY_LAST_SHOT" 350 250 100 100)" -gt 200 \
  "the ship did not turn"

# Sliding: the stars stream past while the slide key is held.
xdotool keydown x
sleep 1
e2e_shot_pair slide1 slide2 0.3
xdotool keyup x
e2e_check "$(moved "$E2E_DIR/slide1.bmp" "$E2E_DIR/slide2.bmp")" -gt 5 "sliding did not move the stars"

# The lever: with the console key held, a press at the far end of its arc (full ahead).
xdotool keydown Control_L
play_click 759.3 463.7
xdotool keyup Control_L
play_move 400 300
sleep 3
e2e_shot_pair ahead1 ahead2 0.3
e2e_check "$(moved "$E2E_DIR/ahead1.bmp" "$E2E_DIR/ahead2.bmp")" -gt 5 "the lever did not move the ship"
# The speed band: blue on the dial's rim a little above its left end.
e2e_pixel_is "$E2E_DIR/ahead2.bmp" 632.9 474.8 "b > 120 and b > r + 60" "speed band"

# Warp: streaks and the warp indicator, then back to impulse.
play_key j
sleep 4
play_shot warp
# Streaks light far more of the sky than still points (how much depends on the heading and how
# far the warp factor has risen).
streaks=$((rest_lit * 2 + 40))
e2e_check "$(lit "$E2E_DIR/warp.bmp")" -gt "$streaks" "no warp streaks"
e2e_check "$(play_count "$E2E_DIR/warp.bmp" 515 565 90 30 "r + g + b > 300")" -gt 20 "no warp indicator"
play_key j
sleep 5
play_shot impulse
e2e_check "$(lit "$E2E_DIR/impulse.bmp")" -lt "$streaks" "the streaks stayed after warp"

# The Tessaly has no cloak: a system line says so at the top left.
before=$(play_count "$E2E_DIR/impulse.bmp" 5 6 200 10 "r + g + b > 300")
play_key c
sleep 0.3
play_shot refused
after=$(play_count "$E2E_DIR/refused.bmp" 5 6 200 10 "r + g + b > 300")
e2e_check "$after" -gt $((before + 20)) "no refusal message (before: $before)"
e2e_quit "in the Tessaly"

# The Shrike cloaks: its sprite fades to a quarter.
e2e_start
play_click 470 328
menu_start
sleep 1
bright() { play_count "$PLAY_LAST_SHOT" 350 250 100 100 "r + g + b > 150"; }
play_shot visible
seen=$(bright)
play_key c
sleep 3
play_shot cloaked
e2e_check "$(bright)" -lt $((seen / 3)) "the Shrike did not fade (from $seen bright pixels)"
e2e_quit "in the Shrike"
echo "flight: ok"
