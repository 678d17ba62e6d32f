# SPDX-License-Identifier: GPL-3.0-or-later
"""Orca itself against the real program: what it says, read from its debug
log, while the main window is used from the keyboard."""

import math
import os
import re
import subprocess
import time

from catalogues import speaking, translation


class Speech:
    """The lines Orca speaks, read from its log as it writes them, with when each was read."""

    def __init__(self, log, limit):
        self.log = open(log, "w+", encoding="utf-8", errors="replace")
        self.end = time.monotonic() + limit  # no wait goes past it
        self.pending = ""  # a line not yet ended
        self.lines = []  # (when read, line)
        self.heard = 0  # where the last match ended, in the lines joined by newlines

    def wait(self, pattern, timeout=12):
        """The first match of pattern after the last match, and when its line was read. Orca 43
        says a control's name and role in lines of their own, Orca 48 in one: a pattern may span
        lines."""
        deadline = min(time.monotonic() + timeout, self.end)
        while True:
            done, _, self.pending = (self.pending + self.log.read()).rpartition("\n")
            self.lines += [(time.monotonic(), line) for line in
                           re.findall(r"SPEECH OUTPUT: '(.*?)' ?(?:\{|$)", done, re.M)]
            said = "\n".join(line for _, line in self.lines)
            if found := re.compile(pattern).search(said, self.heard):
                self.heard = found.end()
                return found, self.lines[said.count("\n", 0, found.start())][0]
            if time.monotonic() > deadline:
                return None, None
            time.sleep(0.05)


def isolated():
    """Orca refuses to start beside another Orca of the same user. In a PID namespace of its
    own it sees none: root makes one, a user through a user namespace (but not in a chroot).
    Returns the command to start Orca with, or None and the other Orcas where that fails."""
    unshare = ["unshare", "--pid", "--kill-child", "--mount-proc", *(["-c"] if os.geteuid() else [])]
    if subprocess.run([*unshare, "true"], capture_output=True).returncode == 0:
        return [*unshare, "orca"], []
    others = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            if os.stat(f"/proc/{pid}").st_uid == os.getuid() and open(f"/proc/{pid}/comm").read() == "orca\n":
                others.append(pid + " " + open(f"/proc/{pid}/cmdline").read().replace("\0", " "))
        except OSError:  # gone meanwhile
            pass
    return (None if others else ["orca"]), others


def start(fx, check, **locale):
    """Orca and its speech server, in that locale; returns what it speaks and the environment to
    start the program in, or None where Orca cannot start."""
    orca, others = isolated()
    if not orca:
        print(f"SKIP {check}: Orca will not start beside " + "; ".join(others), flush=True)
        return None, None
    home = fx.folder()  # Orca's and its speech server's files
    socket = home + "/speechd.sock"
    env = dict(fx.env, HOME=home, SPEECHD_ADDRESS="unix_socket:" + socket, **locale)
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
    fx.launch(*orca[1:], "-u", home, "-d", "braille", "--debug-file=" + home + "/orca.log",
              program=orca[0], env=env)
    fx.expect(speech.wait(".", 20)[0], f"{check}: Orca starts")  # "Screen reader on." in English
    fx.launch(env=dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    fx.x("xdotool", "windowfocus", "--sync", fx.window(" Lurchfield"))
    return speech, env


def check_orca(fx):
    """Orca hears the controls as Tab reaches them, and each announcement: trial 1 within a
    second of its end, and no step while it walks."""
    speech, _ = start(fx, "orca")
    if not speech:
        return

    def hears(keys, *said):
        """Presses the keys, then waits for Orca to say these in this order."""
        for key in keys.split():
            fx.x("xdotool", "key", key)
        for what in said:
            fx.expect(speech.wait(what)[0], f"{keys or 'focus'}: Orca says {what!r}")

    button = r"{} (push )?button"  # "push button" until Orca 48
    hears("", " Lurchfield\u3000", "Coordinate plane image", "Walker at x 0, y 0")
    hears("Tab", button.format("Exit"))
    hears("Tab", r"Plane movement\.?\s+selected radio button")
    hears("Tab", button.format("Experiment Start"))
    hears("Tab", button.format("Help"))
    hears("Tab", "Coordinate plane image")
    hears("Tab Tab Tab space")  # "Experiment Start"
    pressed = time.monotonic()
    trial, said = speech.wait(r"Trial 1: x (-?\d+), y (-?\d+), distance (\d*\.\d)\. "
                              r"Average (\d*\.\d)\.", 15)
    if fx.expect(trial, "Orca announces trial 1"):
        x, y, distance, average = trial.groups()
        shown = f"{math.hypot(int(x), int(y)):.1f}".removeprefix("0")
        fx.expect(abs(int(x)) + abs(int(y)) <= 30 and distance == shown == average,
                  f"its distance and average fit its x and y: {trial.group(0)!r}")
        # The trial starts 4 s after the press, and is recorded 3.1 s later.
        fx.expect(said - pressed < 7.1 + 1,
                  f"within a second of its end, 7.1 s after the press: {said - pressed:.2f} s")
        walking = [line for when, line in speech.lines if pressed + 4 < when < said]
        fx.expect(not any("Walker at" in line for line in walking),
                  f"no step spoken while it walks: {walking}")
    hears("Tab Tab", button.format("Experiment Stop"))  # the focus stayed on the plane
    hears("space", "Experiment stopped")
    hears("Tab Tab", button.format("Init"))
    hears("space", "Plane movement", "Cleared")
    hears("Down", r"Linear movement\.?\s+selected radio button")  # Tab stops on one only
    print("Orca said:\n  " + "\n  ".join(line for _, line in speech.lines))


def check_orca_de(fx):
    """Orca in German, with the program in German: what it says comes from the catalogue."""
    speech, _ = start(fx, "orca_de", **speaking("de"))
    if not speech:
        return
    said = lambda context, text: translation(fx.source, "de", context, text)  # noqa: E731
    fx.expect(speech.wait(re.escape(said("MainWindow", "Coordinate plane")))[0],
              "orca_de: Orca names the plane in German")
    for key in "Tab Tab Tab space".split():  # "Experiment Start", past Exit and the mode
        fx.x("xdotool", "key", key)
    announced = re.escape(said("Experiment", "Trial %1: x %2, y %3, distance %4. Average %5."))
    announced = re.sub(r"%\d", r"-?\\d*,?\\d+", announced)
    trial, _ = speech.wait(announced, 15)
    fx.expect(trial, f"orca_de: Orca announces the first trial in German: {trial and trial.group(0)!r}")
    print("Orca said:\n  " + "\n  ".join(line for _, line in speech.lines))
