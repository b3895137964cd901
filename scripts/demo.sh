#!/usr/bin/env bash
# Headless demo: starts the game under Xvfb, drives it with real X input and keeps the
# screenshots the game's own hot key (Alt+Shift+S) wrote.
set -euo pipefail
DIST=${1:?program folder}
OUT="$DIST/demo-screenshots"
export DBUS_SESSION_BUS_ADDRESS=disabled: ALSOFT_DRIVERS=${ALSOFT_DRIVERS:-null}

if [ -z "${DEMO_INSIDE_XVFB:-}" ]; then
  DEMO_INSIDE_XVFB=1 exec "$(dirname "$0")/with_xvfb.sh" 1024x768 "$0" "$DIST"
fi

rm -f "$DIST"/Screenshot*.bmp
mkdir -p "$OUT"
"$DIST/corvane" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  xdotool search --name "Corvane Drift 2" >/dev/null 2>&1 && break
  sleep 0.2
done
win=$(xdotool search --name "Corvane Drift 2" | head -n1)
xdotool mousemove --sync 0 0
xdotool mousemove --window "$win" --sync 400 300
sleep 1
shot() { xdotool key alt+shift+s; sleep 0.5; }
shot
xdotool key Escape
wait $pid || true
trap - EXIT
mv "$DIST"/Screenshot*.bmp "$OUT"/ 2>/dev/null || true
echo "demo: screenshots in $OUT:"
ls -1 "$OUT"
