#!/usr/bin/python3
"""Works Lurchfield the way a screen reader does, through AT-SPI.

The program runs on an Xvfb server and a D-Bus session of its own, with Qt's
accessibility switched on, and is read and driven from outside the process
with pyatspi: every command through its accessible action, every reading
through accessible names and descriptions.

Needs Debian's python3-pyatspi, at-spi2-core and dbus-daemon (for
dbus-run-session), run by /usr/bin/python3.

Usage: atspi.py PATH/TO/lurchfield
"""

import ctypes
import math
import os
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from realwindow import start_xvfb  # noqa: E402

TIMEOUT = 20.0      # for any one thing to happen
SESSION_LIMIT = 100  # for the whole session on the bus
MAIN_TITLE = " Lurchfield\u3000"
HELP_TITLE = " Lurchfield\uff3fHelp"
PLANE = "Coordinate plane"
HISTOGRAM = "Histogram of the distance from the origin"
HELP_LINES = 26
PR_SET_CHILD_SUBREAPER = 36


# ---------------------------------------------------------------- outside the bus

def children_of(pid):
    """Processes whose parent is pid, read from /proc."""
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        if int(fields[1]) == pid:
            found.append(int(entry))
    return found


def end_all_descendants():
    """Kills and reaps whatever is left below this process. As a subreaper it
    inherits what the bus started (the accessibility bus and its registry)."""
    for _ in range(50):
        left = children_of(os.getpid())
        if not left:
            return
        for pid in left:
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        for pid in left:
            try:
                os.waitpid(pid, 0)
            except ChildProcessError:
                pass


def outside(program):
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
    server, display = start_xvfb()
    env = {k: v for k, v in os.environ.items()
           if not k.startswith(("DBUS_", "AT_SPI_", "QT_QPA_"))}
    env.update(DISPLAY=display, LC_ALL="C.UTF-8")
    session = None
    try:
        session = subprocess.Popen(["dbus-run-session", "--", sys.executable, __file__,
                                    "--inside", program], env=env, start_new_session=True)
        try:
            return session.wait(timeout=SESSION_LIMIT)
        except subprocess.TimeoutExpired:
            print(f"FAIL: the session took longer than {SESSION_LIMIT} s")
            return 1
    finally:
        if session and session.poll() is None:
            os.killpg(session.pid, signal.SIGKILL)
            session.wait()
        server.kill()
        server.wait()
        end_all_descendants()


# ---------------------------------------------------------------- on the bus

