#!/usr/bin/env bash
# Headless demo flight: starts the game under Xvfb, plays it with real X input through the same
# player's hands as the end-to-end tests (scripts/player.sh) and keeps the screenshots the
# game's own hot key wrote, as BMP and PNG, in a folder it prints.
set -euo pipefail
DIST=$(cd "${1:?program folder}" && pwd)
OUT=${DEMO_OUT:-$DIST/demo-screenshots}
export DBUS_SESSION_BUS_ADDRESS=disabled: ALSOFT_DRIVERS=${ALSOFT_DRIVERS:-null}

. "$(dirname "$0")/player.sh"
play_own_xvfb 1024x768 "$0" "$DIST"
PLAY_DIR=$DIST
PLAY_SHOTS=$OUT
rm -rf "$OUT"
mkdir -p "$OUT"
trap 'kill "${PLAY_PID:-}" 2>/dev/null || true' EXIT

step() { echo "demo: $*"; }

step "the menu"
play_start
play_click "$MENU_FLAG_X" "$(menu_flag_y 5)"   # Italiano
play_move 790 590
play_shot 01-menu-italiano
play_click "$MENU_FLAG_X" "$(menu_flag_y 0)"   # back to English
play_click 660 350                             # blue HUD
play_click 470 328                             # the Shrike
play_move 790 590
play_shot 02-menu

step "Start"
menu_start
sleep 1
play_shot 03-flight

step "flying: throttle up and a slide"
play_hold w 2
play_hold z 0.4
play_move 400 120
sleep 1.5
play_shot 04-under-way

step "cloak"
play_key c
sleep 3
play_shot 05-cloaked
play_key c
sleep 2

step "firing arcs, disruptors and a torpedo salvo"
xdotool keydown space
sleep 0.5
play_shot 06-firing-arcs
xdotool keyup space
xdotool mousedown 1
sleep 0.4
play_shot 07-disruptors
xdotool mouseup 1
play_key g
play_move 400 120
xdotool mousedown 3
play_shot 08-torpedo-salvo
xdotool mouseup 3
play_hold a 0.6

step "the consoles: shields, a tooltip, quick help"
for _ in 1 2 3; do play_key Up; done
xdotool keydown Control_L
play_move 372 547
sleep 0.3
play_shot 09-power-tooltip
xdotool keyup Control_L
play_key F1
sleep 0.3
play_shot 10-quick-help
play_key F1
sleep 3

step "warp"
play_move 400 300
play_key j
sleep 4
play_hold w 1
play_shot 11-warp
play_key j
sleep 4

step "chat"
play_key t
play_key ctrl+a
play_type "Cloak is down, coming about."
play_shot 12-chat-typing
play_key Return
sleep 0.3
play_shot 13-chat-sent

step "quit"
play_key Escape
play_expect_exit 0
trap - EXIT
for shot in "$OUT"/*.bmp; do python3 "$PLAY_SCRIPTS/shots.py" png "$shot" "${shot%.bmp}.png"; done
echo "demo: screenshots in $OUT:"
ls -1 "$OUT"/*.png
