#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Plays the game in Chromium's page from the keyboard alone, as a blind
player does, by what Orca says of the page: the prompt, each button found
where it is drawn by the hit test a reader asks over AT-SPI, then hits and
misses by Space, tabbing to the button under the mark Orca last named or
past it. After each Space, Orca must say the click's feedback and where the
mark went, the feedback as the game judges a press of the button Orca said
has the focus. Prints the delays from Orca's echo of the Space to its first
word about the click, and to its saying the click's news.
Usage: play_orca_in_chromium.py ORCA_DEBUG_LOG"""
import statistics
import sys
import time

import pyatspi
from game_tree import WORDS, fail, find, wait_for
from orca_speech import NEWS, Speech, key, says

speech = Speech(sys.argv[1])
first_words = []
news_delays = []


def found_at(document, x, y):
    """What a reader finds at a point of the screen (by touch, or under the
    mouse): Chromium answers at once from the boxes it knows, and from the
    page's own hit test once that has answered: the last of a few answers
    is the page's."""
    for _ in range(5):
        found = document
        while True:
            inner = found.queryComponent().getAccessibleAtPoint(x, y, pyatspi.DESKTOP_COORDS)
            if inner is None or inner == found:
                break
            found = inner
        time.sleep(0.2)
    return found


def check_found_where_drawn():
    """Each of the game's buttons is what a reader finds where it lies."""
    def page():
        chromium = next((app for app in pyatspi.Registry.getDesktop(0)
                         if app is not None and app.name == "Chromium"), None)
        return chromium and find(chromium, pyatspi.ROLE_DOCUMENT_WEB, "Zapgrid")
    document = wait_for("the page on the accessibility bus", page)
    is_button = lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON
    for word in WORDS:
        box = find(document, pyatspi.ROLE_PUSH_BUTTON, word).queryComponent().getExtents(
            pyatspi.DESKTOP_COORDS)
        found = found_at(document, box.x + box.width // 2, box.y + box.height // 2)
        named = found if is_button(found) else pyatspi.findAncestor(found, is_button)
        if named is None or named.name != word:
            fail(f"at {word} a reader finds {found.getRoleName()} {found.name!r}")
    print(f"a reader finds {', '.join(WORDS)} where each is drawn")


def button(said):
    """The button Orca says has the focus, if it says so."""
    name = said.rstrip(".").removesuffix(" push button")
    return name if name != said.rstrip(".") and name in WORDS else None


# The page's field says its default is selected, as it is.
speech.wait(0, "the prompt", lambda said: said.rstrip(".").removesuffix(" selected") ==
            "So, what's your name? entry No-Name", seconds=60)
# As long as Orca takes to say it: a player hears the question out first.
# (A name confirmed before the program has arrived is the Chromium play's.)
time.sleep(2)
since = speech.mark()
key("Return")
_, said = speech.wait(since, "the focused button", button, seconds=30)
focused = button(said)
check_found_where_drawn()
mark = None
# The first press learns where the mark is; then hits and misses by plan.
for hit in (None, True, False, True, False, True, True, False):
    if hit is not None:
        wanted = mark if hit else WORDS[(WORDS.index(mark) + 1) % 3]
        tabs = (WORDS.index(wanted) - WORDS.index(focused)) % 3
        if tabs:
            since = speech.mark()
            key(*["Tab"] * tabs)
            speech.wait(since, f"{wanted} focused", says(f"{wanted} push button"))
            focused = wanted
    since = speech.mark()
    key("space", delay=20)
    echoed, _ = speech.wait(since, "the key", says("space "))
    after = next(i for i in range(since, len(speech.said)) if speech.said[i][1] == "space ") + 1
    first, _ = speech.wait(after, "a word about the click", lambda said: True)
    told, said = speech.wait(after, "the click's feedback and the mark's place", NEWS.match)
    feedback, mark = (f"{word}!" for word in NEWS.match(said).groups())
    judged = feedback == focused
    if (hit is not None and judged != hit) or (not judged and feedback != "Oops!"):
        fail(f"Orca said {said!r} of a press of {focused}, the mark above {mark}")
    first_words.append((first - echoed) * 1000)
    news_delays.append((told - echoed) * 1000)
    print(f"Space on {focused}: Orca said {said!r}; its first word came "
          f"{first_words[-1]:.0f} ms after the key, the news {news_delays[-1]:.0f} ms")
    heard = [words for when, words in speech.said[after - 1:] if when <= told]
    print(f"  Orca: {' | '.join(heard)}")

for what, figures in (("first word about a click", first_words), ("news of a click", news_delays)):
    print(f"Orca's {what} came {statistics.median(figures):.0f} ms (median) and at most "
          f"{max(figures):.0f} ms after its echo of the key")
