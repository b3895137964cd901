#!/usr/bin/env bash
# A long scripted flight that watches the game's resources: resident memory and open file
# descriptors sampled every minute while the player's hands keep flying, firing, warping,
# cloaking and chatting; then the game must still quit cleanly.
#   soak_flight.sh [minutes]      (the game from build/dist, under its own X server)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
MINUTES=${1:-10}
. "$ROOT/scripts/player.sh"
play_own_xvfb 1024x768 "$0" "$MINUTES"
play_scratch_copy "${BUILD_DIR:-$ROOT/build}/dist"

sample() {
  local rss fds
  rss=$(awk '/VmRSS/{print $2}' "/proc/$PLAY_PID/status")
  fds=$(ls "/proc/$PLAY_PID/fd" | wc -l)
  echo "soak: minute $1: resident ${rss} kB, ${fds} open files"
}

play_start
play_click 470 328
menu_start
start=$SECONDS
minute=0
while [ $((SECONDS - start)) -lt $((MINUTES * 60)) ]; do
  play_battle_round "minute $minute"
  if [ $((SECONDS - start)) -ge $((minute * 60)) ]; then
    sample "$minute"
    minute=$((minute + 1))
  fi
done
sample "$MINUTES"
play_key Escape
play_expect_exit 0
echo "soak: quit cleanly"
