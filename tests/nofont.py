#!/usr/bin/env python3
"""Runs the program on a system with no Japanese font and looks at it.

Fontconfig is given a configuration of this test's own that knows one
directory of Latin fonts only, so the Gothic face the program asks for falls
back to whatever that directory offers. The program must start, show its
window with the plane and the labels drawn, and end with code 0 through
"Exit".

Usage: nofont.py PATH/TO/lurchfield
"""

import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from realwindow import (CANVAS, GREEN, LABEL70, WHITE, capture, count, count_dark,  # noqa: E402
                        exit_through_the_message, find_window, start_xvfb, tool, wait_for)
from checks import finish  # noqa: E402

# Latin fonts fontconfig itself pulls in on Debian, first choice first.
FONT_DIRS = ["/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/truetype/liberation",
             "/usr/share/fonts/truetype/liberation2", "/usr/share/fonts/truetype/croscore"]
EXIT_CAPTION = (8, 6, 40, 14)  # inside "Exit", where its caption is drawn

FONTS_CONF = """<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>{fonts}</dir>
  <cachedir>{cache}</cachedir>
</fontconfig>
"""


def fc_list(env, pattern):
    """The files of the fonts fontconfig finds for pattern."""
    return subprocess.run(["fc-list", pattern, "file"], env=env, capture_output=True,
                          text=True, check=True, timeout=60).stdout.splitlines()


def main():
    program = os.path.abspath(sys.argv[1])
    fonts = next((d for d in FONT_DIRS if os.path.isdir(d)), None)
    if not fonts:
        sys.exit(f"FAIL: none of {FONT_DIRS} exists")
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        conf = os.path.join(folder, "fonts.conf")
        with open(conf, "w", encoding="utf-8") as out:
            out.write(FONTS_CONF.format(fonts=fonts, cache=os.path.join(folder, "cache")))
        runtime = os.path.join(folder, "runtime")
        os.mkdir(runtime, 0o700)
        env = {k: v for k, v in os.environ.items()
               if k not in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "QT_SCALE_FACTOR")}
        env.update(FONTCONFIG_FILE=conf, XDG_RUNTIME_DIR=runtime)
        known, japanese = fc_list(env, ":"), fc_list(env, ":lang=ja")
        print(f"fontconfig knows {len(known)} font(s) from {fonts}, {len(japanese)} for Japanese")
        if not known or japanese:
            sys.exit("FAIL: the generated fontconfig setup is not Latin fonts only")

        server, display = start_xvfb()
        env["DISPLAY"] = display
        app = subprocess.Popen([program], cwd=folder, env=env, stderr=subprocess.PIPE, text=True)
        try:
            window = wait_for("the main window", lambda: find_window(display))
            wait_for("the window to be mapped",
                     lambda: b"IsViewable" in tool(display, "xwininfo", "-id", window))
            rows = wait_for("the plane to be drawn", lambda: (r := capture(display, window))
                            and count(r, CANVAS, WHITE) > 400 and r)
            print("ok   the window shows with the plane drawn")
            lx, ly, lw, lh = LABEL70
            area = (lw - 4) * (lh - 4)
            green = count(rows, (lx + 2, ly + 2, lw - 4, lh - 4), GREEN)
            x, y, w, h = EXIT_CAPTION
            exit_text = count_dark([row[x:x + w] for row in rows[y:y + h]])
            for ok, what in [(0.6 * area < green < area - 50,
                              f"the title label carries its caption ({area - green} of {area} "
                              "pixels not green)"),
                             (exit_text > 10, f"the Exit button carries its caption "
                                              f"({exit_text} dark pixels)")]:
                print(("ok   " if ok else "FAIL ") + what)
                if not ok:
                    failures.append(what)
            failures += exit_through_the_message(display, window, app)
        finally:
            if app.poll() is None:
                app.terminate()
            errors = app.communicate(timeout=20)[1]
            server.terminate()
            server.wait(timeout=20)
    for line in errors.splitlines():
        print(f"  program stderr: {line}")
    finish(failures)


if __name__ == "__main__":
    main()
