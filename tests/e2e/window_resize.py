#!/usr/bin/env python3
"""The real window follows its size: started without --dpi it takes the largest density that fits
the screen; resized, it lays the table out again in the middle of the window (the rest in the table
colour), and a real click on a card at its new place selects that card and no other.
   window_resize.py TABLETEST     (DISPLAY names an X server of 1024 x 768, e.g. xvfb-run -s ...)"""
import os, sys, tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tools"))
import xdrive


def scaled(dpi, n):
    return (dpi * n + 48) // 96


def fitting(width, height):
    return max(d for d in range(96, 481) if scaled(d, 240) <= width and scaled(d, 320) <= height)


def main():
    d = xdrive.Display()
    proc, win = d.launch([sys.argv[1], "--seed", "7", "--config-dir", tempfile.mkdtemp()])
    try:
        if win is None:
            sys.exit("no window appeared")
        dpi = fitting(1024, 768)
        xdrive.wait_for("the window at the density that fits the screen",
                 lambda: d.geometry(win)[2:] == (scaled(dpi, 240), scaled(dpi, 320)))
        white, grey, green, border = 0xFFFFFF, 0xC8C8C8, 0x009600, 0x606060
        for k, (width, height) in enumerate([(700, 500), (1000, 700)]):
            d.resize(win, width, height)
            dpi = fitting(width, height)
            left, top = (width - scaled(dpi, 240)) // 2, (height - scaled(dpi, 320)) // 2
            # The middle of the seven cards of the first row: side by side from (10, 60).
            centres = [(left + scaled(dpi, 10) + i * scaled(dpi, 28) + scaled(dpi, 28) // 2,
                        top + scaled(dpi, 60) + scaled(dpi, 40) // 2) for i in range(7)]
            bar = top + scaled(dpi, 320) - scaled(dpi, 26)
            grab = lambda: d.pixels(win, 0, 0, width, height) if d.geometry(win)[2:] == (width, height) else None

            # Laid out again: the menu bar (its top border) starts right below the table and no
            # further left than it (the backdrop beside it), a card face at each new place.
            def laid_out(p):
                return p is not None and p[bar - 1][left + 2] == green and p[bar][left + 2] == border and \
                    p[bar][left - 1] == green and all(p[cy][cx] in (white, grey) for cx, cy in centres)
            xdrive.wait_for("the table laid out at %d dpi" % dpi, lambda: laid_out(grab()))
            pick = 3 + k
            d.click(win, *centres[pick])
            xdrive.wait_for("card %d selected by a click at its new place" % (pick + 1), lambda: (lambda p: p is not None and [
                p[cy][cx] == grey for cx, cy in centres] == [i == pick for i in range(7)])(grab()))
        d.close_button(win)
        problem = xdrive.finish(proc)
        if problem:
            sys.exit(problem)
    finally:
        if proc.poll() is None:
            proc.kill()
            proc.wait()
    print("ok")


main()
