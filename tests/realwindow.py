#!/usr/bin/env python3
"""Starts Lurchfield in a real X window and checks what a person would see.

The program runs on an Xvfb server of its own with no window manager, so the
Qt window is the client area itself. It is captured with xwd and the capture
is read here with the standard library alone.

Usage: realwindow.py PATH/TO/lurchfield
"""

import os
import re
import struct
import subprocess
import sys
import tempfile
import time

from checks import finish

CAPTION_START = " Lurchfield\u3000"
CLIENT_SIZE = (642, 623)
LABEL70 = (216, 0, 201, 25)        # the green title
CANVAS = (194, 354, 261, 221)      # the plane inside its 2-pixel border
AXIS_ROW, AXIS_COLUMN = 111, 131   # plane y = 20 and x = 18, in canvas pixels
MARKER = (109, 83, 41, 42)         # the walker at the origin, in canvas pixels
GREEN, WHITE, BLUE, RED = 0x00FF00, 0xFFFFFF, 0x0000FF, 0xFF0000
EXIT_BUTTON = ("28", "12")          # the middle of "Exit"
TIMEOUT = 20.0


def wait_for(what, probe):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        result = probe()
        if result:
            return result
        time.sleep(0.2)
    sys.exit(f"FAIL: gave up after {TIMEOUT:.0f} s waiting for {what}")


def tool(display, *args):
    env = dict(os.environ, DISPLAY=display, LC_ALL="C.UTF-8")
    return subprocess.run(args, env=env, capture_output=True, check=True, timeout=TIMEOUT).stdout


def start_xvfb():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                               "1280x1024x24", "-nolisten", "tcp"],
                              pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()  # Xvfb writes it once it accepts clients
    if not number:
        sys.exit("FAIL: Xvfb did not start")
    return server, ":" + number


def find_window(display, title=" Lurchfield"):
    """A top-level window whose caption starts with title."""
    tree = tool(display, "xwininfo", "-root", "-tree").decode("utf-8", "replace")
    match = re.search(rf'^\s*(0x[0-9a-f]+) "{re.escape(title)}', tree, re.MULTILINE)
    return match and match.group(1)


def capture(display, window):
    """The window as rows of 0xRRGGBB values, read from xwd's output."""
    data = tool(display, "xwd", "-id", window, "-silent")
    header = struct.unpack(">25I", data[:100])
    header_size, width, height, byte_order = header[0], header[4], header[5], header[7]
    bits, line = header[11], header[12]
    masks, ncolours = header[14:17], header[19]
    if bits != 32:
        sys.exit(f"FAIL: expected a 32-bit capture, got {bits} bits per pixel")
    start = header_size + 12 * ncolours
    order = "<" if byte_order == 0 else ">"
    shifts = [(m & -m).bit_length() - 1 for m in masks]
    rows = []
    for y in range(height):
        raw = struct.unpack_from(f"{order}{width}I", data, start + y * line)
        rows.append([(((p & masks[0]) >> shifts[0]) << 16) | (((p & masks[1]) >> shifts[1]) << 8)
                     | ((p & masks[2]) >> shifts[2]) for p in raw])
    return rows


def is_warm(p):
    r, g, b = p >> 16, p >> 8 & 0xFF, p & 0xFF
    return max(r, g, b) - min(r, g, b) > 12 and b < max(r, g)


def count_dark(rows):
    return sum(1 for row in rows for p in row if (p >> 16) + (p >> 8 & 0xFF) + (p & 0xFF) < 200)


def count(rows, rect, colour):
    x, y, w, h = rect
    return sum(row[x:x + w].count(colour) for row in rows[y:y + h])