def inside(program):
    import pyatspi
    from gi.repository import Atspi, GLib

    failures = []
    context = GLib.MainContext.default()

    def expect(ok, what):
        print(("ok   " if ok else "FAIL ") + what)
        if not ok:
            failures.append(what)
        return ok

    def wait_for(what, probe):
        """Polls probe, delivering AT-SPI events meanwhile, until it gives a value."""
        deadline = time.monotonic() + TIMEOUT
        while time.monotonic() < deadline:
            result = probe()
            if result:
                return result
            end = time.monotonic() + 0.1
            while time.monotonic() < end:
                if not context.iteration(False):
                    time.sleep(0.01)
        raise RuntimeError(f"gave up after {TIMEOUT:.0f} s waiting for {what}")

    def enabled(accessible):
        return accessible.getState().contains(pyatspi.STATE_ENABLED)

    def act(accessible, action):
        """Does the named action of an accessible, as a screen reader's user would."""
        actions = accessible.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        if action not in names:
            raise RuntimeError(f"'{accessible.name}' offers {names}, not {action}")
        actions.doAction(names.index(action))

    def windows(app):
        return [w for w in app if w is not None]

    def window_named(app, start):
        return next((w for w in windows(app) if w.name.startswith(start)), None)

    def child(window, role, name=None, description=None):
        for c in window:
            if c is None or c.getRoleName() != role:
                continue
            if name is not None and c.name != name:
                continue
            if description is not None and c.description != description:
                continue
            return c
        raise RuntimeError(f"no {role} named {name!r} described {description!r}")

    def distance_bins(trials):
        """Trial counts of the distance ranges k*sqrt2 <= d < (k+1)*sqrt2, k = 0..14."""
        bins = {}
        for x, y in trials:
            k = math.isqrt((x * x + y * y) // 2)  # 2k^2 <= x^2 + y^2 < 2(k+1)^2
            if k <= 14:
                bins[k] = bins.get(k, 0) + 1
        return bins

    def close(app, window, title):
        caption = window.name  # a closed window's accessible answers no more
        act(child(window, "push button", "Close"), "Press")
        wait_for(f"the {title} window to close",
                 lambda: all(w.name != caption for w in windows(app)))
        expect(True, f"'Close' closes the {title} window")

    # Changes of the plane's description as AT-SPI announced them. Qt 6.4
    # sends the object rather than the new text; a screen reader reads it anew.
    heard = []

    def on_description(event):
        if event.source is not None and event.source.name == PLANE:
            heard.append(event.source)

    listener = Atspi.EventListener.new(on_description)
    listener.register("object:property-change:accessible-description")

    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    with tempfile.TemporaryDirectory() as empty:  # no chime files: silent commands
        app_process = subprocess.Popen([program], env=env, cwd=empty)
        try:
            app = wait_for("the program on the accessibility bus", lambda: next(
                (a for a in pyatspi.Registry.getDesktop(0)
                 if a is not None and a.get_process_id() == app_process.pid), None))
            Atspi.Accessible.set_cache_mask(app, Atspi.Cache.NONE)  # read what is there now
            main = wait_for("the main window", lambda: window_named(app, MAIN_TITLE))
            expect(True, "the main window is on the accessibility tree")

            buttons = {c.name: c for c in main
                       if c is not None and c.getRoleName() in ("push button", "radio button")}
            plane = child(main, "image", PLANE)
            readout = {d: child(main, "label", description=d)
                       for d in ("Walker's x coordinate", "Walker's y coordinate", "Trial number")}
            expect(plane.description == "Walker at x 0, y 0",
                   f"the plane says where the walker starts: {plane.description!r}")

            # Help, and its text.
            act(buttons["Help"], "Press")
            help_window = wait_for("the help window", lambda: window_named(app, HELP_TITLE))
            lines = child(help_window, "label", "Help text").description.split("\n")
            expect(len(lines) == HELP_LINES and lines[0] == ""
                   and lines[1] == "\u3000\u3010Question\u3011"
                   and lines[25].endswith("the position where the drunk person staggers 30 times.)"),
                   f"the help text reads as its {HELP_LINES} lines ({len(lines)} read)")
            close(app, help_window, "help")

            # The movement options.
            for option in ("Linear movement", "Plane movement"):
                act(buttons[option], "Toggle")
                wait_for(f"'{option}' to be selected",
                         lambda: buttons[option].getState().contains(pyatspi.STATE_CHECKED))
                expect(True, f"'{option}' is selected through its action")

            # One trial, then stopped: the plane tells where the trial ended.
            act(buttons["Experiment Start"], "Press")
            distance = lambda t: child(main, "label", description=f"Trial {t}, distance")
            wait_for("the first trial's results", lambda: distance(1).name)
            act(buttons["Experiment Stop"], "Press")
            wait_for("the experiment to stop", lambda: enabled(buttons["Experiment Start"]))
            trial = int(readout["Trial number"].name)
            wait_for(f"trial {trial} to be recorded", lambda: distance(trial).name)
            x = child(main, "label", description=f"Trial {trial}, x coordinate").name
            y = child(main, "label", description=f"Trial {trial}, y coordinate").name
            said = f"Walker at x {x}, y {y}"
            expect(plane.description == said,
                   f"after trial {trial} the plane says {plane.description!r}, its column {said!r}")
            expect((readout["Walker's x coordinate"].name, readout["Walker's y coordinate"].name)
                   == (x, y), "the x and y read-outs agree with the plane")
            # At least 14 of a trial's 30 steps move the walker: no wall is nearer.
            wait_for("the plane's announcements", lambda: len(heard) >= 14)
            expect(True, f"the plane announced the walker's moves ({len(heard)} times)")

            # The distance histogram of what was recorded.
            recorded = []
            for t in range(1, trial + 1):
                cells = [child(main, "label", description=f"Trial {t}, {row} coordinate").name
                         for row in ("x", "y")]
                recorded.append((int(cells[0]), int(cells[1])))
            act(buttons["Graph display"], "Press")
            graph = wait_for("the distance histogram", lambda: next(
                (w for w in windows(app) if any(c is not None and c.name == HISTOGRAM for c in w)),
                None))
            bars = child(graph, "image", HISTOGRAM).description
            counted = {}
            for bar in bars.split("; ") if bars != "No trials counted" else []:
                words = bar.split()  # distance a to b: n trial(s)
                counted[round(float(words[1]) / math.sqrt(2))] = int(words[4])
            expect(counted == distance_bins(recorded),
                   f"the histogram lists the recorded trials' ranges: {bars!r}")
            close(app, graph, "histogram")

            # Init clears the results and puts the walker back.
            wait_for("'Init' to be offered", lambda: enabled(buttons["Init"]))
            act(buttons["Init"], "Press")
            wait_for("the results to clear", lambda: not distance(1).name)
            expect(plane.description == "Walker at x 0, y 0",
                   f"after Init the plane says {plane.description!r}")

            # Exit, answered through the message's own button.
            act(buttons["Exit"], "Press")
            box = wait_for("the exit message", lambda: next(
                (w for w in windows(app) if w.name == "Lurchfield"), None))
            ok = pyatspi.findDescendant(
                box, lambda a: a.getRoleName() == "push button" and a.name == "OK")
            if ok is None:
                raise RuntimeError("the exit message has no 'OK' button")
            act(ok, "Press")
            code = app_process.wait(timeout=TIMEOUT)
            expect(code == 0, f"answering OK ends the program with code {code}")
        except (RuntimeError, subprocess.TimeoutExpired, GLib.Error) as error:
            expect(False, str(error))
        finally:
            listener.deregister("object:property-change:accessible-description")
            if app_process.poll() is None:
                app_process.kill()
                app_process.wait()

    print("FAIL" if failures else "PASS")
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--inside":
        sys.exit(inside(sys.argv[2]))
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(outside(os.path.abspath(sys.argv[1])))
