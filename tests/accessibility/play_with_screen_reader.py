#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Plays one round of the running game through the AT-SPI bus alone, as a
screen reader would: answers the name prompt, finds the showing mark, presses
buttons through their actions and reads the feedback and tally back. Prints
the accessible tree it saw. Exits non-zero on the first thing that is wrong."""
import sys

import pyatspi

from game_tree import (WORDS, controls, descendants, dump, fail, find, game_app, press,
                       showing_mark, top_level, wait_for)

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
window = controls(frame)
buttons, marks, feedback, tally = window.buttons, window.marks, window.feedback, window.tally
# The keyboard is the game's as soon as the prompt closes.
if "--no-keyboard" not in sys.argv:
    wait_for("Left! to have the focus",
             lambda: buttons[0].getState().contains(pyatspi.STATE_FOCUSED))
if (feedback.name, tally.name) != ("Oops!", "0 Correct of 0"):
    fail(f"a new game reads {feedback.name!r}, {tally.name!r}")
dump(frame)

target = showing_mark(marks)
press(buttons[target])
wait_for("the tally after a hit", lambda: tally.name == " 1 correct of 1")
if feedback.name != WORDS[target]:
    fail(f"a hit on {WORDS[target]} reads {feedback.name!r}")
moved = showing_mark(marks)
if moved == target:
    fail("the mark did not move")

press(buttons[target])
wait_for("the tally after a miss", lambda: tally.name == " 1 correct of 2")
if feedback.name != "Oops!":
    fail(f"a miss reads {feedback.name!r}")
print(f"played: hit {WORDS[target]}, then missed; the mark moved to {WORDS[moved]}")

end = find(frame, pyatspi.ROLE_MENU_ITEM, "End")
end.queryAction().doAction(0)