def exit_through_the_message(display, window, app):
    """Clicks "Exit", answers the message with Return and expects the program gone."""
    tool(display, "xdotool", "mousemove", "--window", window, *EXIT_BUTTON, "click", "1")
    box = wait_for("the exit message", lambda: find_window(display, 'Lurchfield"'))
    print("ok   the message titled 'Lurchfield' appears")
    failures = []
    # Greys, black text and the blue of the default button's frame, but no
    # icon: those that styles put on messages and buttons carry warmer tints.
    rows = wait_for("the message to be drawn",
                    lambda: (r := capture(display, box)) and count_dark(r) > 20 and r)
    coloured = sum(1 for row in rows for p in row if is_warm(p))
    print(("ok   " if coloured == 0 else "FAIL ") + f"the message shows no icon ({coloured} pixels)")
    if coloured:
        failures.append("the message shows an icon")
    tool(display, "xdotool", "windowfocus", "--sync", box, "key", "Return")
    try:
        code = app.wait(timeout=TIMEOUT)
    except subprocess.TimeoutExpired:
        return failures + ["the program did not end after the message was answered"]
    print(f"ok   the program ended with code {code}")
    return failures + ([] if code == 0 else [f"the program ended with code {code}"])


def check(rows):
    """What a person should see; returns the failures."""
    failures = []

    def expect(ok, what):
        print(("ok   " if ok else "FAIL ") + what)
        if not ok:
            failures.append(what)

    lx, ly, lw, lh = LABEL70
    inside = (lx + 2, ly + 2, lw - 4, lh - 4)
    green = count(rows, inside, GREEN)
    expect(green > 0.6 * (lw - 4) * (lh - 4), f"title label is green ({green} green pixels)")
    expect(green < (lw - 4) * (lh - 4) - 50, "title label carries its dark caption")

    cx, cy, cw, ch = CANVAS
    canvas = [row[cx:cx + cw] for row in rows[cy:cy + ch]]
    black = count(canvas, (0, 0, cw, ch), 0)
    expect(black > 0.9 * cw * ch, f"plane is black ({black} of {cw * ch} pixels)")
    mx, my, mw, mh = MARKER
    row = canvas[AXIS_ROW]
    outside = [v for x, v in enumerate(row) if not mx <= x < mx + mw]
    expect(outside.count(WHITE) == len(outside), "x axis is a white line")
    column = [r[AXIS_COLUMN] for y, r in enumerate(canvas) if not my <= y < my + mh]
    expect(column.count(WHITE) == len(column), "y axis is a white line")
    marker_blue = count(canvas, MARKER, BLUE)
    marker_red = count(canvas, MARKER, RED)
    expect(marker_blue > 50 and marker_red > 50,
           f"walker stands at the origin ({marker_blue} blue, {marker_red} red pixels)")
    expect(count(canvas, (0, 0, cw, ch), BLUE) == marker_blue, "no blue off the walker")
    return failures


def main():
    program = os.path.abspath(sys.argv[1])
    server, display = start_xvfb()
    with tempfile.TemporaryDirectory() as runtime:
        os.chmod(runtime, 0o700)
        env = {k: v for k, v in os.environ.items()
               if k not in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "QT_SCALE_FACTOR")}
        env.update(DISPLAY=display, XDG_RUNTIME_DIR=runtime)
        app = subprocess.Popen([program], env=env)
        try:
            window = wait_for("the main window", lambda: find_window(display))
            title = tool(display, "xprop", "-id", window, "_NET_WM_NAME").decode("utf-8")
            caption = re.search(r'= "(.*)"', title).group(1)
            print(f"caption: {caption!r}")
            if not caption.startswith(CAPTION_START):
                sys.exit("FAIL: the caption does not begin with ' Lurchfield' and U+3000")
            info = tool(display, "xwininfo", "-id", window).decode()
            size = tuple(int(re.search(rf"{k}: (\d+)", info).group(1)) for k in ("Width", "Height"))
            if size != CLIENT_SIZE:
                sys.exit(f"FAIL: client area {size}, expected {CLIENT_SIZE}")
            # The first frames may still be on their way: look until the plane is drawn.
            rows = wait_for("the plane to be drawn",
                            lambda: (r := capture(display, window))
                            and count(r, CANVAS, WHITE) > 400 and r)
            failures = check(rows)
            failures += exit_through_the_message(display, window, app)
        finally:
            app.terminate()
            app.wait(timeout=TIMEOUT)
            server.terminate()
            server.wait(timeout=TIMEOUT)
    finish(failures)


if __name__ == "__main__":
    main()
