"""Drives a real window on an X server (Xvfb) the way a user would: real key presses and pointer
clicks through the XTEST extension, window lookup, focus, resize and reading pixels back. No
window manager is needed.
   import xdrive; d = xdrive.Display(); proc, w = d.launch([program, ...]); d.key(w, "alt+F4")"""
import ctypes, ctypes.util, os, subprocess, sys, time

_x = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
_t = ctypes.cdll.LoadLibrary(ctypes.util.find_library("Xtst") or "libXtst.so.6")
_x.XOpenDisplay.restype = ctypes.c_void_p
_x.XDefaultRootWindow.restype = ctypes.c_ulong
_x.XInternAtom.restype = ctypes.c_ulong
_x.XKeysymToKeycode.restype = ctypes.c_ubyte
_x.XStringToKeysym.restype = ctypes.c_ulong
_x.XStringToKeysym.argtypes = [ctypes.c_char_p]
_x.XGetImage.restype = ctypes.c_void_p
_x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint, ctypes.c_uint,
                         ctypes.c_ulong, ctypes.c_int]
_x.XDestroyImage.argtypes = [ctypes.c_void_p]
# A window named but not shown yet refuses the focus and its pixels: such errors are counted and
# the request tried again, never fatal.
_errors = []
_on_error = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda dpy, event: _errors.append(1) or 0)
_x.XSetErrorHandler(_on_error)
# A sanitised build lists the leak suppressions it used at exit: not an error.
ENV = dict(os.environ, LSAN_OPTIONS=(os.environ.get("LSAN_OPTIONS", "") + ":print_suppressions=0").lstrip(":"))

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


class _Image(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int), ("format", ctypes.c_int),
                ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]


def finish(proc, timeout=20):
    """Waits for the program to end; what went wrong (not exit 0, or anything on stderr), or None."""
    try:
        _, err = proc.communicate(timeout=timeout)
    except subprocess.TimeoutExpired:
        proc.kill()
        _, err = proc.communicate()
        return f"still running {timeout} s after the quit"
    if proc.returncode != 0 or err.strip():
        return f"exit {proc.returncode}: {err.decode(errors='replace').strip()[:300]}"
    return None


def wait_for(what, check, timeout=10):
    """Polls `check` until it gives a true value and returns that; ends the script naming `what`
    after `timeout` seconds."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        value = check()
        if value:
            return value
        time.sleep(0.1)
    sys.exit("timed out: " + what)


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

    def launch(self, args):
        """Starts a program: (process, its window once shown, or None)."""
        before = set(self.named_windows())
        proc = subprocess.Popen(args, stderr=subprocess.PIPE, env=ENV)
        return proc, self.wait_new_window(before, proc)

    def wait_new_window(self, before, proc, timeout=20):
        """The first window not in `before` once shown, while `proc` runs; None after `timeout` s.
        A window is named before it is shown, and it may not be the only new named window."""
        deadline = time.time() + timeout
        while time.time() < deadline and proc.poll() is None:
            for win in self.named_windows():
                if win not in before and self.pixels(win, 0, 0, 1, 1) is not None:   # only a shown window can be read
                    return win
            time.sleep(0.02)
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

    def pixels(self, win, left, top, width, height):
        """An area of the window as rows of 0xRRGGBB, or None while it cannot be read. Assumes
        32-bit little-endian pixels, as Xvfb's 24-bit screen has."""
        _errors.clear()
        image = _x.XGetImage(self.dpy, ctypes.c_ulong(win), left, top, width, height, ctypes.c_ulong(0xFFFFFFFF), 2)
        _x.XSync(self.dpy, 0)
        if _errors or not image:
            return None
        im = _Image.from_address(image)
        raw = ctypes.string_at(im.data, im.bytes_per_line * height)
        _x.XDestroyImage(image)
        return [[int.from_bytes(raw[r * im.bytes_per_line + 4 * c:r * im.bytes_per_line + 4 * c + 3], "little")
                 for c in range(width)] for r in range(height)]

    def _keycode(self, name):
        sym = _x.XStringToKeysym(_KEYS.get(name.lower(), name).encode())
        return _x.XKeysymToKeycode(self.dpy, ctypes.c_ulong(sym))

    def key(self, win, combo, focus=True):
        """Presses and releases a key with modifiers, e.g. "alt+F4", "shift+tab", "space", "o";
        focus=False types on into whatever has the focus, as fast as a user who knows the way."""
        if focus:
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
        """At the screen's corner, so that the whole window can be read back."""
        _x.XMoveResizeWindow(self.dpy, ctypes.c_ulong(win), 0, 0, ctypes.c_uint(width), ctypes.c_uint(height))
        _x.XSync(self.dpy, 0)

    def close_button(self, win):
        """What a window manager sends when the window's close button is pressed."""
        e = _Event()
        e.client.type, e.client.window, e.client.format = 33, win, 32   # ClientMessage
        e.client.message_type = _x.XInternAtom(self.dpy, b"WM_PROTOCOLS", 0)
        e.client.data[0] = _x.XInternAtom(self.dpy, b"WM_DELETE_WINDOW", 0)
        _x.XSendEvent(self.dpy, ctypes.c_ulong(win), 0, ctypes.c_long(0), ctypes.byref(e))
        _x.XFlush(self.dpy)
