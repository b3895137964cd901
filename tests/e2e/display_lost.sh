#!/usr/bin/env bash
# When its X server goes away under it, the game ends promptly with a failure status instead of
# spinning on in a frame loop that can no longer draw or receive anything.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
play_own_xvfb 1024x768 "$0" "$@"
e2e_copy_dist

e2e_start
kill -9 "${XVFB_PID:?no X server process}"
play_expect_exit 3 || e2e_fail "the game did not end after losing its display"
echo "display lost: ok"
