#!/usr/bin/env python3
"""Callgrind profiles of the real game, run under an X server (see callgrind_profile.sh).

Dumps one profile per phase (start-up to the first menu frame, the Start click to the first
flight frame, some seconds of flight), then prints each phase's instructions by library and the
game's costliest functions, inclusive of what they call.
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

TITLE = r"Corvane Drift 2 \(Alpha 3.3\)"
START_BUTTON = ("400", "520")  # the button's middle in the 800 x 600 menu window
OUR_LOOP = r":(main|GameMain\(\)|RunMainLoop\(\)|DoFrame\(\)|\(below main\))"


def wait_for(log, line, game, timeout=600):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if os.path.exists(log) and line in open(log, errors="replace").read():
            return
        if game.poll() is not None:
            sys.exit(f"the game ended before '{line}'")
        time.sleep(0.2)
    sys.exit(f"no '{line}' within {timeout} s")


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True).stdout


def dump(pid, tag, out):
    """Asks for a dump and waits until it is written: callgrind serves the request only while
    the program runs, and a second request sent meanwhile would replace the first."""
    before = len(glob.glob(f"{out}/cg.{pid}.*"))
    end = time.monotonic() + 300
    while len(glob.glob(f"{out}/cg.{pid}.*")) == before and time.monotonic() < end:
        subprocess.run(["callgrind_control", "-d", tag, str(pid)], capture_output=True, timeout=120)
        time.sleep(1)


def profile(dist, out, flight_seconds):
    with tempfile.TemporaryDirectory() as scratch:
        folder = os.path.join(scratch, "game")
        shutil.copytree(dist, folder)
        log = os.path.join(folder, "vaelor.log")
        if os.path.exists(log):
            os.remove(log)  # a copied log already holds the lines waited for
        game = subprocess.Popen(["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}/cg.%p",
                                 os.path.join(folder, "corvane")], cwd="/",
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            wait_for(log, "Pre-game menu on screen", game)
            dump(game.pid, "start-up to the first menu frame", out)
            window = xdotool("search", "--sync", "--onlyvisible", "--name", TITLE).split()[-1]
            xdotool("mousemove", "--window", window, "--sync", *START_BUTTON)
            xdotool("click", "1")
            wait_for(log, "Flight view on screen", game)
            dump(game.pid, "Start click to the first flight frame", out)
            time.sleep(flight_seconds)
            dump(game.pid, "flight", out)
            xdotool("key", "Escape")
            game.wait(timeout=300)
        finally:
            if game.poll() is None:
                game.kill()
        return sorted(glob.glob(f"{out}/cg.{game.pid}.*"), key=lambda p: int(p.rsplit(".", 1)[1]))


def self_cost_by_library(path):
    """Own instructions per library, read from the profile itself: callgrind_annotate's
    exclusive list books the running threads' pending calls to their start routines."""
    names, library, skip, costs = {}, None, False, {}
    for line in open(path):
        if line.startswith(("ob=", "cob=")):
            m = re.match(r"c?ob=\((\d+)\)(?: (.*))?", line.strip())
            if m.group(2):
                names[m.group(1)] = os.path.basename(m.group(2))
            if line.startswith("ob="):
                library = names[m.group(1)]
        elif line.startswith("calls="):
            skip = True  # the next cost line is the call's inclusive cost
        elif line[:1].isdigit() or line[:1] in "+-*":
            parts = line.split()
            if not skip and len(parts) >= 2:
                costs[library] = costs.get(library, 0) + int(parts[1])
            skip = False
    return costs


def our_costliest(path, count=8):
    lines = subprocess.run(["callgrind_annotate", "--auto=no", "--inclusive=yes", "--threshold=100", path],
                           capture_output=True, text=True).stdout.splitlines()
    found = []
    for line in lines:
        m = re.match(r"\s*([\d,]+) \(\s*([\d.]+)%\)\s+(/work/\S+?):(.*?)(?: \[.*)?$", line)
        if m and not re.search(OUR_LOOP, ":" + m.group(4)):
            name = re.sub(r"\(.*", "", m.group(4).replace("(anonymous namespace)::", ""))
            if name not in [n for _, n in found]:
                found.append((float(m.group(2)), name))
    return found[:count]


def summarise(path):
    trigger = next(l for l in open(path) if l.startswith("desc: Trigger")).split("dump ", 1)[-1]
    costs = self_cost_by_library(path)
    total = sum(costs.values())
    print(f"\n{trigger.strip()}: {total / 1e6:,.0f} M instructions")
    for library, n in sorted(costs.items(), key=lambda kv: -kv[1])[:7]:
        shown = "JIT-compiled fragment code" if library is None or library == "???" else library
        print(f"  {100.0 * n / total:5.1f} %  {shown}")
    print(f"  the game's own code: {100.0 * costs.get('corvane', 0) / total:.1f} %; its costliest"
          " functions, inclusive of the libraries they call:")
    for share, name in our_costliest(path):
        print(f"  {share:5.1f} %  {name}")


def main():
    build = os.environ.get("BUILD_DIR") or os.path.join(os.path.dirname(__file__), "..", "build")
    out = os.path.abspath(os.environ.get("OUT", "callgrind-out"))
    os.makedirs(out, exist_ok=True)
    for path in profile(os.path.join(build, "dist"), out, float(os.environ.get("FLIGHT_SECONDS", "20"))):
        summarise(path)


if __name__ == "__main__":
    main()
