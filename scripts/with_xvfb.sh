#!/usr/bin/env bash
# Runs a command inside a virtual X server of its own:  with_xvfb.sh WIDTHxHEIGHT command...
# The command sees DISPLAY and XVFB_PID (the server's process).
# The server picks a free display number itself (-displayfd), so several of these can start at
# the same moment without taking each other's display, as xvfb-run -a can.
set -euo pipefail
size=${1:?screen size, e.g. 1024x768}
shift
fifo_dir=$(mktemp -d)
mkfifo "$fifo_dir/display"
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$fifo_dir/display" \
  >"$fifo_dir/xvfb.log" 2>&1 &
xvfb_pid=$!
cleanup() {
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  rm -rf "$fifo_dir"
}
trap cleanup EXIT
display=""
read -r -t 30 display <"$fifo_dir/display" || true
if [ -z "$display" ]; then
  echo "with_xvfb: the X server did not start" >&2
  cat "$fifo_dir/xvfb.log" >&2
  exit 1
fi
status=0
# XVFB_PID lets a test stop the server under a running program.
DISPLAY=":$display" XVFB_PID=$xvfb_pid "$@" || status=$?
exit $status
