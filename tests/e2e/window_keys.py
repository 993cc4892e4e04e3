#!/usr/bin/env python3
"""Plays a card in a program's real window by real key presses alone (XTEST under Xvfb): Tab shows
the focus outline on the hand, Space selects the first card, O plays it onto the table; Alt+F4 quits.
   window_keys.py PROGRAM     (DISPLAY must name a running X server, e.g. Xvfb)"""
import os, sys, tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
import xdrive


green = 0x009600
table = (0, 0, 240, 294)                 # the client area at 96 dpi: left, top, width, height
play_area = (2, 71, 197, 41)             # where the played card and the answer lie
d = xdrive.Display()
with tempfile.TemporaryDirectory() as store:
    proc, win = d.launch([sys.argv[1], "--config-dir", store, "--seed", "5", "--dpi", "96"])
    if win is None:
        sys.exit("no window")
    # Each picture is waited for: the first paint, then what each key draws.
    pixels = lambda area, ok: (lambda p: p if p and ok(p) else None)(d.pixels(win, *area))
    start = xdrive.wait_for("the first deal drawn", lambda: pixels(table, lambda p: p[20][120] == green))
    if any(p != green for row in start[71:112] for p in row[2:199]):
        sys.exit("the play area is not empty at the start")
    d.key(win, "tab")
    xdrive.wait_for("a focus outline drawn by Tab", lambda: pixels(table, lambda p: p != start), 5)
    d.key(win, "space")
    d.key(win, "o")
    xdrive.wait_for("a card played onto the table by Space and O",
                    lambda: pixels(play_area, lambda p: sum(c != green for row in p for c in row) >= 200), 5)
    d.key(win, "alt+F4")
    problem = xdrive.finish(proc)
    if problem:
        sys.exit("Alt+F4: " + problem)
print("played a card by keys")
