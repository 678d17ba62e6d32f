#!/usr/bin/env python3
"""Clicks "Help" in the real program and listens to the chime it plays.

A PulseAudio server of this test's own plays into a null sink whose monitor
parec records. The program runs on an Xvfb server of its own, in a working
directory holding a pinpon.wav made with sox: a loud two-tone chime with no
fade, so a cut end shows. The recording, silence trimmed at both ends, must
last as long as the chime within 30 ms.

Then the program runs again with no sound server: a click on "Help" may cost
one line on stderr at most, and the program must live on.

Usage: soundcheck.py PATH/TO/lurchfield
"""

import os
import signal
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from realwindow import find_window, start_xvfb, tool, wait_for  # noqa: E402
from checks import finish  # noqa: E402

HELP_BUTTON = ("556", "12")  # the middle of "Help", in client pixels
TOLERANCE = 0.030            # seconds
RECORDING_RATE = 88200       # bytes per second: 16-bit mono at 44.1 kHz
AFTER_CHIME = 2.0            # seconds to go on recording after the chime's length


def run(*args, **kwargs):
    return subprocess.run(args, check=True, capture_output=True, text=True, timeout=30, **kwargs)


def make_chime(path):
    folder = os.path.dirname(path)
    pin, pon = os.path.join(folder, "pin.wav"), os.path.join(folder, "pon.wav")
    run("sox", "-n", "-r", "44100", "-c", "1", "-b", "16", pin, "synth", "0.3", "sine", "1319",
        "vol", "0.7")
    run("sox", "-n", "-r", "44100", "-c", "1", "-b", "16", pon, "synth", "0.5", "sine", "1047",
        "vol", "0.7")
    run("sox", pin, pon, path)
    os.remove(pin)
    os.remove(pon)


def sounding(path):
    """How long the file sounds, silence below 1% trimmed at both ends."""
    trimmed = path + ".trimmed.wav"
    run("sox", path, trimmed, "silence", "1", "0.001", "1%", "reverse",
        "silence", "1", "0.001", "1%", "reverse")
    return float(run("soxi", "-D", trimmed).stdout)


class Program:
    """The program on a display, with its stderr lines kept as they come."""

    def __init__(self, path, display, cwd, env):
        self.lines = []
        self.process = subprocess.Popen([path], cwd=cwd, env=dict(env, DISPLAY=display),
                                        stderr=subprocess.PIPE, text=True)
        threading.Thread(target=self._read, daemon=True).start()
        self.window = wait_for("the main window", lambda: find_window(display))
        self.display = display

    def _read(self):
        for line in self.process.stderr:
            self.lines.append(line.rstrip("\n"))

    def click_help(self):
        """Clicks "Help" and returns how many stderr lines came before."""
        before = len(self.lines)
        tool(self.display, "xdotool", "mousemove", "--window", self.window, *HELP_BUTTON,
             "click", "1")
        return before

    def stop(self):
        self.process.terminate()
        self.process.wait(timeout=10)


def start_pulseaudio(env):
    server_env = {k: v for k, v in env.items() if k != "PULSE_SERVER"}
    server = subprocess.Popen(
        ["pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "-n",
         "--load=module-native-protocol-unix", "--load=module-null-sink sink_name=null"],
        env=server_env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_for("the sound server", lambda: subprocess.run(
        ["pactl", "info"], env=env, capture_output=True).returncode == 0)
    return server


def with_server(program, folder, env):
    """Returns the failures of the chime played through a sound server."""
    runtime = os.path.join(folder, "runtime")
    os.mkdir(runtime, 0o700)
    env = dict(env, XDG_RUNTIME_DIR=runtime,
               PULSE_SERVER="unix:" + os.path.join(runtime, "pulse", "native"))
    chime = os.path.join(folder, "pinpon.wav")
    make_chime(chime)
    length = sounding(chime)
    recording = os.path.join(folder, "recording.wav")
    server = start_pulseaudio(env)
    helpers = []
    xvfb = app = None
    try:
        # The null sink runs only while something plays into it; a silent
        # stream keeps it running, so the monitor has no gaps to lose.
        with open("/dev/zero", "rb") as zeros:
            helpers.append(subprocess.Popen(["pacat", "--latency-msec=20"], env=env, stdin=zeros))
        parec = subprocess.Popen(["parec", "--device=null.monitor", "--latency-msec=20",
                                  "--file-format=wav", "--rate=44100", "--channels=1",
                                  "--format=s16le", recording], env=env)
        helpers.append(parec)
        # A new null sink first sleeps for up to two seconds before it renders.
        wait_for("the recording to run", lambda: os.path.exists(recording)
                 and os.path.getsize(recording) > 44 + 0.2 * RECORDING_RATE)
        xvfb, display = start_xvfb()
        app = Program(program, display, folder, env)
        time.sleep(1.0)  # the first frames and the event loop settle
        app.click_help()
        time.sleep(length + AFTER_CHIME)
        parec.send_signal(signal.SIGINT)  # SIGTERM would leave the header unwritten
        parec.wait(timeout=10)
        alive = app.process.poll() is None
    finally:
        for process in [app.process if app else None, *reversed(helpers), xvfb, server]:
            if process and process.poll() is None:
                process.terminate()
                process.wait(timeout=10)

    heard = sounding(recording)
    difference = heard - length
    print(f"chime file sounds {length * 1000:.1f} ms, recording sounds {heard * 1000:.1f} ms, "
          f"difference {difference * 1000:+.1f} ms (allowed ±{TOLERANCE * 1000:.0f} ms)")
    for line in app.lines:
        print(f"  program stderr: {line}")
    failures = []
    if heard == 0:
        failures.append("nothing was heard after the click on Help")
    elif abs(difference) > TOLERANCE:
        failures.append(f"the chime was heard for {heard:.3f} s instead of {length:.3f} s")
    if not alive:
        failures.append("the program ended during the chime")
    return failures


def without_server(program, folder, env):
    """Returns the failures of a click on Help with no sound server to play to."""
    runtime = os.path.join(folder, "runtime-silent")
    os.mkdir(runtime, 0o700)
    env = dict(env, XDG_RUNTIME_DIR=runtime, PULSE_SERVER="unix:/nonexistent/pulse/native")
    xvfb, display = start_xvfb()
    app = None
    try:
        app = Program(program, display, folder, env)
        time.sleep(1.0)
        before = app.click_help()
        time.sleep(1.5)
        alive = app.process.poll() is None
    finally:
        if app:
            app.stop()
        xvfb.terminate()
        xvfb.wait(timeout=10)
    after = app.lines[before:]
    print(f"without a sound server, a click on Help wrote {len(after)} line(s) to stderr:")
    for line in after:
        print(f"  {line}")
    failures = []
    if len(after) > 1:
        failures.append(f"{len(after)} lines on stderr for one chime with no sound server")
    if not alive:
        failures.append("the program ended with no sound server")
    return failures


def main():
    program = os.path.abspath(sys.argv[1])
    env = {k: v for k, v in os.environ.items()
           if k not in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "QT_SCALE_FACTOR")}
    with tempfile.TemporaryDirectory() as folder:
        # The server and its clients keep their cookie here, not in the real home.
        env["HOME"] = folder
        failures = with_server(program, folder, env)
        failures += without_server(program, folder, env)
    for failure in failures:
        print("FAIL " + failure)
    finish(failures)


if __name__ == "__main__":
    main()
