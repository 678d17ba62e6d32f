#!/usr/bin/env python3
"""Runs Lurchfield at QT_SCALE_FACTOR 1 and 2 and checks that twice the size stays sharp.

At factor 2 everything doubles, but nothing is an enlarged blur: the walker
is the factor-1 walker with each pixel a 2x2 block, the axes stay one device
pixel thin in pure white, and text is drawn at the device's resolution, with
detail a pixel-doubled picture cannot have. The window icon is offered at
32, 64, 128 and 256 pixels, each larger one a block enlargement of the 32.

Usage: scale.py PATH/TO/lurchfield PATH/TO/DESKTOP_ENTRY
"""

import configparser
import os
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from realwindow import (CANVAS, CLIENT_SIZE, LABEL70, MARKER, TIMEOUT, WHITE,  # noqa: E402
                        capture, count, find_window, tool, wait_for)
from checks import expect, finish  # noqa: E402

SCREEN = "2048x1600x24"            # room for the doubled window at its doubled place
AXIS_ROW, AXIS_COLUMN = 111, 131   # plane y = 20 and x = 18, in canvas pixels at factor 1
TITLE = (LABEL70[0] + 2, LABEL70[1] + 2, LABEL70[2] - 4, LABEL70[3] - 4)  # inside the border
MINUS_TEN = (45, 117, 40, 23)      # "-10" printed at plane (7, 22), in canvas pixels
ICON_SIZES = (32, 64, 128, 256)

def start_xvfb():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN,
                               "-nolisten", "tcp"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        sys.exit("FAIL: Xvfb did not start")
    return server, ":" + number


def region(rows, rect, factor=1):
    x, y, w, h = (v * factor for v in rect)
    return [row[x:x + w] for row in rows[y:y + h]]


def icons(display, window):
    """The _NET_WM_ICON images, in order, as (width, height, rows of 0xAARRGGBB)."""
    said = tool(display, "xprop", "-id", window, "-len", "100000000", "-notype",
                "-f", "_NET_WM_ICON", "32c", "=$0+\n", "_NET_WM_ICON").decode()
    values = [int(v) for v in re.findall(r"\d+", said.partition("=")[2])]
    found = []
    while len(values) >= 2:
        width, height = values[:2]
        pixels = values[2:2 + width * height]
        found.append((width, height, [pixels[y * width:(y + 1) * width] for y in range(height)]))
        values = values[2 + width * height:]
    return found


def run_at(display, program, runtime, factor):
    """Starts the program at a scale factor; returns its window's capture, size, icons and class."""
    env = {k: v for k, v in os.environ.items()
           if k not in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "QT_SCREEN_SCALE_FACTORS",
                        "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI")}
    env.update(DISPLAY=display, XDG_RUNTIME_DIR=runtime, QT_SCALE_FACTOR=str(factor))
    app = subprocess.Popen([program], env=env)
    try:
        window = wait_for(f"the main window at factor {factor}", lambda: find_window(display))
        info = tool(display, "xwininfo", "-id", window).decode()
        size = tuple(int(re.search(rf"{k}: (\d+)", info).group(1)) for k in ("Width", "Height"))
        rows = wait_for(f"the plane to be drawn at factor {factor}",
                        lambda: (r := capture(display, window)) and len(r) == size[1]
                        and count(r, tuple(v * factor for v in CANVAS), WHITE) > 400 * factor and r)
        wm_class = re.findall(r'"([^"]*)"', tool(display, "xprop", "-id", window, "WM_CLASS").decode())
        return rows, size, icons(display, window), wm_class
    finally:
        app.terminate()
        app.wait(timeout=TIMEOUT)


def axis_thickness(canvas, factor, across):
    """How many lines (rows for the x axis, columns for the y axis) near the axis are
    white off the walker, and whether that band holds only pure white and pure black."""
    mx, my, _, mh = (v * factor for v in MARKER)
    if across:
        # Left of the walker only: the "ｘ" is printed near the right end.
        centre, lines, span = AXIS_ROW * factor, canvas, range(mx)
    else:
        centre, lines = AXIS_COLUMN * factor, [list(col) for col in zip(*canvas)]
        span = [i for i in range(len(lines[0])) if not my <= i < my + mh]
    band = [[lines[n][i] for i in span] for n in range(centre - 3, centre + 4)]
    white = sum(1 for line in band if line.count(WHITE) == len(line))
    pure = all(v in (0, WHITE) for line in band for v in line)
    return white, pure


