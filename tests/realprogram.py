#!/usr/bin/python3
"""Checks the built program for real, on one Xvfb, one PulseAudio server with a null sink
and one D-Bus session with the AT-SPI bus, which pyatspi under /usr/bin/python3 reads.
Usage: realprogram.py BUILD_DIR SOURCE_DIR [CHECK ...]   (all checks if none is named)
"""

import contextlib
import copy
import math
import os
import re
import signal
import subprocess
import sys
import tempfile
import time
import traceback
import wave
from array import array

MAIN, HELP, MESSAGE = " Lurchfield\u3000", " Lurchfield\uff3fHelp", "Lurchfield"  # captions
TITLE = (218, 2, 197, 21)  # inside the green title's border, in client pixels
CANVAS = (194, 354, 261, 221)  # the plane inside its border
WALKER = (303, 437, 41, 42)  # the walker at the origin
X_AXIS, Y_AXIS = 465, 325  # the row and the column the axes run along
MINUS_TEN, EXIT_CAPTION = (239, 471, 40, 23), (8, 6, 40, 14)
EXIT, HELP_BUTTON = ("28", "12"), ("556", "12")  # the middles of the buttons
GREEN, WHITE, BLUE, RED = 0x00FF00, 0xFFFFFF, 0x0000FF, 0xFF0000
RATE = 44100  # samples per second of the chimes and the recording, mono 16-bit


def end(processes):
    """Ends each process with whatever it started: each leads a process group of its own."""
    for stop in (signal.SIGTERM, signal.SIGKILL):
        for process in processes:
            with contextlib.suppress(ProcessLookupError):
                os.killpg(process.pid, stop)
        for process in processes:
            with contextlib.suppress(subprocess.TimeoutExpired):
                process.wait(timeout=10)


