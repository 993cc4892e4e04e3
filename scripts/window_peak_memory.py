#!/usr/bin/env python3
"""Peak memory of a program with a real window: plays it by random clicks on an X server (run under
xvfb-run) and prints the maximum resident set size in KiB, as /usr/bin/time measures it.
   window_peak_memory.py PROGRAM DPI CLICKS CONFIG_DIR"""
import ctypes, ctypes.util, os, random, signal, subprocess, sys, tempfile, time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "tools"))
import xdrive  # noqa: E402


# A message box may close between being listed and being sent a key: Xlib's default handler would
# end this script on such an error, so errors are ignored.
_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda display, event: 0)
ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11")).XSetErrorHandler(_ERROR_HANDLER)


def main():
    program, dpi, clicks, config = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
    d = xdrive.Display()
    before = d.named_windows()
    with tempfile.NamedTemporaryFile("r", suffix=".time") as report:
        proc = subprocess.Popen(["/usr/bin/time", "-f", "%M", "-o", report.name, program, "--dpi", str(dpi),
                                 "--seed", "7", "--config-dir", config],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        try:
            main_window = d.wait_new_window(before, proc)
            if main_window is None:
                raise SystemExit("no window appeared")
            _, _, width, height = d.geometry(main_window)
            rng = random.Random(7)
            for i in range(clicks):
                # A message box at a round's end is its own window: Enter closes it.
                for other in d.named_windows():
                    if other != main_window and other not in before:
                        d.key(other, "enter")
                d.click(main_window, rng.randrange(width), rng.randrange(height))
                time.sleep(0.01)
            d.close_button(main_window)
            deadline = time.time() + 10
            while proc.poll() is None and time.time() < deadline:
                for other in d.named_windows():
                    if other != main_window and other not in before:
                        d.key(other, "enter")
                time.sleep(0.1)
        finally:
            # The program is the child of time: end the whole group so that nothing is left.
            if proc.poll() is None:
                os.killpg(proc.pid, signal.SIGTERM)
            proc.wait()
        lines = [line for line in open(report.name).read().splitlines() if line.strip().isdigit()]
        print(lines[-1] if lines else "?")


if __name__ == "__main__":
    main()
