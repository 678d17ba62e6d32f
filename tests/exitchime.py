#!/usr/bin/env python3
"""Ends the program while its Exit chime still plays.

A PulseAudio server of this test's own takes the chime, a long tone, so the
sound is still open on the server when the exit message is answered and the
program ends. It must end with code 0 and nothing on stderr: in a build with
the leak checker, any sound object left behind would be reported there.

Usage: exitchime.py PATH/TO/lurchfield
"""

import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from realwindow import EXIT_BUTTON, TIMEOUT, find_window, start_xvfb, tool, wait_for  # noqa: E402
from soundcheck import run, start_pulseaudio  # noqa: E402

CHIME_SECONDS = 5


def playing(env):
    """Whether a stream plays into the server."""
    return subprocess.run(["pactl", "list", "short", "sink-inputs"], env=env, capture_output=True,
                          text=True, timeout=10).stdout.strip() != ""


def main():
    program = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory() as folder:
        runtime = os.path.join(folder, "runtime")
        os.mkdir(runtime, 0o700)
        env = {k: v for k, v in os.environ.items()
               if k not in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "QT_SCALE_FACTOR")}
        env.update(HOME=folder, XDG_RUNTIME_DIR=runtime,
                   PULSE_SERVER="unix:" + os.path.join(runtime, "pulse", "native"))
        run("sox", "-n", "-r", "44100", "-c", "1", "-b", "16",
            os.path.join(folder, "endpinpon.wav"), "synth", str(CHIME_SECONDS), "sine", "880",
            "vol", "0.5")
        server = start_pulseaudio(env)
        xvfb, display = start_xvfb()
        app = None
        with tempfile.TemporaryFile("w+") as errors:
            try:
                app = subprocess.Popen([program], cwd=folder, env=dict(env, DISPLAY=display),
                                       stderr=errors)
                window = wait_for("the main window", lambda: find_window(display))
                time.sleep(1.0)  # the first frames and the event loop settle
                tool(display, "xdotool", "mousemove", "--window", window, *EXIT_BUTTON,
                     "click", "1")
                box = wait_for("the exit message", lambda: find_window(display, 'Lurchfield"'))
                wait_for("the chime to play", lambda: playing(env))
                tool(display, "xdotool", "windowfocus", "--sync", box, "key", "Return")
                code = app.wait(timeout=TIMEOUT)
            finally:
                if app and app.poll() is None:
                    app.terminate()
                    app.wait(timeout=10)
                for process in (xvfb, server):
                    process.terminate()
                    process.wait(timeout=10)
            errors.seek(0)
            lines = errors.read().splitlines()
    print(f"the program ended with code {code} during its chime")
    for line in lines:
        print(f"  program stderr: {line}")
    failures = []
    if code != 0:
        failures.append(f"exit code {code}")
    if lines:
        failures.append(f"{len(lines)} line(s) on stderr")
    if failures:
        sys.exit("FAIL: " + ", ".join(failures))
    print("all checks passed")


if __name__ == "__main__":
    main()
