#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Start-up of the game against a minimal Qt Widgets program that shows the
same kind of prompt: the time from exec to the prompt's window shown on the X
server, and the peak resident memory by then. Medians over alternating runs,
printed as table rows. Needs DISPLAY set to an X server. With --runner, both
programs start through it (wine64 for Windows builds), whose own start then
counts in both.
Usage: startup.py [--runner RUNNER] ZAPGRID MINIMAL_PROMPT [RUNS]"""
import os
import statistics
import subprocess
import sys
import time


def visible(title):
    # xdotool can hang on a window that goes away under it: ask again.
    try:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                               capture_output=True, timeout=1)
    except subprocess.TimeoutExpired:
        return False
    return found.returncode == 0


def peak_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def start_once(binary, title):
    env = dict(os.environ, QT_QPA_PLATFORM="xcb")
    begin = time.monotonic()
    game = subprocess.Popen(runner + [binary], env=env, stderr=subprocess.PIPE)
    while not visible(title):
        if game.poll() is not None or time.monotonic() - begin > 20:
            game.kill()
            sys.exit(f"{binary}: no window titled {title!r}, exit {game.wait()}:\n"
                     + game.stderr.read().decode(errors="replace")[-2000:])
    elapsed = (time.monotonic() - begin) * 1000
    peak = peak_kib(game.pid)
    game.kill()
    game.wait()
    return elapsed, peak


def row(what, measured, baseline, unit):
    print(f"| {what} | {measured:.1f} {unit} | {baseline:.1f} {unit} | "
          f"{measured / baseline:.2f}x |")


args = sys.argv[1:]
runner = []
if args[0] == "--runner":
    runner, args = [args[1]], args[2:]
zapgrid, minimal = args[0], args[1]
runs = int(args[2]) if len(args) > 2 else 10
ours, theirs = [], []
for _ in range(runs):
    ours.append(start_once(zapgrid, "Your Identity"))
    theirs.append(start_once(minimal, "Minimal Prompt"))
row(f"start-up to the prompt, median of {runs}", statistics.median(t for t, _ in ours),
    statistics.median(t for t, _ in theirs), "ms")
row(f"peak memory at the prompt, median of {runs}", statistics.median(p for _, p in ours) / 1024,
    statistics.median(p for _, p in theirs) / 1024, "MiB")
