#!/usr/bin/env python3
"""The real window follows its size: started without --dpi it takes the largest density that fits
the screen; resized, it lays the table out again in the middle of the window (the rest in the table
colour), and a real click on a card at its new place selects that card and no other.
   window_resize.py TABLETEST     (DISPLAY names an X server of 1024 x 768, e.g. xvfb-run -s ...)
With SHOTS=DIR the window is saved as DIR/resized-<dpi>.png after each resize, to be looked at."""
import ctypes, os, subprocess, sys, tempfile, time, zlib, struct

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tools"))
import xdrive

x = xdrive._x
x.XGetImage.restype = ctypes.c_void_p
x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint, ctypes.c_uint,
                        ctypes.c_ulong, ctypes.c_int]


# A window not shown yet cannot be read: the request fails and the reading is tried again.
failed = []
ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(
    lambda dpy, error: failed.append(1) or 0)
x.XSetErrorHandler(ERROR_HANDLER)


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int), ("format", ctypes.c_int),
                ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]


def scaled(dpi, n):
    return (dpi * n + 48) // 96


def fitting(width, height):
    return max(d for d in range(96, 481) if scaled(d, 240) <= width and scaled(d, 320) <= height)


def grab(d, win, w, h):
    """The window's pixels as rows of (r, g, b), or None while the window has another size.
    32-bit little-endian pixels, as Xvfb's 24-bit screen has."""
    if d.geometry(win)[2:] != (w, h):
        return None
    failed.clear()
    image = x.XGetImage(d.dpy, ctypes.c_ulong(win), 0, 0, w, h, ctypes.c_ulong(0xFFFFFFFF), 2)   # ZPixmap
    x.XSync(d.dpy, 0)
    if failed or not image:
        return None
    im = XImage.from_address(image)
    raw = ctypes.string_at(im.data, im.bytes_per_line * h)
    x.XDestroyImage.argtypes = [ctypes.c_void_p]
    x.XDestroyImage(image)
    return [[(raw[r * im.bytes_per_line + 4 * c + 2], raw[r * im.bytes_per_line + 4 * c + 1],
              raw[r * im.bytes_per_line + 4 * c]) for c in range(w)] for r in range(h)]


def save_png(path, rows):
    body = b"".join(b"\0" + bytes(v for px in row for v in px) for row in rows)
    chunk = lambda kind, data: struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(body)) + chunk(b"IEND", b""))


def card_centres(dpi, left, top):
    """Window points in the middle of the seven cards of the first row: side by side from (10, 60)."""
    return [(left + scaled(dpi, 10) + k * scaled(dpi, 28) + scaled(dpi, 28) // 2,
             top + scaled(dpi, 60) + scaled(dpi, 40) // 2) for k in range(7)]


def wait_for(what, check, timeout=10):
    deadline = time.time() + timeout
    while time.time() < deadline:
        if check():
            return
        time.sleep(0.1)
    sys.exit("timed out: " + what)


def main():
    d = xdrive.Display()
    config = tempfile.mkdtemp()
    before = d.named_windows()
    proc = subprocess.Popen([sys.argv[1], "--seed", "7", "--config-dir", config], stderr=subprocess.PIPE)
    try:
        win = d.wait_new_window(before, proc)
        if win is None:
            sys.exit("no window appeared")
        dpi = fitting(1024, 768)
        wait_for("the window at the density that fits the screen",
                 lambda: d.geometry(win)[2:] == (scaled(dpi, 240), scaled(dpi, 320)))
        white, grey, green, border = (255, 255, 255), (200, 200, 200), (0, 150, 0), (96, 96, 96)
        for k, (width, height) in enumerate([(700, 500), (1000, 700)]):
            # At the screen's corner, so that the whole window can be read back.
            x.XMoveResizeWindow(d.dpy, ctypes.c_ulong(win), 0, 0, ctypes.c_uint(width), ctypes.c_uint(height))
            x.XSync(d.dpy, 0)
            dpi = fitting(width, height)
            left, top = (width - scaled(dpi, 240)) // 2, (height - scaled(dpi, 320)) // 2
            centres = card_centres(dpi, left, top)
            bar = top + scaled(dpi, 320) - scaled(dpi, 26)

            # Laid out again: the menu bar (its top border) starts right below the table and no
            # further left than it (the backdrop beside it), a card face at each new place.
            def laid_out(p):
                return p is not None and p[bar - 1][left + 2] == green and p[bar][left + 2] == border and \
                    p[bar][left - 1] == green and all(p[cy][cx] in (white, grey) for cx, cy in centres)
            wait_for("the table laid out at %d dpi" % dpi, lambda: laid_out(grab(d, win, width, height)))
            pick = 3 + k
            d.click(win, *centres[pick])
            wait_for("card %d selected by a click at its new place" % (pick + 1), lambda: (lambda p: p is not None and [
                p[cy][cx] == grey for cx, cy in centres] == [i == pick for i in range(7)])(grab(d, win, width, height)))
            if os.environ.get("SHOTS"):
                save_png(os.path.join(os.environ["SHOTS"], "resized-%d.png" % dpi), grab(d, win, width, height))
        d.close_button(win)
        _, err = proc.communicate(timeout=20)
        if proc.returncode != 0:
            sys.exit("exit status %d: %s" % (proc.returncode, err.decode(errors="replace")))
    finally:
        if proc.poll() is None:
            proc.kill()
            proc.wait()
    print("ok")


main()
