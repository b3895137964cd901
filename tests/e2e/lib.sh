# Shared steps of the end-to-end tests: run the real game from a copy of the program folder
# under the test's own X server, find its window, and drive it with xdotool.

# Re-runs the calling script inside its own Xvfb of the given screen size.
e2e_in_xvfb() {
  local size=$1; shift
  if [ -z "${E2E_INSIDE_XVFB:-}" ]; then
    E2E_INSIDE_XVFB=1 exec "$(dirname "${BASH_SOURCE[0]}")/../../scripts/with_xvfb.sh" "$size" "$@"
  fi
}

# Copies the program folder to a scratch place so tests never write into build/dist.
e2e_copy_dist() {
  E2E_DIR=$(mktemp -d)
  trap 'e2e_cleanup' EXIT
  cp -r "${BUILD_DIR:?}/dist/." "$E2E_DIR/"
}

e2e_cleanup() {
  [ -n "${E2E_PID:-}" ] && kill -9 "$E2E_PID" 2>/dev/null || true
  [ -n "${E2E_DIR:-}" ] && rm -rf "$E2E_DIR"
}

# Starts the game (from another working directory, as a player's launcher would) and waits for
# its window; E2E_WIN holds the window id.
e2e_start() {
  (cd / && exec "$E2E_DIR/corvane") &
  E2E_PID=$!
  E2E_WIN=""
  for _ in $(seq 300); do
    E2E_WIN=$(xdotool search --name "Corvane Drift 2 \(Alpha 3.3\)" 2>/dev/null | head -n1 || true)
    [ -n "$E2E_WIN" ] && break
    sleep 0.1
  done
  if [ -z "$E2E_WIN" ]; then
    echo "the game window never appeared"
    kill -0 "$E2E_PID" 2>/dev/null && echo "(the game is still running)" || echo "(the game has ended)"
    xwininfo -root -tree 2>&1 | head -n 20
    [ -f "$E2E_DIR/vaelor.log" ] && tail -n 20 "$E2E_DIR/vaelor.log"
    return 1
  fi
  xdotool mousemove --sync 0 0
  xdotool mousemove --sync 500 400
  sleep 0.5
}

# Waits for the game to end and checks its exit status.
e2e_expect_exit() {
  local want=$1 status=0
  for _ in $(seq 100); do kill -0 "$E2E_PID" 2>/dev/null || break; sleep 0.1; done
  wait "$E2E_PID" || status=$?
  E2E_PID=""
  [ "$status" -eq "$want" ] || { echo "exit status $status, expected $want"; return 1; }
}

e2e_fail() { echo "FAIL: $*"; [ -f "$E2E_DIR/vaelor.log" ] && tail -n 20 "$E2E_DIR/vaelor.log"; exit 1; }
