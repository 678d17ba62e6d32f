"""Orca itself against the real program: what it says, read from its debug
log, while the main window is used from the keyboard."""

import math
import os
import re
import subprocess
import time


class Speech:
    """The lines Orca speaks, read from its log as it writes them."""

    def __init__(self, log, limit):
        self.log = open(log, "w+", encoding="utf-8", errors="replace")
        self.end = time.monotonic() + limit  # no wait goes past it
        self.pending = ""  # a line not yet ended
        self.lines = []
        self.heard = 0  # lines already matched

    def wait(self, pattern, timeout=12):
        """The first match of pattern in a line spoken after the last match."""
        deadline = min(time.monotonic() + timeout, self.end)
        while True:
            done, _, self.pending = (self.pending + self.log.read()).rpartition("\n")
            self.lines += re.findall(r"SPEECH OUTPUT: '(.*?)' ?(?:\{|$)", done, re.M)
            for n in range(self.heard, len(self.lines)):
                if found := re.fullmatch(pattern, self.lines[n]):
                    self.heard = n + 1
                    return found
            if time.monotonic() > deadline:
                return None
            time.sleep(0.05)


def check_orca(fx):
    home = fx.folder()  # Orca's and its speech server's files
    socket = home + "/speechd.sock"
    env = dict(fx.env, HOME=home, SPEECHD_ADDRESS="unix_socket:" + socket)
    with open(home + "/speechd.conf", "w") as conf:
        conf.write('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n'
                   'AudioOutputMethod "alsa"\nAudioALSADevice "null"\n')
    # Orca runs this at start; otherwise it writes its log a block at a time.
    with open(home + "/orca-customizations.py", "w") as custom:
        custom.write("from orca import debug\ndebug.debugFile.reconfigure(line_buffering=True)\n")
    speech = Speech(home + "/orca.log", 45)
    # Each started in a process group of its own, which the fixture ends with
    # whatever it spawned (the speech server's output module among them).
    fx.launch("-s", "-t", "0", "-C", home, "-S", socket, program="speech-dispatcher", env=env,
              stderr=subprocess.DEVNULL)
    while not os.path.exists(socket) and time.monotonic() < speech.end:
        time.sleep(0.05)
    fx.launch("-u", home, "-d", "braille", "--debug-file=" + home + "/orca.log", program="orca",
              env=env)
    fx.expect(speech.wait("Screen reader on.", 20), "Orca starts (not beside another Orca)")
    fx.launch(env=dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    fx.x("xdotool", "windowfocus", "--sync", fx.window(" Lurchfield"))

    def hears(keys, *lines):
        """Presses the keys, then waits for Orca to say the lines in this order."""
        for key in keys.split():
            fx.x("xdotool", "key", key)
        for line in lines:
            fx.expect(speech.wait(line), f"{keys or 'focus'}: Orca says {line!r}")

    hears("", " Lurchfield\u3000.*", "Coordinate plane image.", "Walker at x 0, y 0.")
    hears("Tab", "Exit push button.")
    hears("Tab", "Plane movement.", "selected radio button")
    hears("Tab", "Experiment Start push button.")
    hears("Tab", "Help push button.")
    hears("Tab", "Coordinate plane image.")
    hears("Tab Tab Tab space")  # "Experiment Start"
    trial = speech.wait(r"Trial 1: x (-?\d+), y (-?\d+), distance (\d*\.\d)\. Average (.*)\.",
                        15)
    if fx.expect(trial, "Orca announces trial 1"):
        x, y, distance, average = trial.groups()
        shown = f"{math.hypot(int(x), int(y)):.1f}".removeprefix("0")
        fx.expect(abs(int(x)) + abs(int(y)) <= 30 and distance == shown == average,
                  f"its distance and average fit its x and y: {trial.group(0)!r}")
    hears("Tab Tab", "Experiment Stop push button.")  # the focus stayed on the plane
    hears("space", "Experiment stopped.")
    hears("Tab Tab", "Init push button.")
    hears("space", "Plane movement.", "Cleared.")
    hears("Down", "Linear movement.", "selected radio button")  # Tab stops on one only
    print("Orca said:\n  " + "\n  ".join(speech.lines))
