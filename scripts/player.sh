# The player's hands: starts the real game from a program folder, finds its window and drives it
# with real X input (xdotool) in the game's 800 x 600 virtual-screen coordinates, and keeps the
# screenshots the game's own hot key writes. Sourced by the demo (scripts/demo.sh) and by the
# end-to-end tests (tests/e2e), so both play the game the same way.
#
# PLAY_DIR: the program folder; PLAY_SHOTS: where play_shot keeps pictures (default PLAY_DIR).
PLAY_TITLE="Corvane Drift 2 \(Alpha 3.3\)"
PLAY_SCRIPTS=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Re-runs the calling script inside a virtual X server of its own:
#   play_own_xvfb 1024x768 "$0" "$@"      (returns at once when already inside it)
play_own_xvfb() {
  local size=$1
  shift
  if [ -z "${PLAY_INSIDE_XVFB:-}" ]; then
    PLAY_INSIDE_XVFB=1 exec "$PLAY_SCRIPTS/with_xvfb.sh" "$size" "$@"
  fi
}

# Plays from a scratch copy of a program folder (PLAY_DIR), removed with any game still running
# when the script ends; sound goes to OpenAL Soft's null output.
play_scratch_copy() {
  PLAY_DIR=$(mktemp -d)
  trap 'kill -9 "${PLAY_PID:-}" 2>/dev/null || true; rm -rf "$PLAY_DIR"' EXIT
  cp -r "$1/." "$PLAY_DIR/"
  export DBUS_SESSION_BUS_ADDRESS=disabled: ALSOFT_DRIVERS=${ALSOFT_DRIVERS:-null}
}

# Starts the game from another working directory (as a launcher would) and waits for its
# window: PLAY_PID and PLAY_WIN.
play_start() {
  (cd / && exec "$PLAY_DIR/corvane") &
  PLAY_PID=$!
  play_window || return 1
  xdotool mousemove --sync 0 0
  play_move 400 300
  sleep 0.3
}

# Finds the game's visible window (again after "Start" rebuilt it).
play_window() {
  local old=${PLAY_WIN:-} id=""
  PLAY_WIN=""
  for _ in $(seq 300); do
    id=$(xdotool search --onlyvisible --name "$PLAY_TITLE" 2>/dev/null | tail -n1 || true)
    if [ -n "$id" ] && [ "$id" != "$old" ] && play_geometry "$id"; then
      PLAY_WIN=$id
      return 0
    fi
    # The same window stays when nothing rebuilt it.
    [ -n "$id" ] && [ "$id" = "$old" ] && [ -z "${PLAY_EXPECT_NEW:-}" ] && PLAY_WIN=$id && return 0
    sleep 0.1
  done
  echo "the game window never appeared"
  kill -0 "$PLAY_PID" 2>/dev/null && echo "(the game is still running)" || echo "(the game has ended)"
  [ -f "$PLAY_DIR/vaelor.log" ] && tail -n 20 "$PLAY_DIR/vaelor.log"
  return 1
}

# Reads a window's size into PLAY_W and PLAY_H.
play_geometry() {
  local g
  g=$(xdotool getwindowgeometry "$1" 2>/dev/null | awk '/Geometry:/{print $2}') || return 1
  [ -n "$g" ] || return 1
  PLAY_W=${g%x*}
  PLAY_H=${g#*x}
}

# Moves the pointer to a virtual-screen point.
play_move() {
  local x y
  x=$(awk -v v="$1" -v w="$PLAY_W" 'BEGIN{printf "%d", v * w / 800}')
  y=$(awk -v v="$2" -v h="$PLAY_H" 'BEGIN{printf "%d", v * h / 600}')
  xdotool mousemove --window "$PLAY_WIN" --sync "$x" "$y" 2>/dev/null ||
    xdotool mousemove --window "$PLAY_WIN" "$x" "$y"
}

# Clicks (button 1 left, 2 middle, 3 right) at a virtual-screen point.
play_click() {
  play_move "$1" "$2"
  sleep 0.1
  xdotool click "${3:-1}"
  sleep 0.2
}

# Holds a key (xdotool name) for some seconds.
play_hold() {
  xdotool keydown "$1"
  sleep "$2"
  xdotool keyup "$1"
}

# Holds a mouse button for some seconds at the pointer.
play_hold_button() {
  xdotool mousedown "$1"
  sleep "$2"
  xdotool mouseup "$1"
}

play_key() { xdotool key "$@"; sleep 0.15; }

# Types text as a player would.
play_type() { xdotool type --delay 30 "$1"; }

# Takes a screenshot with the game's own key and keeps it as $PLAY_SHOTS/NAME.bmp.
play_shot() {
  local dest=${PLAY_SHOTS:-$PLAY_DIR}/$1.bmp f="" size=-1
  rm -f "$PLAY_DIR"/Screenshot*.bmp
  xdotool key alt+shift+s
  for _ in $(seq 100); do
    f=$(ls "$PLAY_DIR"/Screenshot*.bmp 2>/dev/null | head -n1 || true)
    if [ -n "$f" ]; then
      local now
      now=$(stat -c %s "$f")
      [ "$now" = "$size" ] && [ "$now" -gt 54 ] && break
      size=$now
    fi
    sleep 0.1
  done
  [ -n "$f" ] || { echo "no screenshot for $1"; return 1; }
  mv "$f" "$dest"
  PLAY_LAST_SHOT=$dest
}

# Samples a screenshot: play_pixel SHOT VX VY -> "R G B"; play_count SHOT VX VY VW VH EXPR.
play_pixel() { python3 "$PLAY_SCRIPTS/shots.py" pixel "$@"; }
play_count() { python3 "$PLAY_SCRIPTS/shots.py" count "$@"; }
play_differ() { python3 "$PLAY_SCRIPTS/shots.py" differ "$@"; }

# Waits for the game to end and checks its exit status.
play_expect_exit() {
  local want=$1 status=0
  for _ in $(seq 150); do kill -0 "$PLAY_PID" 2>/dev/null || break; sleep 0.1; done
  wait "$PLAY_PID" || status=$?
  PLAY_PID=""
  [ "$status" -eq "$want" ] || { echo "exit status $status, expected $want"; return 1; }
}

# Menu controls in virtual-screen coordinates (the pre-game menu's fixed layout).
MENU_FLAG_X=64
menu_flag_y() { echo $((81 + 50 * $1)); }
MENU_START_X=400
MENU_START_Y=520
# Resolution list items are 125 / rows high; the ship list rows likewise.

# Presses "Start" and waits for the rebuilt flight window.
menu_start() {
  PLAY_EXPECT_NEW=1
  play_click "$MENU_START_X" "$MENU_START_Y"
  play_window || return 1
  unset PLAY_EXPECT_NEW
  play_move 400 300
  sleep 0.5
}

# One round of a busy flight (about 25 s): throttle, a turn, disruptors, a torpedo salvo, a
# shield, warp in and out, cloak on and off, a chat line, slowing down. Used by the long
# scripted flights (scripts/memcheck_flight.sh, scripts/soak_flight.sh).
play_battle_round() {
  play_hold w 1
  play_hold d 0.5
  play_move 400 120
  play_hold_button 1 1
  play_key g
  play_click 400 120 3
  play_key Up
  play_key j
  sleep 3
  play_key j
  sleep 2
  play_key c
  sleep 2
  play_key c
  play_key t
  play_type "$1"
  play_key Return
  play_hold s 1
}
