#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Plays one round of the running game through the AT-SPI bus alone, as a
screen reader would: answers the name prompt, finds the showing mark, presses
buttons through their actions and reads the feedback and tally back. Prints
the accessible tree it saw. Exits non-zero on the first thing that is wrong."""
import sys
import time

import pyatspi
from gi.repository import GLib

WORDS = ["Left!", "Middle!", "Right!"]


def fail(message):
    print("FAIL:", message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, find, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            found = find()
        except GLib.GError:
            # An object went away while it was read: a window closing.
            found = None
        if found:
            return found
        time.sleep(0.1)
    fail("timed out waiting for " + what)


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def descendants(acc):
    for child in acc:
        if child is not None:
            yield child
            yield from descendants(child)


def find(acc, role, name=None, description=None):
    for child in descendants(acc):
        if (child.getRole() == role and (name is None or child.name == name)
                and (description is None or child.description == description)):
            return child
    return None


def game_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Zapgrid":
            return app
    return None


def top_level(app, role, name):
    return lambda: next((w for w in app if w is not None and w.getRole() == role
                         and w.name == name and showing(w)), None)


def press(button):
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("press") if "press" in names else 0)


def dump(acc, depth=0):
    states = ",".join(pyatspi.stateToString(s) for s in acc.getState().getStates()
                      if s in (pyatspi.STATE_SHOWING, pyatspi.STATE_FOCUSED))
    description = f" ({acc.description})" if acc.description else ""
    print(f"{'  ' * depth}{acc.getRoleName()}: {acc.name!r}{description} [{states}]")
    for child in acc:
        if child is not None:
            dump(child, depth + 1)


app = wait_for("the game on the accessibility bus", game_app)

prompt = wait_for("the name prompt", top_level(app, pyatspi.ROLE_DIALOG, "Your Identity"))
field = find(prompt, pyatspi.ROLE_TEXT)
if field is None or field.queryText().getText(0, -1) != "No-Name":
    fail("the prompt's field does not offer No-Name")
if field.name != "So, what's your name?":
    fail(f"the field is labelled {field.name!r}")
dump(prompt)
field.queryEditableText().setTextContents("Screen Reader")
press(find(prompt, pyatspi.ROLE_PUSH_BUTTON, "OK"))

frame = wait_for("the game window", top_level(app, pyatspi.ROLE_FRAME, "Zapgrid by Brevanno"))
menu = [item.name for item in descendants(frame) if item.getRole() == pyatspi.ROLE_MENU_ITEM]
if menu != ["Reset!", "End"]:
    fail(f"menu items read {menu}")
buttons = [find(frame, pyatspi.ROLE_PUSH_BUTTON, word) for word in WORDS]
marks = [find(frame, pyatspi.ROLE_LABEL, "HIT!", "Mark above " + word) for word in WORDS]
feedback = find(frame, pyatspi.ROLE_LABEL, description="Feedback")
tally = find(frame, pyatspi.ROLE_LABEL, description="Tally")
if None in buttons + marks or feedback is None or tally is None:
    fail("a control is missing from the accessible tree")
# The keyboard is the game's as soon as the prompt closes.
if "--no-keyboard" not in sys.argv:
    wait_for("Left! to have the focus",
             lambda: buttons[0].getState().contains(pyatspi.STATE_FOCUSED))
if (feedback.name, tally.name) != ("Oops!", "0 Correct of 0"):
    fail(f"a new game reads {feedback.name!r}, {tally.name!r}")
dump(frame)


def showing_mark():
    shown = [i for i, mark in enumerate(marks) if showing(mark)]
    if len(shown) != 1:
        fail(f"marks showing: {shown}")
    return shown[0]


target = showing_mark()
press(buttons[target])
wait_for("the tally after a hit", lambda: tally.name == " 1 correct of 1")
if feedback.name != WORDS[target]:
    fail(f"a hit on {WORDS[target]} reads {feedback.name!r}")
moved = showing_mark()
if moved == target:
    fail("the mark did not move")

press(buttons[target])
wait_for("the tally after a miss", lambda: tally.name == " 1 correct of 2")
if feedback.name != "Oops!":
    fail(f"a miss reads {feedback.name!r}")
print(f"played: hit {WORDS[target]}, then missed; the mark moved to {WORDS[moved]}")

end = find(frame, pyatspi.ROLE_MENU_ITEM, "End")
end.queryAction().doAction(0)
