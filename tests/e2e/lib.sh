# Shared steps of the end-to-end tests: run the real game from a copy of the program folder
# under the test's own X server and drive it with the player's hands of scripts/player.sh.
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/player.sh"

# Copies the program folder to a scratch place so tests never write into build/dist.
e2e_copy_dist() {
  E2E_DIR=$(mktemp -d)
  trap 'e2e_cleanup' EXIT
  cp -r "${BUILD_DIR:?}/dist/." "$E2E_DIR/"
  PLAY_DIR=$E2E_DIR
  PLAY_SHOTS=$E2E_DIR
}

e2e_cleanup() {
  [ -n "${PLAY_PID:-}" ] && kill -9 "$PLAY_PID" 2>/dev/null || true
  [ -n "${E2E_DIR:-}" ] && [ -z "${E2E_KEEP:-}" ] && rm -rf "$E2E_DIR"
}

# Starts the game and waits for its window: PLAY_PID and PLAY_WIN.
e2e_start() {
  PLAY_WIN=""
  play_start
}

# Escape ends the game with status 0: e2e_quit WHERE.
e2e_quit() {
  play_key Escape
  play_expect_exit 0 || e2e_fail "Escape $1"
}

e2e_fail() {
  echo "FAIL: $*"
  [ -f "$E2E_DIR/vaelor.log" ] && tail -n 20 "$E2E_DIR/vaelor.log"
  exit 1
}

# A number compared with a bound: e2e_check VALUE -gt|-lt|... BOUND WHAT.
e2e_check() { [ "$1" "$2" "$3" ] || e2e_fail "$4 ($1)"; }

# Checks that an expression over a sampled pixel holds: e2e_pixel_is SHOT VX VY EXPR WHAT.
e2e_pixel_is() {
  local rgb r g b
  rgb=$(play_pixel "$1" "$2" "$3")
  read -r r g b <<<"$rgb"
  python3 -c "import sys; r,g,b=$r,$g,$b; sys.exit(0 if ($4) else 1)" ||
    e2e_fail "$5: pixel ($2, $3) is $rgb"
}

# Two screenshots a moment apart: e2e_shot_pair FIRST SECOND SECONDS.
e2e_shot_pair() {
  play_shot "$1"
  sleep "$3"
  play_shot "$2"
}
