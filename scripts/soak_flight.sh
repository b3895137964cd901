#!/usr/bin/env bash
# A long scripted flight that watches the game's resources while the player's hands keep flying,
# firing, warping, cloaking and chatting: every minute the resident memory (split into heap-like
# anonymous and file-backed pages) and open file descriptors from /proc, and the game's own
# resource line (GL textures, OpenAL sources, heap in use), which it writes every ten seconds
# when VAELOR_RESOURCE_LOG is set. Then the game must still quit cleanly.
#   soak_flight.sh [minutes]      (the game from $BUILD_DIR/dist, default build/dist, under its
#                                  own X server; SOAK_LOG=file keeps the game's log)
# The baseline is minute 1: by then every round's feature has been used at least twice, so
# first-use allocations (sounds, textures, shaders, JIT code) are behind it.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
MINUTES=${1:-10}
MAX_GROWTH_PERCENT=1
LINES_PER_MINUTE=6 # the game writes its resource line every ten seconds
. "$ROOT/scripts/player.sh"
play_own_xvfb 1024x768 "$0" "$MINUTES"
play_scratch_copy "${BUILD_DIR:-$ROOT/build}/dist"
export VAELOR_RESOURCE_LOG=1

status_kb() { awk -v k="$1:" '$1 == k {print $2}' "/proc/$PLAY_PID/status"; }

# The game's latest resource line: "N textures, N sources held, N one-shot, heap N kB in use,
# N kB held".
resources() {
  grep -a "Resources: " "$PLAY_DIR/vaelor.log" | tail -n1 | sed 's/.*Resources: //'
}

# The fewest sources held over the last minute's lines: a music track's tail overlaps the next
# track for a few seconds, while a leak raises the floor.
held_sources_floor() {
  grep -a "Resources: " "$PLAY_DIR/vaelor.log" | tail -n "$LINES_PER_MINUTE" |
    sed 's/.*textures, \([0-9]*\) sources held.*/\1/' | sort -n | head -n1
}

sample() {
  local rss fds
  rss=$(status_kb VmRSS)
  fds=$(ls "/proc/$PLAY_PID/fd" | wc -l)
  echo "soak: minute $1: resident ${rss} kB (anon $(status_kb RssAnon), file" \
    "$(status_kb RssFile)), ${fds} open files; $(resources); fewest sources held in the last" \
    "minute $(held_sources_floor)"
  SAMPLES+=("$1 $rss $fds $(resources | tr -c '0-9\n' ' ') $(held_sources_floor)")
}

# Minute 1 against the last sample: resident growth within MAX_GROWTH_PERCENT, and the same
# open files, textures and held sources (one-shot sounds come and go with the fighting).
verdict() {
  printf '%s\n' "${SAMPLES[@]}" | awk -v max="$MAX_GROWTH_PERCENT" '
    $1 == 1 { rss = $2; fds = $3; tex = $4; src = $9; heap = $7 }
    { lrss = $2; lfds = $3; ltex = $4; lsrc = $9; lheap = $7 }
    END {
      if (!rss) { print "soak: too short for a verdict"; exit 0 }
      growth = (lrss - rss) * 100 / rss
      printf "soak: resident %+.2f %% from minute 1 (heap in use %d -> %d kB); open files" \
        " %d -> %d; textures %d -> %d; held sources (fewest in the minute) %d -> %d\n",
        growth, heap, lheap, fds, lfds, tex, ltex, src, lsrc
      ok = growth <= max && fds == lfds && tex == ltex && src == lsrc
      print ok ? "soak: steady" : "soak: GROWING"
      exit ok ? 0 : 1
    }'
}

SAMPLES=()
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
[ "$minute" -gt "$MINUTES" ] || sample "$MINUTES"
play_key Escape
play_expect_exit 0
echo "soak: quit cleanly"
# SOAK_LOG keeps the game's log, with its resource line every ten seconds.
[ -z "${SOAK_LOG:-}" ] || cp "$PLAY_DIR/vaelor.log" "$SOAK_LOG"
verdict
