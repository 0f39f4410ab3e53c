#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Plays the running game from the keyboard alone, as a blind player does,
while Orca reads it: after every key, the words Orca spoke (from its debug
log) must tell what the game's accessible tree says happened. Prints the
delay from Orca's echo of a press to its first word about the game, beside
its delay from the echo of a Tab to its word about the newly focused button.
Usage: play_with_orca.py ORCA_DEBUG_LOG"""
import statistics
import subprocess
import sys

import pyatspi

from game_tree import WORDS, controls, fail, game_app, showing_mark, top_level, wait_for
from orca_speech import NEWS, Speech, key, says

speech = Speech(sys.argv[1])
app = wait_for("the game on the accessibility bus", game_app)
delays = []
tab_delays = []


def named_window(role, name):
    return wait_for(name, top_level(app, role, name))


def enter_name(since, keys):
    """Answers the prompt that Orca reads from the mark on."""
    named_window(pyatspi.ROLE_DIALOG, "Your Identity")
    speech.wait(since, "the prompt", says("Your Identity dialog"))
    since = speech.mark()
    if keys:
        subprocess.run(["xdotool", "type", "--delay", "80", keys], check=True)
    key("Return")
    window = controls(named_window(pyatspi.ROLE_FRAME, "Zapgrid by Brevanno"))
    # As the window appears, where the mark is.
    speech.wait(since, "where the mark is", says("Mark above " + WORDS[showing_mark(window.marks)]))
    return window


def focused(window):
    return wait_for("a focused button", lambda: [
        i for i, button in enumerate(window.buttons)
        if button.getState().contains(pyatspi.STATE_FOCUSED)])[0]


def click(window, hit):
    """Tabs to the mark's button for a hit, or to another one for a miss,
    and presses Space; Orca must say the feedback and where the mark went."""
    target = showing_mark(window.marks)
    wanted = target if hit else (target + 1) % 3
    tabs = (wanted - focused(window)) % 3
    if tabs:
        since = speech.mark()
        key(*["Tab"] * tabs)
        echoed, _ = speech.wait(since, "the key", says("tab "))
        told, _ = speech.wait(since, "the focused button",
                              lambda said: said.rstrip(".").endswith(" push button"))
        tab_delays.append((told - echoed) * 1000)
        # Each button read with the tally.
        speech.wait(since, "the tally with the button", says(window.tally.name))
    clicks = int(window.tally.name.split()[-1])
    since = speech.mark()
    # A button clicks as its key comes up: a quick press, as a practised
    # player's, keeps the hold out of the delay.
    key("space", delay=20)
    # Nothing is asked of the game until Orca has spoken, so that the play's
    # own questions do not hold up Orca's.
    echoed, _ = speech.wait(since, "the key", says("space "))
    told, said = speech.wait(since, "a click's feedback and the mark's place", NEWS.match)
    if int(window.tally.name.split()[-1]) != clicks + 1:
        fail(f"the click was not counted: {window.tally.name!r}")
    if window.feedback.name != (WORDS[target] if hit else "Oops!"):
        fail(f"a {'hit' if hit else 'miss'} on {WORDS[wanted]} reads {window.feedback.name!r}")
    if said != f"{window.feedback.name} Mark above {WORDS[showing_mark(window.marks)]}":
        fail(f"Orca said {said!r} of a {'hit' if hit else 'miss'} on {WORDS[wanted]}")
    delays.append((told - echoed) * 1000)
    print(f"{'hit ' if hit else 'miss'} on {WORDS[wanted]}: Orca said {said!r} "
          f"{delays[-1]:.0f} ms after the key")


window = enter_name(0, "Ann")
for hit in (True, False, True, False, False, True):
    click(window, hit)

# Where am I: the focused button, and the tally.
since = speech.mark()
key("KP_Enter")
speech.wait(since, "the tally on where-am-I",
            says(f"{WORDS[focused(window)]} push button {window.tally.name}"))

since = speech.mark()
key("alt+r")
window = enter_name(since, "")
# The window after a reload reads whole: all its controls, in flat review.
since = speech.mark()
key("KP_Add", "KP_Add")
texts = ["Reset! End", "HIT!", "Left! Middle! Right!", "Oops!", "0 Correct of 0"]
for text in texts:
    speech.wait(since, f"{text!r} in the review of the window", says(text))
for hit in (False, True):
    click(window, hit)

for what, figures in (("each click", delays), ("the button a Tab focused", tab_delays)):
    print(f"Orca's first word about {what} came {statistics.median(figures):.0f} ms "
          f"(median) and at most {max(figures):.0f} ms after its echo of the key")
key("alt+e")
