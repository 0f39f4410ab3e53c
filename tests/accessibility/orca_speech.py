#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""What Orca says, read from its debug log as it writes it, and the keys a
play presses for it to read; shared by the plays that Orca reads."""
import re
import subprocess
import time

from game_tree import fail

# "12:00:01.5 - SPEECH OUTPUT: 'Oops! Mark above Left!'{'established': False}"
NEWS = re.compile(r"^(Left|Middle|Right|Oops)! Mark above (Left|Middle|Right)!$")
SPOKEN = re.compile(r"^(\d+):(\d+):(\d+\.\d+) - SPEECH OUTPUT: '(.*?)' ?(?:\{.*\}|\[.*\]|None)?$")


class Speech:
    """What Orca has said, as (seconds, words), read from its log as it grows."""

    def __init__(self, path):
        self.log = open(path, errors="replace")
        self.said = []
        self.partial = ""

    def _read(self):
        # Orca flushes its log whenever it likes, even in mid-line.
        *lines, self.partial = (self.partial + self.log.read()).split("\n")
        for line in lines:
            spoken = SPOKEN.match(line)
            if spoken:
                hours, minutes, seconds, words = spoken.groups()
                self.said.append((int(hours) * 3600 + int(minutes) * 60 + float(seconds), words))

    def mark(self):
        self._read()
        return len(self.said)

    def wait(self, since, what, accept, seconds=10):
        """The first utterance since the mark that accept() takes, as
        (seconds, words)."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            self._read()
            for when, said in self.said[since:]:
                if accept(said):
                    return when, said
            time.sleep(0.05)
        heard = [said for _, said in self.said[since:]]
        fail(f"Orca did not say {what}; it said {heard}")


def says(text):
    """Accepts the words, with or without the full stop Orca may add."""
    return lambda said: said.rstrip(".") == text.rstrip(".")


def key(*names, delay=150):
    """Presses the keys in turn; xdotool holds each for half the delay."""
    subprocess.run(["xdotool", "key", "--delay", str(delay), *names], check=True)
