#!/usr/bin/env bash
# End to end under its own Xvfb: the real window is 800 x 600, Alt+Shift+S sent with xdotool
# writes Screenshot001.bmp holding the drawn frame, Escape ends the program with status 0.
set -euo pipefail
HARNESS=${1:?harness binary}
if [ -z "${E2E_INSIDE_XVFB:-}" ]; then
  E2E_INSIDE_XVFB=1 exec "$(dirname "$0")/../../scripts/with_xvfb.sh" 1024x768 "$0" "$@"
fi
work=$(mktemp -d)
cd "$work"
"$HARNESS" &
pid=$!
trap 'kill -9 $pid 2>/dev/null || true; rm -rf "$work"' EXIT
win=""
for _ in $(seq 300); do
  win=$(xdotool search --name "Vaelor Screenshot Harness" 2>/dev/null | head -n1 || true)
  [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || { echo "no window"; cat vaelor.log; exit 1; }
geometry=$(xwininfo -id "$win" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')
[ "$geometry" = "800x600" ] || { echo "client area $geometry"; exit 1; }
xdotool mousemove --sync 0 0
xdotool mousemove --sync 500 400
sleep 0.5
xdotool key alt+shift+s
for _ in $(seq 50); do [ -s Screenshot001.bmp ] && break; sleep 0.1; done
sleep 0.3
xdotool key Escape
status=0
wait $pid || status=$?
[ $status -eq 0 ] || { echo "exit status $status"; exit 1; }
python3 - <<'PY'
import struct, sys
data = open("Screenshot001.bmp", "rb").read()
w, h = struct.unpack_from("<ii", data, 18)
assert (w, h) == (800, 600), (w, h)
assert len(data) == 54 + 2400 * 600, len(data)
for x, y in [(0, 0), (400, 300), (799, 599)]:
    at = 54 + y * 2400 + x * 3
    b, g, r = data[at:at + 3]
    assert abs(r - 51) <= 1 and abs(g - 102) <= 1 and abs(b - 153) <= 1, (x, y, r, g, b)
PY
grep -q "Vaelor engine destroyed" vaelor.log
echo "screenshot end-to-end: ok"