def non_uniform_blocks(rows):
    """2x2 blocks on even coordinates that are not one colour: a pixel-doubled image has none."""
    return sum(1 for y in range(0, len(rows) - 1, 2) for x in range(0, len(rows[0]) - 1, 2)
               if len({rows[y][x], rows[y][x + 1], rows[y + 1][x], rows[y + 1][x + 1]}) > 1)


def check(one, two, desktop_class):
    rows1, size1, icons1, class1 = one
    rows2, size2, icons2, class2 = two
    expect(size1 == CLIENT_SIZE, f"factor 1: the window is {size1}")
    expect(size2 == (2 * size1[0], 2 * size1[1]), f"factor 2: the window is twice the size ({size2})")

    canvas1, canvas2 = region(rows1, CANVAS), region(rows2, CANVAS, 2)
    walker1, walker2 = region(canvas1, MARKER), region(canvas2, MARKER, 2)
    doubled = [[row[x // 2] for x in range(2 * len(row))] for row in walker1 for _ in (0, 1)]
    wrong = sum(a != b for r2, rd in zip(walker2, doubled) for a, b in zip(r2, rd))
    expect(len({v for row in walker1 for v in row}) >= 5, "factor 1: the walker is drawn")
    expect(wrong == 0, f"factor 2: the walker is the factor-1 walker in 2x2 blocks ({wrong} pixels differ)")
    strange = {v for row in walker2 for v in row} - {v for row in walker1 for v in row}
    expect(not strange, f"factor 2: the walker has no colours of its own ({len(strange)} new)")

    for factor, canvas in ((1, canvas1), (2, canvas2)):
        for name, across in (("x", True), ("y", False)):
            white, pure = axis_thickness(canvas, factor, across)
            expect(white == 1 and pure,
                   f"factor {factor}: the {name} axis is one device pixel of pure white on black "
                   f"({white} white lines, {'only' if pure else 'not only'} black and white)")

    for name, text1, text2 in (
            ("title label", region(rows1, TITLE), region(rows2, TITLE, 2)),
            ('"-10" on the plane', region(canvas1, MINUS_TEN), region(canvas2, MINUS_TEN, 2))):
        pixels = [v for row in text1 for v in row]
        inked = len(pixels) - max(pixels.count(v) for v in set(pixels))
        fine = non_uniform_blocks(text2)
        expect(inked > 10, f"factor 1: the {name} carries text ({inked} pixels)")
        expect(fine > inked // 2,
               f"factor 2: the {name}'s text is drawn at device resolution "
               f"({fine} mixed 2x2 blocks, {inked} inked pixels at factor 1)")

    # Qt asks the icon for each size in device pixels; none may come back smoothed.
    expect(sorted(w for w, _, _ in icons1) == list(ICON_SIZES),
           f"factor 1: the window icon comes at {ICON_SIZES} ({[w for w, _, _ in icons1]})")
    small = next((rows for w, _, rows in icons1 if w == 32), [[0]])
    expect(len({v for row in small for v in row}) >= 5, "factor 1: the 32-pixel icon is drawn")
    for factor, offered in ((1, icons1), (2, icons2)):
        for width, height, rows in offered:
            f = width // 32
            same = (width == height and width in ICON_SIZES
                    and rows == [[small[y // f][x // f] for x in range(width)] for y in range(width)])
            expect(same, f"factor {factor}: the {width}x{height} icon is the 32 in {f}x{f} blocks")

    expect(class1 == class2 and class1[-1:] == [desktop_class],
           f"the window class {class1} is the desktop entry's StartupWMClass {desktop_class!r}")


def main():
    program, desktop_file = map(os.path.abspath, sys.argv[1:3])
    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str
    entry.read(desktop_file, encoding="utf-8")
    server, display = start_xvfb()
    try:
        with tempfile.TemporaryDirectory() as runtime:
            os.chmod(runtime, 0o700)
            one = run_at(display, program, runtime, 1)
            two = run_at(display, program, runtime, 2)
        check(one, two, entry["Desktop Entry"].get("StartupWMClass"))
    finally:
        server.terminate()
        server.wait(timeout=TIMEOUT)
    finish()


if __name__ == "__main__":
    main()
