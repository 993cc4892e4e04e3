#!/usr/bin/env python3
"""Plays a card in a program's real window by real key presses alone (XTEST under Xvfb): Tab shows
the focus outline on the hand, Space selects the first card, O plays it onto the table; Alt+F4 quits.
   window_keys.py PROGRAM     (DISPLAY must name a running X server, e.g. Xvfb)"""
import os, sys, tempfile, time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
import xdrive


def settle(d, win, area, seconds=3.0):
    """The area's pixels once two readings 0.3 s apart agree (the program has drawn what it will)."""
    deadline, last = time.time() + seconds, None
    while time.time() < deadline:
        now = d.pixels(win, *area)
        if now is not None and now == last:
            return now
        last = now
        time.sleep(0.3)
    if last is None:
        sys.exit("cannot read the window's pixels")
    return last


green = 0x009600
table = (0, 0, 240, 294)                 # the client area at 96 dpi: left, top, width, height
play_area = (2, 71, 197, 41)             # where the played card and the answer lie
failures = []
d = xdrive.Display()
with tempfile.TemporaryDirectory() as store:
    proc, win = d.launch([sys.argv[1], "--config-dir", store, "--seed", "5", "--dpi", "96"])
    if win is None:
        sys.exit("no window")
    start = settle(d, win, table)
    if any(p != green for row in start[71:112] for p in row[2:199]):
        failures.append("the play area is not empty at the start")
    d.key(win, "tab")
    outlined = settle(d, win, table)
    changed = [(i, j) for j in range(len(start)) for i in range(len(start[0])) if start[j][i] != outlined[j][i]]
    if not changed:
        failures.append("Tab drew no focus outline")
    elif any(p not in (0x000000, 0xFFFFFF) for p in (outlined[j][i] for i, j in changed)):
        failures.append("the outline is not black and white")
    d.key(win, "space")
    d.key(win, "o")
    after = settle(d, win, play_area)
    if sum(p != green for row in after for p in row) < 200:
        failures.append("Space and O played no card onto the table")
    d.key(win, "alt+F4")
    problem = xdrive.finish(proc)
    if problem:
        failures.append("Alt+F4: " + problem)
for text in failures:
    print(text)
print("played a card by keys" if not failures else "failed")
sys.exit(1 if failures else 0)
