#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Checks the game's page as WebKitGTK gives it to a screen reader over
AT-SPI, as the browser play asks: at the prompt, its field named by its
question and focused; in a game, the three buttons, the tally as a status
holding TALLY, the click's NEWS in the page's assertive live region, and the
focus on a button.
Usage: webkit_tree.py prompt
       webkit_tree.py game TALLY NEWS"""
import sys

import pyatspi
from game_tree import WORDS, descendants, fail, find, wait_for


def page():
    browser = next((app for app in pyatspi.Registry.getDesktop(0)
                    if app is not None and app.name == "MiniBrowser"), None)
    return browser and find(browser, pyatspi.ROLE_DOCUMENT_WEB, "Zapgrid")


def attributes(acc):
    return dict(pair.split(":", 1) for pair in acc.getAttributes())


def text_of(acc):
    """The text a reader reads in ACC: its own, else its children's."""
    try:
        text = acc.queryText()
        return text.getText(0, text.characterCount).replace("\ufffc", "").strip()
    except NotImplementedError:
        return " ".join(filter(None, (text_of(child) for child in acc if child is not None)))


def focused(acc):
    return acc.getState().contains(pyatspi.STATE_FOCUSED)


def check_prompt(document):
    dialog = wait_for("the prompt", lambda: find(document, pyatspi.ROLE_DIALOG, "Your Identity"), 10)
    field = find(dialog, pyatspi.ROLE_ENTRY)
    if field is None or field.name != "So, what's your name?" or not focused(field):
        fail(f"the prompt's field: {field and field.name!r}, focused {field and focused(field)}")
    print(f"WebKit's tree: the prompt's field is named {field.name!r} and has the focus")


def check_game(document, tally, news):
    buttons = [acc.name for acc in descendants(document) if acc.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    if buttons != WORDS:
        fail(f"buttons in WebKit's tree: {buttons}")
    status = find(document, pyatspi.ROLE_STATUS_BAR)
    if status is None or text_of(status) != tally.strip():
        fail(f"the status in WebKit's tree: {status and text_of(status)!r}, expected {tally.strip()!r}")
    live = next((acc for acc in descendants(document) if attributes(acc).get("live") == "assertive"),
                None)
    if live is None or text_of(live) != news:
        fail(f"the live region in WebKit's tree: {live and text_of(live)!r}, expected {news!r}")
    focus = next((acc for acc in descendants(document) if focused(acc)), None)
    if focus is None or focus.getRole() != pyatspi.ROLE_PUSH_BUTTON:
        fail(f"the focus in WebKit's tree: {focus and focus.getRoleName()} {focus and focus.name!r}")
    print(f"WebKit's tree: {', '.join(buttons)}; the status {text_of(status)!r}; "
          f"the news {text_of(live)!r}; the focus on {focus.name}")


def main(args):
    document = wait_for("the page on the accessibility bus", page, 10)
    if args == ["prompt"]:
        check_prompt(document)
    elif len(args) == 3 and args[0] == "game":
        check_game(document, *args[1:])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
