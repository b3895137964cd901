#!/usr/bin/env python3
"""Start-up timings of the real game, run under an X server (see startup_times.sh).

Measures, over repeated runs of a copy of the program folder, the time from starting the
process to the first drawn pre-game menu frame, and from the "Start" click to the first drawn
flight frame. Each moment is when the game's log gains the line it writes after drawing that
frame ("Pre-game menu on screen", "Flight view on screen"). Prints median, min and max.
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

MENU_LINE = "Pre-game menu on screen"
FLIGHT_LINE = "Flight view on screen"
TITLE = r"Corvane Drift 2 \(Alpha 3.3\)"
START_BUTTON = (400, 520)  # the button's middle in the 800 x 600 menu window
POLL_SECONDS = 0.002
TIMEOUT_SECONDS = 60.0


def wait_for_line(log, line, game):
    """Seconds on the monotonic clock when the log first holds the line."""
    deadline = time.monotonic() + TIMEOUT_SECONDS
    while time.monotonic() < deadline:
        try:
            with open(log, encoding="utf-8", errors="replace") as f:
                if line in f.read():
                    return time.monotonic()
        except FileNotFoundError:
            pass
        if game.poll() is not None:
            sys.exit(f"the game ended (status {game.returncode}) before '{line}'")
        time.sleep(POLL_SECONDS)
    sys.exit(f"no '{line}' within {TIMEOUT_SECONDS} s")


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True).stdout


def one_run(folder):
    log = os.path.join(folder, "vaelor.log")
    if os.path.exists(log):
        os.remove(log)
    began = time.monotonic()
    game = subprocess.Popen([os.path.join(folder, "corvane")], cwd="/")
    try:
        menu_at = wait_for_line(log, MENU_LINE, game)
        window = xdotool("search", "--sync", "--onlyvisible", "--name", TITLE).split()[-1]
        xdotool("mousemove", "--sync", "0", "0")
        xdotool("mousemove", "--window", window, "--sync", *map(str, START_BUTTON))
        clicked = time.monotonic()
        xdotool("click", "1")
        flight_at = wait_for_line(log, FLIGHT_LINE, game)
        xdotool("key", "Escape")
        game.wait(timeout=TIMEOUT_SECONDS)
    finally:
        if game.poll() is None:
            game.kill()
            game.wait()
    return menu_at - began, flight_at - clicked


def report(name, values):
    ms = [v * 1000.0 for v in values]
    print(f"{name}: median {statistics.median(ms):.0f} ms, range {min(ms):.0f} .. {max(ms):.0f} ms"
          f" over {len(ms)} runs")


def main():
    build = os.environ.get("BUILD_DIR") or os.path.join(os.path.dirname(__file__), "..", "build")
    runs = int(os.environ.get("RUNS", "10"))
    dist = os.path.join(build, "dist")
    if not os.path.exists(os.path.join(dist, "corvane")):
        sys.exit(f"no game in {dist}: build the corvane and assets targets first")
    with tempfile.TemporaryDirectory() as scratch:
        folder = os.path.join(scratch, "game")
        shutil.copytree(dist, folder)
        menu, flight = [], []
        for _ in range(runs):
            m, f = one_run(folder)
            menu.append(m)
            flight.append(f)
    report("process start to first menu frame", menu)
    report("Start click to first flight frame", flight)


if __name__ == "__main__":
    main()
