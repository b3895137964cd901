#!/usr/bin/env bash
# The pre-game menu as a player meets it: its grey background, the English flag framed, the labels
# changing language after a click on another flag, the selector following a colour swatch, and
# music playing while the menu is up (heard through OpenAL Soft's wave writer).
set -euo pipefail
. "$(dirname "$0")/lib.sh"
play_own_xvfb 1024x768 "$0" "$@"
e2e_copy_dist

# Everything played goes to a WAV file.
cat >"$E2E_DIR/alsoft.conf" <<CONF
[general]
drivers = wave
sample-type = int16
[wave]
file = $E2E_DIR/played.wav
CONF
export ALSOFT_CONF=$E2E_DIR/alsoft.conf ALSOFT_DRIVERS=wave

e2e_start
play_move 790 590
play_shot english
shot=$PLAY_LAST_SHOT
e2e_pixel_is "$shot" 790 450 "(r, g, b) == (34, 34, 34)" "menu background"
FRAME="abs(r - 100) < 12 and abs(g - 100) < 12"
e2e_pixel_is "$shot" 30.5 81 "$FRAME" "frame of the English flag"

# German: the labels read differently, the German flag is framed and the English one is not.
play_click "$MENU_FLAG_X" "$(menu_flag_y 4)"
play_move 790 590
play_shot german
e2e_check "$(play_differ "$shot" "$PLAY_LAST_SHOT" 30 500 740 40)" -gt 20 \
  "the Start button did not change language"
e2e_pixel_is "$PLAY_LAST_SHOT" 30.5 281 "$FRAME" "frame of the German flag"
e2e_pixel_is "$PLAY_LAST_SHOT" 30.5 81 "not ($FRAME and abs(b - 100) < 12)" "English flag still framed"

# The blue swatch: the selector's frame moves to it.
play_click 660 350
play_move 790 590
play_shot blue
e2e_pixel_is "$PLAY_LAST_SHOT" 628 350 "min(r, g, b) > 100" "selector at the blue swatch"
e2e_pixel_is "$PLAY_LAST_SHOT" 558 320 "max(r, g, b) < 60" "selector left at the green swatch"

# Music: the playlist starts within a few seconds of the menu.
sleep 5
e2e_quit "on the menu"
python3 - "$E2E_DIR/played.wav" <<'PY' || e2e_fail "no music in the wave output"
import struct, sys
data = open(sys.argv[1], "rb").read()
# OpenAL Soft writes an extensible WAV: find the 16-bit samples behind the "data" chunk header.
at = data.find(b"data", 12)
samples = struct.unpack_from("<%dh" % ((len(data) - at - 8) // 2), data, at + 8) if at > 0 else ()
loud = sum(1 for s in samples if abs(s) > 500)
print("wave output: %d samples, %d loud" % (len(samples), loud))
sys.exit(0 if loud > 44100 else 1)
PY
echo "menu: ok"
