"""Drives a real window on an X server (Xvfb) the way a user would: real key presses and pointer
clicks through the XTEST extension, window lookup, focus and resize. No window manager is needed.
   import xdrive; d = xdrive.Display(); w = d.wait_new_window(before, proc); d.focus(w); d.key(w, "alt+F4")"""
import ctypes, ctypes.util, time

_x = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
_t = ctypes.cdll.LoadLibrary(ctypes.util.find_library("Xtst") or "libXtst.so.6")
_x.XOpenDisplay.restype = ctypes.c_void_p
_x.XDefaultRootWindow.restype = ctypes.c_ulong
_x.XInternAtom.restype = ctypes.c_ulong
_x.XKeysymToKeycode.restype = ctypes.c_ubyte
_x.XStringToKeysym.restype = ctypes.c_ulong
_x.XStringToKeysym.argtypes = [ctypes.c_char_p]

_MODIFIERS = {"shift": "Shift_L", "ctrl": "Control_L", "alt": "Alt_L"}
# Short names used by scripts and tests, mapped to X keysym names.
_KEYS = {"tab": "Tab", "enter": "Return", "space": "space", "left": "Left", "right": "Right",
         "up": "Up", "down": "Down", "home": "Home", "end": "End", "escape": "Escape", "f10": "F10"}


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class _Event(ctypes.Union):
    _fields_ = [("client", ClientMessage), ("pad", ctypes.c_long * 24)]


class Display:
    def __init__(self):
        self.dpy = ctypes.c_void_p(_x.XOpenDisplay(None))
        if not self.dpy:
            raise SystemExit("no X display")
        self.root = ctypes.c_ulong(_x.XDefaultRootWindow(self.dpy))

    def named_windows(self):
        """The top-level windows that have a name (the programs' windows)."""
        r, p = ctypes.c_ulong(), ctypes.c_ulong()
        children, n = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        _x.XQueryTree(self.dpy, self.root, ctypes.byref(r), ctypes.byref(p), ctypes.byref(children), ctypes.byref(n))
        found = []
        for i in range(n.value):
            name = ctypes.c_char_p()
            if _x.XFetchName(self.dpy, ctypes.c_ulong(children[i]), ctypes.byref(name)) and name.value:
                found.append(children[i])
        return found

    def wait_new_window(self, before, proc, timeout=20):
        """The first named window not in `before`, while `proc` runs; None after `timeout` seconds."""
        deadline = time.time() + timeout
        while time.time() < deadline and proc.poll() is None:
            new = [w for w in self.named_windows() if w not in before]
            if new:
                return new[0]
            time.sleep(0.05)
        return None

    def geometry(self, win):
        """(x, y, width, height) of a window, x and y relative to the screen."""
        r = ctypes.c_ulong()
        w, h, b, d = ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint()
        gx, gy = ctypes.c_int(), ctypes.c_int()
        _x.XGetGeometry(self.dpy, ctypes.c_ulong(win), ctypes.byref(r), ctypes.byref(gx), ctypes.byref(gy),
                        ctypes.byref(w), ctypes.byref(h), ctypes.byref(b), ctypes.byref(d))
        child = ctypes.c_ulong()
        _x.XTranslateCoordinates(self.dpy, ctypes.c_ulong(win), self.root, 0, 0,
                                 ctypes.byref(gx), ctypes.byref(gy), ctypes.byref(child))
        return gx.value, gy.value, w.value, h.value

    def focus(self, win):
        """Gives the window the keyboard focus (there is no window manager to do it)."""
        _x.XRaiseWindow(self.dpy, ctypes.c_ulong(win))
        _x.XSetInputFocus(self.dpy, ctypes.c_ulong(win), 1, ctypes.c_ulong(0))   # RevertToPointerRoot, CurrentTime
        _x.XSync(self.dpy, 0)
        time.sleep(0.1)

    def _keycode(self, name):
        sym = _x.XStringToKeysym(_KEYS.get(name.lower(), name).encode())
        return _x.XKeysymToKeycode(self.dpy, ctypes.c_ulong(sym))

    def key(self, win, combo):
        """Presses and releases a key with modifiers, e.g. "alt+F4", "shift+tab", "space", "o"."""
        self.focus(win)
        *mods, key = combo.split("+")
        codes = [self._keycode(_MODIFIERS[m.lower()]) for m in mods] + [self._keycode(key)]
        for code in codes:
            _t.XTestFakeKeyEvent(self.dpy, ctypes.c_uint(code), 1, ctypes.c_ulong(0))
        for code in reversed(codes):
            _t.XTestFakeKeyEvent(self.dpy, ctypes.c_uint(code), 0, ctypes.c_ulong(0))
        _x.XSync(self.dpy, 0)

    def click(self, win, x, y):
        """A left click at (x, y) inside the window."""
        gx, gy, _, _ = self.geometry(win)
        _t.XTestFakeMotionEvent(self.dpy, -1, gx + x, gy + y, ctypes.c_ulong(0))
        _t.XTestFakeButtonEvent(self.dpy, 1, 1, ctypes.c_ulong(0))
        _t.XTestFakeButtonEvent(self.dpy, 1, 0, ctypes.c_ulong(0))
        _x.XSync(self.dpy, 0)

    def resize(self, win, width, height):
        _x.XResizeWindow(self.dpy, ctypes.c_ulong(win), ctypes.c_uint(width), ctypes.c_uint(height))
        _x.XSync(self.dpy, 0)

    def close_button(self, win):
        """What a window manager sends when the window's close button is pressed."""
        e = _Event()
        e.client.type, e.client.window, e.client.format = 33, win, 32   # ClientMessage
        e.client.message_type = _x.XInternAtom(self.dpy, b"WM_PROTOCOLS", 0)
        e.client.data[0] = _x.XInternAtom(self.dpy, b"WM_DELETE_WINDOW", 0)
        _x.XSendEvent(self.dpy, ctypes.c_ulong(win), 0, ctypes.c_long(0), ctypes.byref(e))
        _x.XFlush(self.dpy)
