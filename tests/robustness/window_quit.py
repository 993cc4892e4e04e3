#!/usr/bin/env python3
"""Starts a program's real window under an X server N times per way of closing it (the close
button's WM_DELETE_WINDOW, Alt+F4) and checks that every quit exits 0 with nothing on stderr.
   window_quit.py PROGRAM N     (DISPLAY must name a running X server, e.g. Xvfb)"""
import ctypes, ctypes.util, os, subprocess, sys, tempfile, time

x = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
x.XOpenDisplay.restype = ctypes.c_void_p
x.XDefaultRootWindow.restype = ctypes.c_ulong
x.XInternAtom.restype = ctypes.c_ulong
x.XKeysymToKeycode.restype = ctypes.c_ubyte
for f in ("XDefaultRootWindow", "XQueryTree", "XFetchName", "XInternAtom", "XSendEvent", "XFlush",
          "XKeysymToKeycode", "XFree", "XCloseDisplay", "XSync"):
    getattr(x, f).argtypes = None

class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

class KeyEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("root", ctypes.c_ulong),
                ("subwindow", ctypes.c_ulong), ("time", ctypes.c_ulong), ("x", ctypes.c_int), ("y", ctypes.c_int),
                ("x_root", ctypes.c_int), ("y_root", ctypes.c_int), ("state", ctypes.c_uint),
                ("keycode", ctypes.c_uint), ("same_screen", ctypes.c_int)]

class Event(ctypes.Union):
    _fields_ = [("client", ClientMessage), ("key", KeyEvent), ("pad", ctypes.c_long * 24)]

dpy = ctypes.c_void_p(x.XOpenDisplay(None))
if not dpy:
    sys.exit("no X display")
root = ctypes.c_ulong(x.XDefaultRootWindow(dpy))

def named_windows():
    r, p, children, n = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
    x.XQueryTree(dpy, root, ctypes.byref(r), ctypes.byref(p), ctypes.byref(children), ctypes.byref(n))
    found = []
    for i in range(n.value):
        name = ctypes.c_char_p()
        if x.XFetchName(dpy, ctypes.c_ulong(children[i]), ctypes.byref(name)) and name.value:
            found.append(children[i])
    return found

def close_button(win):
    e = Event()
    e.client.type, e.client.window, e.client.format = 33, win, 32   # ClientMessage
    e.client.message_type = x.XInternAtom(dpy, b"WM_PROTOCOLS", 0)
    e.client.data[0] = x.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0)
    x.XSendEvent(dpy, ctypes.c_ulong(win), 0, ctypes.c_long(0), ctypes.byref(e))

def alt_f4(win):
    for kind in (2, 3):   # KeyPress, KeyRelease
        e = Event()
        e.key.type, e.key.window, e.key.root, e.key.same_screen = kind, win, root.value, 1
        e.key.state = 8   # Mod1 (Alt)
        e.key.keycode = x.XKeysymToKeycode(dpy, ctypes.c_ulong(0xFFC1))   # XK_F4
        x.XSendEvent(dpy, ctypes.c_ulong(win), 1, ctypes.c_long(3), ctypes.byref(e))

program, count = sys.argv[1], int(sys.argv[2])
failures = 0
with tempfile.TemporaryDirectory() as store:
    ways = [("close button", close_button)]
    if os.environ.get("QV_SYNTHETIC_KEYS"):   # SDL ignores sent key events without a focus owner
        ways.append(("Alt+F4", alt_f4))
    for way, send in ways:
        for i in range(count):
            before = set(named_windows())
            # A sanitised build lists the leak suppressions it used at exit: not an error.
            env = dict(os.environ, LSAN_OPTIONS=(os.environ.get("LSAN_OPTIONS", "") + ":print_suppressions=0").lstrip(":"))
            proc = subprocess.Popen([program, "--config-dir", store], stderr=subprocess.PIPE, env=env)
            win, deadline = None, time.time() + 20
            while win is None and time.time() < deadline and proc.poll() is None:
                new = [w for w in named_windows() if w not in before]
                win = new[0] if new else None
                time.sleep(0.05)
            time.sleep(0.3)   # let the first deal be drawn
            if win is not None:
                send(win)
                x.XFlush(dpy)
            try:
                _, err = proc.communicate(timeout=20)
            except subprocess.TimeoutExpired:
                proc.kill()
                _, err = proc.communicate()
            if proc.returncode != 0 or err.strip():
                failures += 1
                print(f"{way} #{i}: exit {proc.returncode}: {err.decode(errors='replace').strip()[:300]}")
        print(f"{way}: {count} quits")
print("failures:", failures)
sys.exit(1 if failures else 0)
