#!/usr/bin/python3
"""What a screen reader gets from the real game: its accessibility tree and events, read over
AT-SPI while the game runs on an X display, driven by real key presses (xdotool).

Plays a careful game on ごんべん: the question's picture is an image named by what it shows
(言＋component, never the kanji), each judgement and the rating come as a notification that
shows (what screen readers speak wherever the focus is), and V opens the review of the whole
game, whose rows are named by their text; Esc brings back the rated screen.

Run inside a D-Bus session on an X display (run_atspi_game.sh does both). Prints what it read;
exits non-zero on the first fault.
"""
import os
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

GAME = sys.argv[1]
# A hang guard per step, not a measured time: each step normally takes well under a second.
STEP_LIMIT = 30.0

events = []  # (type, role, name) in the order they came


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, condition):
    """Pumps AT-SPI events until condition() gives a true value, which it returns."""
    deadline = time.monotonic() + STEP_LIMIT
    while time.monotonic() < deadline:
        pump()
        value = condition()
        if value:
            return value
        time.sleep(0.02)
    fail("timed out waiting for " + what)


def name_of(accessible):
    accessible.clear_cache()
    return accessible.get_name() or ""


def on_event(event):
    try:
        source = event.source
        source.clear_cache()
        events.append((event.type, source.get_role(), source.get_name() or "", event.detail1))
    except GLib.Error:
        pass  # a source that went away meanwhile


def game_app():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == "kanji_quiz":
            return app
    return None


def frame(title):
    app = game_app()
    if app is None:
        return None
    for i in range(app.get_child_count()):
        window = app.get_child_at_index(i)
        if window is not None and name_of(window) == title and window.get_state_set().contains(
                Atspi.StateType.SHOWING):
            return window
    return None


def descendants(accessible):
    for i in range(accessible.get_child_count()):
        child = accessible.get_child_at_index(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "15", *keys], check=True)


def focus_window(title):
    subprocess.run(["xdotool", "search", "--sync", "--name", "^" + title + "$", "windowfocus",
                    "--sync"], check=True, timeout=STEP_LIMIT)


def notifications_since(start):
    return [name for (kind, role, name, detail) in events[start:]
            if kind == "object:state-changed:showing" and role == Atspi.Role.NOTIFICATION
            and detail == 1]


def main():
    Atspi.init()
    listener = Atspi.EventListener.new(on_event)
    for kind in ("object:state-changed:showing", "object:property-change:accessible-name",
                 "object:state-changed:focused"):
        listener.register(kind)

    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_ACCESSIBILITY="1")
    game = subprocess.Popen([GAME], env=env)
    try:
        play(game)
    finally:
        game.terminate()
        game.wait(timeout=STEP_LIMIT)


def play(game):
    wait_for("the menu", lambda: frame("メニュー"))
    focus_window("メニュー")
    start = len(events)
    key("1", "j")
    screen = wait_for("the careful screen", lambda: frame("ごんべん"))
    focus_window("ごんべん")
    said = wait_for("the first question", lambda: notifications_since(start))[0]
    print("first question announced:", said)
    if not re.match("^第 1 問　言＋.$", said):
        fail("first question announcement: %r" % said)

    images = [a for a in descendants(screen) if a.get_role() == Atspi.Role.IMAGE]
    fillers = [name_of(a) for a in descendants(screen) if a.get_role() == Atspi.Role.FILLER]
    print("pictures:", [name_of(a) for a in images])
    if fillers:
        fail("pictures exposed as fillers: %r" % fillers)
    question_shape = re.compile("^言＋.$")
    questions = [a for a in images if question_shape.match(name_of(a))]
    if len(questions) != 1:
        fail("no one picture is named 言＋component: %r" % [name_of(a) for a in images])
    question = questions[0]

    # One question and its judgement.
    first = name_of(question)
    start = len(events)
    key("o")
    said = wait_for("the first judgement", lambda: notifications_since(start))[0]
    print("question 1 picture:", first)
    print("judgement announced:", said)
    match = re.match("^(正解|不正解)。第 2 問　(言＋.)$", said)
    if not match:
        fail("judgement announcement: %r" % said)
    if name_of(question) != match.group(2):
        fail("picture %r, announced %r" % (name_of(question), match.group(2)))
    print("name events of the picture:",
          [n for (k, r, n, d) in events[start:]
           if k == "object:property-change:accessible-name" and r == Atspi.Role.IMAGE])

    # The other 99 questions, each picture named like the first.
    for q in range(3, 101):
        start = len(events)
        key("o")
        said = wait_for("judgement %d" % (q - 1), lambda: notifications_since(start))[0]
        if not re.match("^(正解|不正解)。第 %d 問　言＋.$" % q, said):
            fail("announcement before question %d: %r" % (q, said))
        if not question_shape.match(name_of(question)):
            fail("question %d picture named %r" % (q, name_of(question)))
    start = len(events)
    key("o")
    said = wait_for("the rating", lambda: [n for n in notifications_since(start) if "正解率" in n])
    print("rating announced:", said[0])
    if not re.match("^(金メダル|銀メダル|銅メダル|カラス（不合格）)。正解率 \\d+ %。V キーで全問を振り返れます$",
                    said[0]):
        fail("rating announcement: %r" % said[0])
    print("labels:", [name_of(a) for a in descendants(screen) if a.get_role() == Atspi.Role.LABEL])
    answers = [a for a in descendants(screen)
               if a.get_role() == Atspi.Role.PUSH_BUTTON and name_of(a) in ("ある", "ない")]
    if any(a.get_state_set().contains(Atspi.StateType.ENABLED) for a in answers):
        fail("the answer buttons are still enabled after the rating")

    # The review: V opens it, its rows are named by their text, Esc closes it.
    key("v")
    review = wait_for("the review", lambda: frame("ふりかえり"))
    rows = [a for a in descendants(review) if a.get_role() == Atspi.Role.LIST_ITEM]
    print("review rows: %d, first: %s" % (len(rows), name_of(rows[0]) if rows else None))
    if len(rows) != 100:
        fail("the review lists %d rows" % len(rows))
    for number, row in enumerate(rows, 1):
        if not name_of(row).startswith("第 %d 問　" % number):
            fail("review row %d named %r" % (number, name_of(row)))
    start = len(events)
    key("Escape")
    wait_for("the review to close", lambda: frame("ふりかえり") is None)
    focused = wait_for("the focus back on the game",
                       lambda: [n for (k, r, n, d) in events[start:]
                                if k == "object:state-changed:focused" and d == 1])
    print("focus after the review:", focused[-1])
    if game.poll() is not None:
        fail("the game ended")
    print("PASS")


main()
