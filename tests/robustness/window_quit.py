#!/usr/bin/env python3
"""Starts a program's real window on an X server N times per way of quitting it, with real key
presses (XTEST), and checks that every quit exits 0 with nothing on stderr: the menu's Exit (F10,
Up, Enter), Alt+F4, the close button, and Alt+F4 with the Options dialog or the About box open
(the first Alt+F4 only closes the box, the second quits). With --dpi D, first checks that a window
at that density, with its menu bar at the bottom, lies on the screen. With --busy-seed S (a deal
that starts with the computer playing, pausing between its moves), also types Options, Alt+F4 and
Alt+F4 ahead while the computer plays: the box they open must take the rest and the program quit.
With --box-seed S (a deal whose start-up opens a message box), the window must be shown with it.
   window_quit.py PROGRAM N [--dpi D] [--busy-seed S] [--box-seed S]   (DISPLAY: an X server, e.g. Xvfb)"""
import ctypes, os, subprocess, sys, tempfile, time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
import xdrive

program, count = sys.argv[1], int(sys.argv[2])
option = lambda name: sys.argv[sys.argv.index(name) + 1] if name in sys.argv else None
dpi, busy_seed, box_seed = option("--dpi"), option("--busy-seed"), option("--box-seed")
d = xdrive.Display()
# A sanitised build lists the leak suppressions it used at exit: not an error.
env = dict(os.environ, LSAN_OPTIONS=(os.environ.get("LSAN_OPTIONS", "") + ":print_suppressions=0").lstrip(":"))


def in_box(d, win, keys):
    """Opens a box from the menu with `keys`, then Alt+F4 must close the box and leave the program
    running; the caller's second Alt+F4 quits."""
    for key in keys:
        d.key(win, key)
    time.sleep(0.3)
    d.key(win, "alt+F4")
    time.sleep(0.5)


def type_ahead(win, keys):
    """Types `keys` at once, as fast as a user who knows the way: the window is focused only once."""
    d.focus(win)
    focus, d.focus = d.focus, lambda _: None
    try:
        for key in keys:
            d.key(win, key)
    finally:
        d.focus = focus


class WindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("border_width", ctypes.c_int), ("depth", ctypes.c_int), ("visual", ctypes.c_void_p),
                ("root", ctypes.c_ulong), ("class_", ctypes.c_int), ("bit_gravity", ctypes.c_int),
                ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong),
                ("map_installed", ctypes.c_int), ("map_state", ctypes.c_int), ("pad", ctypes.c_long * 8)]


def wait_shown(before, proc, timeout=20):
    """The program's new window once it is shown: it is named before it is shown (focusing it then
    is an X error that ends this script), and it may not be the only new named window."""
    deadline = time.time() + timeout
    attributes = WindowAttributes()
    while time.time() < deadline and proc.poll() is None:
        for win in d.named_windows():
            if win not in before and xdrive._x.XGetWindowAttributes(d.dpy, ctypes.c_ulong(win), ctypes.byref(attributes)) \
                    and attributes.map_state == 2:   # IsViewable
                return win
        time.sleep(0.02)
    return None


def start(store, extra=(), settle=0.3):
    before = set(d.named_windows())
    proc = subprocess.Popen([program, "--config-dir", store, *extra], stderr=subprocess.PIPE, env=env)
    win = wait_shown(before, proc)
    time.sleep(settle)   # let the first deal be drawn
    return proc, win


def finish(proc):
    try:
        _, err = proc.communicate(timeout=20)
    except subprocess.TimeoutExpired:
        proc.kill()
        _, err = proc.communicate()
        return "still running 20 s after the quit"
    if proc.returncode != 0 or err.strip():
        return f"exit {proc.returncode}: {err.decode(errors='replace').strip()[:300]}"
    return None


ways = [
    ("Exit", lambda w: [d.key(w, k) for k in ("f10", "up", "enter")]),
    ("Alt+F4", lambda w: d.key(w, "alt+F4")),
    ("close button", d.close_button),
    # Options is the third item of the first menu, About the second of the last.
    ("Alt+F4 in Options", lambda w: in_box(d, w, ("f10", "down", "down", "enter"))),
    ("Alt+F4 in About", lambda w: in_box(d, w, ("f10", "left", "down", "enter"))),
]
if busy_seed:
    ways.append(("typed ahead", lambda w: type_ahead(w, ("f10", "down", "down", "enter", "alt+F4", "alt+F4"))))
if box_seed:
    ways.append(("box at start-up", d.close_button))
failures = 0
with tempfile.TemporaryDirectory() as store:
    if dpi:
        proc, win = start(store, ("--dpi", dpi))
        if win is None:
            failures += 1
            print(f"--dpi {dpi}: no window")
        else:
            sw, sh = d.geometry(d.root.value)[2:]
            x, y, w, h = d.geometry(win)
            print(f"--dpi {dpi}: window {w}x{h} at {x},{y} on a {sw}x{sh} screen")
            if x < 0 or y < 0 or x + w > sw or y + h > sh:
                failures += 1
                print(f"--dpi {dpi}: the window (and its menu bar at the bottom) is not on the screen")
            d.close_button(win)
        problem = finish(proc)
        if problem:
            failures += 1
            print(f"--dpi {dpi}: {problem}")
    for way, send in ways:
        for i in range(count):
            if way == "typed ahead":
                proc, win = start(store, ("--seed", busy_seed), settle=0)
            elif way == "box at start-up":
                proc, win = start(store, ("--seed", box_seed))
            else:
                # A deal that opens no box at start-up in any program: a random one sometimes
                # does (a round the computer wins in its first moves), and that box takes the keys.
                proc, win = start(store, ("--seed", "1"))
            if win is not None:
                send(win)
                if way.startswith("Alt+F4 in"):
                    if proc.poll() is not None:
                        failures += 1
                        print(f"{way} #{i}: the first Alt+F4 quit the program instead of closing the box")
                        continue
                    d.key(win, "alt+F4")
            problem = finish(proc) if win is not None else f"no window ({finish(proc) or 'exit 0'})"
            if problem:
                failures += 1
                print(f"{way} #{i}: {problem}")
        print(f"{way}: {count} quits")
print("failures:", failures)
sys.exit(1 if failures else 0)
