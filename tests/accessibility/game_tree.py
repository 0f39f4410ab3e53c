# SPDX-License-Identifier: MIT
"""The running game as a screen reader sees it on the AT-SPI bus: finding its
windows and controls, waiting for them, and pressing buttons."""
import sys
import time
from types import SimpleNamespace

import pyatspi
from gi.repository import GLib

WORDS = ["Left!", "Middle!", "Right!"]


def fail(message):
    print("FAIL:", message, file=sys.stderr)
    sys.exit(1)


# A minute: under the sanitizers, with every allocation unwound in full (as on
# Wayland) and both cores busy, the game takes many times its usual start.
def wait_for(what, find, seconds=60):
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


def controls(frame):
    """The game window's controls, each found by what a reader is told of it."""
    found = SimpleNamespace(
        buttons=[find(frame, pyatspi.ROLE_PUSH_BUTTON, word) for word in WORDS],
        marks=[find(frame, pyatspi.ROLE_LABEL, "HIT!", "Mark above " + word) for word in WORDS],
        feedback=find(frame, pyatspi.ROLE_LABEL, description="Feedback"),
        tally=find(frame, pyatspi.ROLE_STATUS_BAR, description="Tally"))
    if None in found.buttons + found.marks or found.feedback is None or found.tally is None:
        fail("a control is missing from the accessible tree")
    return found


def showing_mark(marks):
    shown = [i for i, mark in enumerate(marks) if showing(mark)]
    if len(shown) != 1:
        fail(f"marks showing: {shown}")
    return shown[0]