class Fixture:
    def __init__(self, build, source):
        self.build, self.source, self.program = build, source, os.path.join(build, "lurchfield")
        self.processes, self.failures = [], []
        self.scratch = tempfile.TemporaryDirectory(prefix="realprogram.")  # removed at exit
        self.empty = self.folder()  # no chime files: the program stays silent there
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("QT_", "WAYLAND_", "DBUS_", "AT_SPI_", "PULSE_"))}
        self.env.update(XDG_RUNTIME_DIR=self.folder(), HOME=self.scratch.name, LC_ALL="C.UTF-8")

    def start(self):
        self.display = self.env["DISPLAY"] = self.xvfb("1280x1024x24")
        bus = self.launch("--session", "--nofork", "--print-address", program="dbus-daemon",
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        self.launch("--daemonize=no", "--exit-idle-time=-1", "-n", "--load=module-null-sink "
                    "sink_name=null", "--load=module-native-protocol-unix", program="pulseaudio",
                    stderr=subprocess.DEVNULL)
        self.env["PULSE_SERVER"] = f"unix:{self.env['XDG_RUNTIME_DIR']}/pulse/native"
        self.wait(lambda: self.x("pactl", "info"), "the sound server")

    def folder(self):
        return tempfile.mkdtemp(dir=self.scratch.name)  # private, mode 0700

    def xvfb(self, screen):
        """Starts an X server of one screen, with no window manager; returns its ":N"."""
        read, write = os.pipe()
        self.launch("-displayfd", str(write), "-screen", "0", screen, "-nolisten", "tcp",
                    program="Xvfb", pass_fds=(write,), stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as pipe:
            return ":" + pipe.readline().strip()  # written once it takes clients

    def on_display(self, screen):
        """This fixture on an X server of its own with the screen given."""
        other = copy.copy(self)  # the same lists: what it starts ends with the check
        other.display = self.xvfb(screen)
        other.env = dict(self.env, DISPLAY=other.display)
        return other

    def launch(self, *args, cwd=None, env=None, program=None, **popen):
        """Starts the program, or another; it is ended when the check that started it ends."""
        self.processes.append(subprocess.Popen(
            [program or self.program, *args], cwd=cwd or self.empty,
            env=dict(self.env, **(env or {})), start_new_session=True, **popen))
        return self.processes[-1]

    def x(self, *args):
        return subprocess.run(args, env=self.env, capture_output=True, check=True,
                              timeout=20).stdout

    def wait(self, probe, what, timeout=20):
        """Polls probe until it gives a true value; a tool refusing meanwhile is tried again."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            with contextlib.suppress(subprocess.CalledProcessError):
                if result := probe():
                    return result
            time.sleep(0.1)
        raise RuntimeError(f"gave up after {timeout} s waiting for {what}")

    def viewable(self, window):
        return b"Map State: IsViewable" in self.x("xwininfo", "-id", window)

    def window(self, caption_prefix, timeout=20):
        pattern = re.compile(rf'^\s*(0x[0-9a-f]+) "{re.escape(caption_prefix)}', re.M)
        tree = lambda: self.x("xwininfo", "-root", "-children").decode()  # noqa: E731
        return self.wait(lambda: next((w for w in pattern.findall(tree()) if self.viewable(w)),
                                      None), f"a window {caption_prefix!r}", timeout)

    def capture(self, window):
        """The window's pixels as rows of 0xRRGGBB, from xwd once the window is viewable."""
        data = self.wait(lambda: self.viewable(window) and self.x("xwd", "-id", window, "-silent"),
                         f"a capture of {window}")
        head = array("I", data[:100])
        head.byteswap()  # big-endian; Xvfb's 32-bit pixels come in this machine's order
        pixels, width, stride = array("I", data[head[0] + 12 * head[19]:]), head[4], head[12] // 4
        return [[p & 0xFFFFFF for p in pixels[y * stride:y * stride + width]]
                for y in range(head[5])]

    def expect(self, ok, what):
        print(("ok   " if ok else "FAIL ") + what, flush=True)
        self.failures += [] if ok else [what]
        return ok


def region(rows, rect, factor=1):
    x, y, w, h = (v * factor for v in rect)
    return [row[x:x + w] for row in rows[y:y + h]]


def count(rows, colour):
    return sum(row.count(colour) for row in rows)


def dark(rows):
    return sum((p >> 16) + (p >> 8 & 255) + (p & 255) < 200 for row in rows for p in row)


def ready(fx, factor=1, **launch):
    """Starts the program and waits for its plane to be drawn; returns process, window, pixels."""
    app = fx.launch(**launch)
    main = fx.window(MAIN)
    rows = fx.wait(lambda: (r := fx.capture(main)) and count(region(r, CANVAS, factor), WHITE)
                   > 400 * factor and r, "the plane to be drawn")
    return app, main, rows


def click(fx, window, where):
    fx.x("xdotool", "mousemove", "--window", window, *where, "click", "1")


def look(fx, name, **launch):
    """The main window as a person sees it; "Exit" then costs one line on stderr at most, its
    message shows no icon, and Return answers it and ends the program with 0."""
    with open(os.path.join(fx.folder(), "stderr"), "w+") as log:
        app, main, rows = ready(fx, stderr=log, **launch)
        green, inked = count(region(rows, TITLE), GREEN), dark(region(rows, EXIT_CAPTION))
        fx.expect(0.6 * 197 * 21 < green < 197 * 21 - 50 and inked > 10, f"{name}: the title is "
                  f'green ({green} pixels) with its caption, "Exit" has its ({inked} dark pixels)')
        canvas, walker = region(rows, CANVAS), region(rows, WALKER)
        axes = rows[X_AXIS][194:303] + rows[X_AXIS][344:455]
        axes += [r[Y_AXIS] for r in rows[354:437] + rows[479:575]]
        fx.expect(count(canvas, 0) > 0.9 * 261 * 221 and set(axes) == {WHITE},
                  f"{name}: the plane is black with white axes")
        blue, red = count(walker, BLUE), count(walker, RED)
        fx.expect(blue > 50 and red > 50 and count(canvas, BLUE) == blue,
                  f"{name}: the walker stands at the origin ({blue} blue, {red} red pixels)")
        before = len(open(log.name).readlines())
        click(fx, main, EXIT)
        box = fx.window(MESSAGE)
        rows = fx.wait(lambda: (r := fx.capture(box)) and dark(r) > 20 and r, "the message")
        # Greys, black text and the default button's blue; a style's icons bring warm tints.
        tints = [(p >> 16, p >> 8 & 255, p & 255) for row in rows for p in row]
        warm = sum(max(r, g) > b and max(r, g) - min(r, g, b) > 12 for r, g, b in tints)
        fx.expect(warm == 0, f"{name}: the exit message shows no icon ({warm} warm pixels)")
        fx.x("xdotool", "windowfocus", "--sync", box, "key", "Return")
        code = app.wait(timeout=20)
    said = open(log.name).readlines()[before:]
    fx.expect(code == 0 and len(said) <= 1, f"{name}: Return ends the program with {code}; "
              f"after the click on Exit, stderr says {said}")


def write_chime(folder, name, tones):
    """Loud (frequency, seconds) tones with no fade, so a cut end shows; returns the samples."""
    samples = array("h", (int(23000 * math.sin(2 * math.pi * f * i / RATE))
                          for f, seconds in tones for i in range(int(seconds * RATE))))
    with wave.open(os.path.join(folder, name), "wb") as out:
        out.setparams((1, 2, RATE, 0, "NONE", None))
        out.writeframes(samples)
    return samples


def sounding(samples):
    """Seconds from the first to the last sample above 1% of full scale."""
    loud = [i for i, v in enumerate(samples) if abs(v) > 328]
    return (loud[-1] - loud[0]) / RATE if loud else 0


def check_window(fx):
    look(fx, "window")


def check_bare(fx):
    """With no Japanese font and no sound server, the Gothic face falls back, everything is
    drawn, and a chime costs one line on stderr at most."""
    folder = fx.folder()
    write_chime(folder, "endpinpon.wav", [(880, 0.3)])
    with open(os.path.join(folder, "fonts.conf"), "w") as conf:
        conf.write("<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir></fontconfig>")
    env = {"FONTCONFIG_FILE": conf.name, "PULSE_SERVER": "unix:/none"}
    japanese = subprocess.run(["fc-list", ":lang=ja"], env=dict(fx.env, **env),
                              capture_output=True, check=True).stdout
    fx.expect(not japanese, "bare: fontconfig knows no Japanese font")
    look(fx, "bare", cwd=folder, env=env)


def check_chime(fx):
    """The Help chime, recorded from the null sink's monitor, lasts as long as its file; then
    "Exit" during its own chime ends cleanly: a sound left open would show in a leak report."""
    folder = fx.folder()
    length = sounding(write_chime(folder, "pinpon.wav", [(1319, 0.3), (1047, 0.5)]))
    write_chime(folder, "endpinpon.wav", [(880, 5)])
    recording = os.path.join(folder, "recording")
    gapless = fx.launch("--latency-msec=20", "/dev/zero", program="pacat")  # keeps the sink on
    parec = fx.launch("--device=null.monitor", "--latency-msec=20", f"--rate={RATE}",
                      "--channels=1", "--format=s16le", recording, program="parec")
    # A new null sink sleeps for up to two seconds before it renders.
    fx.wait(lambda: os.path.isfile(recording) and os.path.getsize(recording) > 0.4 * RATE,
            "the recording to run")
    with open(os.path.join(folder, "stderr"), "w+") as log:
        app, main, _ = ready(fx, cwd=folder, stderr=log)
        click(fx, main, HELP_BUTTON)
        time.sleep(length + 2)
        end([parec, gapless])
        heard = sounding(array("h", open(recording, "rb").read()))
        fx.expect(abs(heard - length) <= 0.030, f"chime: Help plays {heard * 1000:.0f} ms of "
                  f"its {length * 1000:.0f}-ms chime (±30)")
        click(fx, main, EXIT)
        box = fx.window(MESSAGE)
        fx.wait(lambda: fx.x("pactl", "list", "short", "sink-inputs"), "the Exit chime")
        fx.x("xdotool", "windowfocus", "--sync", box, "key", "Return")
        code = app.wait(timeout=20)
    said = open(log.name).read()
    fx.expect(code == 0 and not said, f"chime: Exit ends it with {code}, on stderr {said!r}")


def icon(fx, size, pixbuf=None):
    """A picture as 0xAARRGGBB, by default icon.xpm with every pixel a square block."""
    import gi

    gi.require_version("GdkPixbuf", "2.0")
    from gi.repository import GdkPixbuf

    if pixbuf is None:
        xpm = GdkPixbuf.Pixbuf.new_from_file(os.path.join(fx.source, "resources", "icon.xpm"))
        pixbuf = xpm.scale_simple(size, size, GdkPixbuf.InterpType.NEAREST)
    data = pixbuf.add_alpha(False, 0, 0, 0).get_pixels()
    return [int.from_bytes(data[i + 3:i + 4] + data[i:i + 3], "big") for i in range(0, len(data), 4)]


def differing(rows, small):
    """How many pixels differ from the small picture with every pixel made a 2x2 block."""
    blocks = [[p for p in row for _ in (0, 1)] for row in small for _ in (0, 1)]
    return sum(p != q for row, block in zip(rows, blocks) for p, q in zip(row, block))


def check_scale(fx):
    """At QT_SCALE_FACTOR 2 everything doubles and stays sharp."""
    big = fx.on_display("2048x1600x24")  # room for the doubled window at its doubled place
    entry = open(os.path.join(fx.source, "resources", "org.lurchfield.lurchfield.desktop")).read()
    seen = []
    for f in (1, 2):
        app, main, rows = ready(big, f, env={"QT_SCALE_FACTOR": str(f)})
        said = big.x("xprop", "-id", main, "-notype", "-len", "9999999", "-f", "_NET_WM_ICON",
                     "32c", "=$0+\n", "_NET_WM_ICON", "WM_CLASS").decode().split("=")
        fx.expect(re.findall(r'"(\w+)"', said[2])[-1:] == re.findall(r"StartupWMClass=(.*)", entry),
                  f"scale {f}: the window class is the desktop entry's StartupWMClass")
        values, sizes = [int(v) for v in re.findall(r"\d+", said[1])], []
        while values:  # width, height, pixels: Qt draws each size in device pixels
            sizes.append(values[0])
            fx.expect(values[2:2 + values[0] ** 2] == icon(fx, values[0]),
                      f"scale {f}: the {values[0]}-pixel window icon is icon.xpm in blocks")
            values = values[2 + values[0] * values[1]:]
        fx.expect(f == 2 or sorted(sizes) == [32, 64, 128, 256], f"scale {f}: icons {sizes}")
        (cx, cy, _, ch), (wx, wy, _, wh) = [[v * f for v in r] for r in (CANVAS, WALKER)]
        bands = [[rows[n][cx:wx] for n in range(X_AXIS * f - 3, X_AXIS * f + 4)],
                 [[r[n] for r in rows[cy:wy] + rows[wy + wh:cy + ch]]
                  for n in range(Y_AXIS * f - 3, Y_AXIS * f + 4)]]
        white = [sum(set(line) == {WHITE} for line in band) for band in bands]
        pure = {p for band in bands for line in band for p in line} == {0, WHITE}
        fx.expect(white == [1, 1] and pure, f"scale {f}: the axes are one device pixel of pure "
                  f"white on black ({white} white lines)")
        seen.append(rows)
        end([app])
    sizes = [(len(rows[0]), len(rows)) for rows in seen]
    fx.expect(sizes == [(642, 623), (1284, 1246)], f"scale: the client area is {sizes}")
    walker = region(seen[0], WALKER)
    fx.expect(len({p for row in walker for p in row}) >= 5 and differing(
        region(seen[1], WALKER, 2), walker) == 0, "scale 2: the walker is drawn in 2x2 blocks")
    for name, rect, least in (("the title", TITLE, 500), ('"-10"', MINUS_TEN, 50)):
        sharp = differing(region(seen[1], rect, 2), region(seen[0], rect))
        fx.expect(sharp > least, f"scale 2: {name} is drawn at device resolution, not in "
                  f"blocks ({sharp} pixels differ)")


def check_atspi(fx):
    """Works the program from outside, as a screen reader does, through AT-SPI."""
    os.environ.update(fx.env)  # pyatspi finds this run's buses
    import pyatspi
    from gi.repository import Atspi, GLib

    def wait(probe, what):
        def delivering():  # AT-SPI events come through GLib's main context
            while GLib.MainContext.default().iteration(False):
                pass
            return probe()

        return fx.wait(delivering, what)

    def press(accessible):
        actions = accessible.queryAction()
        actions.doAction([actions.getName(i) for i in range(actions.nActions)].index("Press"))

    def window(start):
        return wait(lambda: next((w for w in app if w and w.name.startswith(start)), None), start)

    heard = []  # Qt 6.4 announces the object rather than its new description
    listener = Atspi.EventListener.new(lambda e: e.source and heard.append(e.source.name))
    listener.register("object:property-change:accessible-description")
    process = fx.launch(env={"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
    app = wait(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                             if a and a.get_process_id() == process.pid), None), "the program")
    Atspi.Accessible.set_cache_mask(app, Atspi.Cache.NONE)  # read what is there now
    main = window(MAIN)
    control, cell = {c.name: c for c in main if c}, {c.description: c for c in main if c}
    plane = control["Coordinate plane"]
    fx.expect(plane.description == "Walker at x 0, y 0", f"atspi: the plane reads {plane.description!r}")
    press(control["Help"])
    text = pyatspi.findDescendant(window(HELP), lambda a: a.name == "Help text").description
    fx.expect(text.count("\n") == 25 and "\u3000\u3010Question\u3011\n" in text,
              f"atspi: the help text reads as its 26 lines ({text.count(chr(10)) + 1})")
    press(control["Experiment Start"])
    wait(lambda: cell["Trial 1, distance"].name, "the first trial's results")
    press(control["Experiment Stop"])
    wait(lambda: control["Experiment Start"].getState().contains(pyatspi.STATE_ENABLED), "a stop")
    trial = int(cell["Trial number"].name)
    wait(lambda: cell[f"Trial {trial}, distance"].name, f"trial {trial} to be recorded")
    ends = [[cell[f"Trial {t}, {c} coordinate"].name for c in "xy"] for t in range(1, trial + 1)]
    said = plane.description, [cell[f"Walker's {c} coordinate"].name for c in "xy"]
    fx.expect(said == ("Walker at x {}, y {}".format(*ends[-1]), ends[-1]),
              f"atspi: the plane and the read-outs say where trial {trial} ended: {said}")
    wait(lambda: heard.count("Coordinate plane") >= 14, "the plane's moves announced")
    press(control["Graph display"])
    others = lambda: (c for w in app if w and not w.name.startswith(MAIN) for c in w if c)  # noqa
    bars = wait(lambda: next((c for c in others() if c.name == "Histogram of the distance from "
                              "the origin"), None), "the distance histogram").description
    counted = {round(float(bar.split()[1]) / math.sqrt(2)): int(bar.split()[4])
               for bar in bars.split("; ") if bar != "No trials counted"}
    ranges = [math.isqrt((int(x) ** 2 + int(y) ** 2) // 2) for x, y in ends]  # k√2 <= d < (k+1)√2
    fx.expect(counted == {k: ranges.count(k) for k in ranges if k <= 14},
              f"atspi: the histogram lists the recorded trials' distances: {bars!r}")
    press(control["Exit"])
    press(pyatspi.findDescendant(window(MESSAGE), lambda a: a.name == "OK"))
    code = process.wait(timeout=20)
    fx.expect(code == 0, f"atspi: OK on the exit message ends the program with {code}")
    listener.deregister("object:property-change:accessible-description")


def check_install(fx):
    """Installed into a fresh prefix, it lands like a desktop application, under one name."""
    header = open(os.path.join(fx.source, "resources", "desktopid.h")).read()
    app = re.search(r'desktopId = QStringLiteral\("([^"]+)"\)', header)[1]
    fx.expect(re.fullmatch(r"[a-z][a-z0-9]*(\.[a-z][a-z0-9_]*){2,}", app), f"install: id {app}")
    prefix = fx.folder()
    subprocess.run(["cmake", "--install", fx.build, "--prefix", prefix], check=True,
                   stdout=subprocess.DEVNULL)
    icons = {n: f"share/icons/hicolor/{n}x{n}/apps/{app}.png" for n in (32, 64, 128, 256)}
    desktop, meta = f"share/applications/{app}.desktop", f"share/metainfo/{app}.metainfo.xml"
    found = {os.path.relpath(os.path.join(d, f), prefix) for d, _, fs in os.walk(prefix) for f in fs}
    fx.expect(found == {"bin/lurchfield", desktop, meta, *icons.values()} and os.access(
        os.path.join(prefix, "bin/lurchfield"), os.X_OK), f"install: lays out {sorted(found)}")
    entry, info = (open(os.path.join(prefix, path)).read() for path in (desktop, meta))
    fields = dict(re.findall(r"^(\w+)=(.*)$", entry, re.M))
    fx.expect([fields.get(k) for k in ("Name", "Icon", "Exec")] == ["Lurchfield", app, "lurchfield"]
              and {"Education", "Math"} <= set(fields.get("Categories", "").split(";")),
              "install: the desktop entry names Lurchfield, its icon, program and categories")
    fx.expect(all(part in info for part in ('<component type="desktop-application">',
                                            f"<id>{app}</id>", f">{app}.desktop</launchable>"))
              and re.findall(r'<release version="([^"]*)"', info) == ["1.0"],
              "install: the metainfo describes the application, its entry and release 1.0")
    for tool in (["desktop-file-validate", desktop],
                 ["appstreamcli", "validate", "--no-net", "--pedantic", meta]):
        run = subprocess.run(tool, cwd=prefix, capture_output=True, text=True)
        remarks = [line for line in (run.stdout + run.stderr).splitlines()
                   if tool[0] != "appstreamcli" or re.match(r"[EWIP]: ", line)]
        fx.expect(run.returncode == 0 and not remarks, f"install: {tool[0]} says {remarks}")
    from gi.repository import GdkPixbuf

    for n, path in icons.items():
        installed = GdkPixbuf.Pixbuf.new_from_file(os.path.join(prefix, path))
        fx.expect(icon(fx, n, installed) == icon(fx, n), f"install: the {n}-pixel icon is "
                  "icon.xpm in blocks")


CHECKS = [check_window, check_bare, check_chime, check_scale, check_atspi, check_install]


def main():
    build, source, *names = sys.argv[1:]
    chosen = [c for c in CHECKS if not names or c.__name__[6:] in names]
    if len(chosen) != len(names or CHECKS):
        sys.exit(f"unknown check in {names}; there are {[c.__name__[6:] for c in CHECKS]}")
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))  # teardown still runs
    fx = Fixture(os.path.abspath(build), os.path.abspath(source))
    try:
        fx.start()
        for check in chosen:
            print(f"-- {check.__name__}", flush=True)
            started = len(fx.processes)
            try:
                check(fx)
            except Exception as error:
                traceback.print_exc()
                fx.expect(False, f"{check.__name__} stopped: {error}")
            end(fx.processes[started:])  # no window is left for the next check to find
            del fx.processes[started:]
    finally:
        end(fx.processes[::-1])
    sys.exit(f"FAIL: {len(fx.failures)} check(s) failed" if fx.failures else None)


if __name__ == "__main__":
    main()
