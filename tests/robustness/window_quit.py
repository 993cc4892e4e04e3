#!/usr/bin/env python3
"""Starts a program's real window on an X server N times per way of quitting it, with real key
presses (XTEST), and checks that every quit exits 0 with nothing on stderr: the menu's Exit (F10,
Up, Enter), and Alt+F4 with the Options dialog or the About box open (the first Alt+F4 only closes
the box, the second, at the table, quits). With --dpi D, also checks that a window at that
density, with its menu bar at the bottom, lies on the screen (then closes it by its close button).
With --busy-seed S (a deal that starts with the computer playing, pausing between its moves),
also types Options, Alt+F4 and Alt+F4 ahead while the computer plays: the box they open must take
the rest and the program quit. With --box-seed S (a deal whose start-up opens a message box), the
window must be shown with it (then closed by its close button).
   window_quit.py PROGRAM N [--dpi D] [--busy-seed S] [--box-seed S]   (DISPLAY: an X server, e.g. Xvfb)"""
import os, sys, tempfile, time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
import xdrive

program, count = sys.argv[1], int(sys.argv[2])
option = lambda name: sys.argv[sys.argv.index(name) + 1] if name in sys.argv else None
dpi, busy_seed, box_seed = option("--dpi"), option("--busy-seed"), option("--box-seed")
d = xdrive.Display()


def in_box(win, keys):
    """Opens a box from the menu with `keys`, then Alt+F4 must close the box and leave the program
    running; the caller's second Alt+F4 quits."""
    for key in keys:
        d.key(win, key)
    time.sleep(0.3)
    d.key(win, "alt+F4")
    time.sleep(0.5)


def on_screen(win):
    """At a high density the window, its menu bar at the bottom, must still lie on the screen."""
    sw, sh = d.geometry(d.root.value)[2:]
    x, y, w, h = d.geometry(win)
    print(f"--dpi {dpi}: window {w}x{h} at {x},{y} on a {sw}x{sh} screen")
    if x < 0 or y < 0 or x + w > sw or y + h > sh:
        failures.append(f"--dpi {dpi}: the window (and its menu bar at the bottom) is not on the screen")
    d.close_button(win)


# (way, arguments, what it sends). Seed 1 deals a game that opens no box at start-up in any program:
# a random one sometimes does (a round the computer wins in its first moves), and that box takes the keys.
plain = ["--seed", "1"]
ways = [
    ("Exit", plain, lambda w: [d.key(w, k) for k in ("f10", "up", "enter")]),
    # Options is the third item of the first menu, About the second of the last.
    ("Alt+F4 in Options", plain, lambda w: in_box(w, ("f10", "down", "down", "enter"))),
    ("Alt+F4 in About", plain, lambda w: in_box(w, ("f10", "left", "down", "enter"))),
]
if dpi:
    ways.append((f"--dpi {dpi}", ["--dpi", dpi], on_screen))
if busy_seed:
    ways.append(("typed ahead", ["--seed", busy_seed], lambda w: d.focus(w) or [
        d.key(w, k, focus=False) for k in ("f10", "down", "down", "enter", "alt+F4", "alt+F4")]))
if box_seed:
    ways.append(("box at start-up", ["--seed", box_seed], d.close_button))
failures = []
with tempfile.TemporaryDirectory() as store:
    for way, args, send in ways:
        for i in range(count):
            proc, win = d.launch([program, "--config-dir", store, *args])
            if win is None:
                failures.append(f"{way} #{i}: no window ({xdrive.finish(proc) or 'exit 0'})")
                continue
            if way != "typed ahead":
                time.sleep(0.3)   # let the first deal be drawn
            send(win)
            if way.startswith("Alt+F4 in"):
                if proc.poll() is not None:
                    failures.append(f"{way} #{i}: the first Alt+F4 quit the program instead of closing the box")
                    continue
                d.key(win, "alt+F4")
            problem = xdrive.finish(proc)
            if problem:
                failures.append(f"{way} #{i}: {problem}")
        print(f"{way}: {count} quits")
print("\n".join(failures + [f"failures: {len(failures)}"]))
sys.exit(1 if failures else 0)
