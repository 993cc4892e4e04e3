#!/usr/bin/env python3
"""Plays a card in a program's real window by real key presses alone (XTEST under Xvfb): Tab shows
the focus outline on the hand, Space selects the first card, O plays it onto the table; Alt+F4 quits.
   window_keys.py PROGRAM     (DISPLAY must name a running X server, e.g. Xvfb)"""
import ctypes, os, subprocess, sys, tempfile, time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
import xdrive

x = xdrive._x
x.XGetImage.restype = ctypes.c_void_p
x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint, ctypes.c_uint,
                        ctypes.c_ulong, ctypes.c_int]
x.XGetPixel.restype = ctypes.c_ulong
x.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
x.XDestroyImage.argtypes = [ctypes.c_void_p]
# A window not mapped yet refuses the focus and its pixels: such errors are retried, not fatal.
_ignore = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda dpy, event: 0)
x.XSetErrorHandler(_ignore)


def take_focus(d, win, seconds=10.0):
    deadline = time.time() + seconds
    while time.time() < deadline:
        d.focus(win)
        focused, revert = ctypes.c_ulong(), ctypes.c_int()
        x.XGetInputFocus(d.dpy, ctypes.byref(focused), ctypes.byref(revert))
        if focused.value == win:
            return True
    return False


def picture(d, win, area):
    """The pixels of `area` (left, top, right, bottom) of the window as a list of rows."""
    left, top, right, bottom = area
    image = x.XGetImage(d.dpy, win, left, top, right - left, bottom - top, 0xFFFFFFFF, 2)   # ZPixmap
    if not image:
        return None
    rows = [[x.XGetPixel(image, i, j) & 0xFFFFFF for i in range(right - left)] for j in range(bottom - top)]
    x.XDestroyImage(image)
    return rows


def settle(d, win, area, seconds=3.0):
    """The area's pixels once two readings 0.3 s apart agree (the program has drawn what it will)."""
    deadline, last = time.time() + seconds, None
    while time.time() < deadline:
        now = picture(d, win, area)
        if now is not None and now == last:
            return now
        last = now
        time.sleep(0.3)
    if last is None:
        sys.exit("cannot read the window's pixels")
    return last


program = sys.argv[1]
green = 0x009600
table = (0, 0, 240, 294)                 # the client area at 96 dpi
play_area = (2, 71, 199, 112)            # where the played card and the answer lie
failures = []
d = xdrive.Display()
with tempfile.TemporaryDirectory() as store:
    before = set(d.named_windows())
    proc = subprocess.Popen([program, "--config-dir", store, "--seed", "5", "--dpi", "96"], stderr=subprocess.PIPE)
    win = d.wait_new_window(before, proc)
    if win is None:
        sys.exit("no window")
    if not take_focus(d, win):
        sys.exit("the window never took the keyboard focus")
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
    try:
        _, err = proc.communicate(timeout=20)
    except subprocess.TimeoutExpired:
        proc.kill()
        _, err = proc.communicate()
        failures.append("Alt+F4 did not quit")
    if proc.returncode != 0:
        failures.append(f"exit {proc.returncode}: {err.decode(errors='replace').strip()[:300]}")
for text in failures:
    print(text)
print("played a card by keys" if not failures else "failed")
sys.exit(1 if failures else 0)
