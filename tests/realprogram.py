#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Usage: realprogram.py BUILD_DIR SOURCE_DIR [CHECK ...]: the built program, checked for real."""

import contextlib
import glob
import math
import os
import re
import signal
import subprocess
import sys
import tempfile
import time
import wave
import zipfile
from array import array
from xml.etree import ElementTree

import layout
from catalogues import LANGUAGES, LOCALES, speaking, translation

MAIN, MESSAGE = " Lurchfield\u3000", "Lurchfield"  # how the captions begin
# In client pixels: title and plane inside their borders, walker, "Exit" caption, axes.
TITLE, CANVAS = layout.inside(layout.TITLE), layout.inside(layout.PLANE)
WALKER = (303, 437, 41, 42)  # at the origin, (15, 15) of the plane's 36 x 40
EXIT_CAPTION, X_AXIS, Y_AXIS = (8, 6, 40, 14), 465, 325
EXIT, HELP_BUTTON = layout.centre(layout.EXIT), layout.centre(layout.HELP)
GREEN, WHITE, BLUE, RATE = 0x00FF00, 0xFFFFFF, 0x0000FF, 44100  # RATE: of the mono chimes


def end(processes):  # each with whatever it started: each leads a process group of its own
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
                    if not k.startswith(("QT_", "WAYLAND_", "DBUS_", "AT_SPI_", "PULSE_", "LANG", "LC_"))}
        self.env.update(XDG_RUNTIME_DIR=self.folder(), HOME=self.scratch.name, LC_ALL="C.UTF-8")
        # Qt 6.8's FFmpeg backend looks for video hardware as it loads, and on these X servers,
        # with none, libvdpau says so on stderr itself; Qt's knobs for that keep it quiet.
        self.env.update({f"QT_FFMPEG_{use}_HW_DEVICE_TYPES": "," for use in ("DECODING", "ENCODING")})

    def start(self):
        self.display = self.env["DISPLAY"] = self.xvfb("1280x1024x24")
        bus = self.launch("--session", "--nofork", "--print-address", program="dbus-daemon",
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        self.launch("-n", "--log-level=0", "--exit-idle-time=-1", "--load=module-null-sink"
                    " sink_name=null", "--load=module-native-protocol-unix", program="pulseaudio")
        self.env["PULSE_SERVER"] = f"unix:{self.env['XDG_RUNTIME_DIR']}/pulse/native"
        self.wait(lambda: self.x("pactl", "info"), "the sound server")

    def folder(self):
        return tempfile.mkdtemp(dir=self.scratch.name)  # private, mode 0700

    def xvfb(self, screen):  # with no window manager; returns its ":N" once it takes clients
        taken = open("/proc/net/unix").read()  # other servers' sockets, whatever their locks say
        number = next(n for n in range(os.getpid() % 900 + 100, 2000) if f"/X{n}\n" not in taken)
        # -noreset: a server resetting as one program leaves may refuse the next one.
        server = self.launch(f":{number}", "-displayfd", "1", "-screen", "0", screen, "-noreset",
                             program="Xvfb", stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        return ":" + server.stdout.readline().decode().strip()

    def on_display(self, screen):  # this fixture, with the same lists, on an X server of its own
        other, display = object.__new__(Fixture), self.xvfb(screen)
        other.__dict__ = dict(vars(self), display=display, env=dict(self.env, DISPLAY=display))
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

    def window(self, caption_prefix, timeout=20):  # once it is mapped and viewable
        pattern = re.compile(rf'^\s*(0x[0-9a-f]+) "{re.escape(caption_prefix)}', re.M)
        tree = lambda: self.x("xwininfo", "-root", "-children").decode()  # noqa: E731
        viewable = lambda w: b"IsViewable" in self.x("xwininfo", "-id", w)  # noqa: E731
        return self.wait(lambda: next(filter(viewable, pattern.findall(tree())), None),
                         f"a window {caption_prefix!r}", timeout)

    def capture(self, window):
        """The window's pixels as rows of 0xRRGGBB; xwd refuses a window not viewable (yet)."""
        data = self.wait(lambda: self.x("xwd", "-id", window, "-silent"), f"a capture of {window}")
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


def ready(fx, factor=1, **launch):  # the program started, its window, and its plane drawn
    app = fx.launch(**launch)
    main = fx.window(MAIN)
    rows = fx.wait(lambda: (r := fx.capture(main)) and count(region(r, CANVAS, factor), WHITE)
                   > 400 * factor and r, "the plane to be drawn")
    return app, main, rows


def look(fx, name, caption=" Lurchfield\u3000A random walk", **launch):
    """Checks the main window, its caption begun so, then "Exit"; returns the capture."""
    with open(os.path.join(fx.folder(), "stderr"), "w+") as log:
        app, main, shot = ready(fx, stderr=log, **launch)
        title = fx.x("xprop", "-id", main, "-notype", "_NET_WM_NAME").decode()
        fx.expect(title.startswith(f'_NET_WM_NAME = "{caption}'), f"{name}: the caption: {title!r}")
        green, inked = count(region(shot, TITLE), GREEN), dark(region(shot, EXIT_CAPTION))
        fx.expect(0.6 * 197 * 21 < green < 197 * 21 - 50 and inked > 10,
                  f"{name}: the title is green ({green} pixels); it and Exit carry captions")
        canvas, blue = region(shot, CANVAS), count(region(shot, WALKER), BLUE)
        axes = shot[X_AXIS][194:303] + shot[X_AXIS][344:455]
        axes += [r[Y_AXIS] for r in shot[354:437] + shot[479:575]]
        fx.expect(count(canvas, 0) > 0.9 * 261 * 221 and set(axes) == {WHITE} and blue > 50 and
                  count(canvas, BLUE) == blue, f"{name}: black plane, white axes, walker at origin")
        before = len(open(log.name).readlines())
        fx.x("xdotool", "mousemove", "--window", main, *EXIT, "click", "1")
        box = fx.window(MESSAGE)
        rows = fx.wait(lambda: (r := fx.capture(box)) and dark(r) > 20 and r, "the message")
        # Above the button, greys and black text only: a style's icons are in colour.
        tints = [(p >> 16, p >> 8 & 255, p & 255) for row in rows[:len(rows) // 2] for p in row]
        coloured = sum(max(tint) - min(tint) > 12 for tint in tints)
        fx.expect(not coloured, f"{name}: the exit message shows no icon ({coloured} in colour)")
        fx.x("xdotool", "windowfocus", "--sync", box, "key", "Return")
        code = app.wait(timeout=20)
    said = open(log.name).readlines()[before:]
    fx.expect(code == 0 and len(said) <= 1, f"{name}: Return ends it with {code}; stderr: {said}")
    return shot


def picture(path, size=None):  # a picture file read by GdkPixbuf, as RGBA, scaled to size
    import gi

    gi.require_version("GdkPixbuf", "2.0")
    from gi.repository import GdkPixbuf

    pixbuf = GdkPixbuf.Pixbuf.new_from_file(path)
    if size:
        pixbuf = pixbuf.scale_simple(size, size, GdkPixbuf.InterpType.NEAREST)
    return pixbuf.add_alpha(False, 0, 0, 0)


def icon(fx, size, path=None):  # as 0xAARRGGBB; icon.xpm with each pixel a block by default
    px = picture(path or f"{fx.source}/resources/icon.xpm", size).get_pixels()
    return [int.from_bytes(px[i + 3:i + 4] + px[i:i + 3], "big") for i in range(0, len(px), 4)]


def differing(rows, small):  # pixels that differ from small with each pixel a 2x2 block
    blocks = [[p for p in row for _ in (0, 1)] for row in small for _ in (0, 1)]
    return sum(p != q for row, block in zip(rows, blocks) for p, q in zip(row, block))


def check_window(fx):
    """The main window as a person sees it; at QT_SCALE_FACTOR 2 it doubles and stays sharp."""
    big = fx.on_display("2048x1600x24")  # room for the doubled window at its doubled place
    one = look(big, "window")
    _, main, two = ready(big, 2, env={"QT_SCALE_FACTOR": "2"})
    said = big.x("xprop", "-id", main, "-notype", "-len", "9999999", "-f", "_NET_WM_ICON", "32c",
                 "=$0+\n", "_NET_WM_ICON").decode().split("=")
    values, icons = [int(v) for v in re.findall(r"\d+", said[1])], {}
    while values:  # width, height, pixels: Qt asks for each size in device pixels
        icons[values[0]] = values[2:2 + values[0] * values[1]]
        values = values[2 + values[0] * values[1]:]
    fx.expect({64, 128, 256} <= set(icons) and all(p == icon(fx, n) for n, p in icons.items()),
              f"scale 2: the window icon is icon.xpm in blocks at {sorted(icons)} pixels")
    band = [set(row[2 * CANVAS[0]:2 * WALKER[0]]) for row in two[2 * X_AXIS - 3:2 * X_AXIS + 4]]
    fx.expect(band.count({WHITE}) == 1 and set().union(*band) == {0, WHITE},
              "scale 2: the axes are one device pixel of pure white")
    sizes = [(len(rows[0]), len(rows)) for rows in (one, two)]
    fx.expect(sizes == [(642, 623), (1284, 1246)], f"scale 1 and 2: the client area is {sizes}")
    walker = region(one, WALKER)
    fx.expect(len({p for row in walker for p in row}) >= 5 and differing(
        region(two, WALKER, 2), walker) == 0, "scale 2: the walker is drawn in 2x2 blocks")
    sharp = differing(region(two, TITLE, 2), region(one, TITLE))  # the plane's are the axes
    fx.expect(sharp > 500, f"scale 2: the title's text is drawn at device resolution ({sharp})")


def write_chime(folder, name, tones):  # loud, with no fade, so that a cut end shows
    samples = array("h", (int(23000 * math.sin(2 * math.pi * f * i / RATE))
                          for f, seconds in tones for i in range(int(seconds * RATE))))
    with wave.open(os.path.join(folder, name), "wb") as out:
        out.setparams((1, 2, RATE, 0, "NONE", None))
        out.writeframes(samples)
    return samples


def sounding(samples):  # seconds from the first to the last sample above 1% of full scale
    loud = [i for i, v in enumerate(samples) if abs(v) > 328]
    return (loud[-1] - loud[0]) / RATE if loud else 0


def check_bare(fx):
    """With DejaVu fonts alone and no sound server, the window shows all the same."""
    folder = fx.folder()
    write_chime(folder, "endpinpon.wav", [(880, 0.3)])
    with open(os.path.join(folder, "fonts.conf"), "w") as conf:
        conf.write("<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir></fontconfig>")
    look(fx, "bare", cwd=folder, env={"FONTCONFIG_FILE": conf.name, "PULSE_SERVER": "unix:/no"})


def check_chime(fx):
    """Help's chime as long as its file; Exit during its chime leaves nothing to leak checks."""
    folder = fx.folder()
    length = sounding(write_chime(folder, "pinpon.wav", [(1319, 0.3), (1047, 0.5)]))
    write_chime(folder, "endpinpon.wav", [(880, 5)])
    recording = open(os.path.join(folder, "recording"), "w+b")
    gapless = fx.launch("--latency-msec=20", "/dev/zero", program="pacat")  # keeps the sink on
    parec = fx.launch("--device=null.monitor", "--latency-msec=20", f"--rate={RATE}",
                      "--channels=1", "--format=s16le", program="parec", stdout=recording)
    fx.wait(lambda: os.path.getsize(recording.name) > 0.4 * RATE, "a sink awake")  # takes 2 s
    with open(os.path.join(folder, "stderr"), "w+") as log:
        app, main, _ = ready(fx, cwd=folder, stderr=log)
        fx.x("xdotool", "mousemove", "--window", main, *HELP_BUTTON, "click", "1")
        time.sleep(length + 2)
        end([parec, gapless])
        heard = sounding(array("h", open(recording.name, "rb").read()))
        fx.expect(abs(heard - length) <= 0.030,
                  f"chime: Help sounds {heard * 1000:.0f} ms of {length * 1000:.0f} (±30)")
        fx.x("xdotool", "mousemove", "--window", main, *EXIT, "click", "1")
        box = fx.window(MESSAGE)
        fx.wait(lambda: fx.x("pactl", "list", "short", "sink-inputs"), "the Exit chime")
        fx.x("xdotool", "windowfocus", "--sync", box, "key", "Return")
        code = app.wait(timeout=20)
    said = open(log.name).read()
    fx.expect(code == 0 and not said, f"chime: Exit ends it with {code}; stderr: {said!r}")


def accessible(fx, process):
    """The process's application on the accessibility bus, read afresh at every look."""
    os.environ.update(fx.env)  # pyatspi finds this run's buses
    import pyatspi

    desktop = pyatspi.Registry.getDesktop(0)
    desktop.set_cache_mask(pyatspi.Atspi.Cache.NONE)  # a list kept would hear of programs late

    def found():
        if process.poll() is not None:
            raise RuntimeError(f"the program ended with {process.returncode} before it was there")
        return next((a for a in desktop if a and a.get_process_id() == process.pid), None)

    app = fx.wait(found, "the program on the accessibility bus")
    app.set_cache_mask(pyatspi.Atspi.Cache.NONE)  # read what is there now
    return app


def toplevel(fx, app, caption_prefix):  # its window once shown
    import pyatspi

    return fx.wait(lambda: next((w for w in app if w and w.name.startswith(caption_prefix) and
                                 w.getState().contains(pyatspi.STATE_SHOWING)), None),
                   f"a window {caption_prefix!r}")


def press(accessible):
    actions = accessible.queryAction()
    actions.doAction([actions.getName(i) for i in range(actions.nActions)].index("Press"))


def check_atspi(fx):
    """Works the program from outside, as a screen reader does, through AT-SPI."""
    process = fx.launch(env={"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
    app = accessible(fx, process)
    import pyatspi

    main = toplevel(fx, app, MAIN)
    control, cell = {c.name: c for c in main if c}, {c.description: c for c in main if c}
    plane = control["Coordinate plane"]
    press(control["Experiment Start"])
    seen, deadline = {}, time.monotonic() + 15  # when each trial's number, then its result, showed
    while "result 2" not in seen and time.monotonic() < deadline:
        now, n = time.monotonic(), cell["Trial number"].name
        seen.setdefault(f"start {n}", now)
        if n != "0" and cell[f"Trial {n}, distance"].name:
            seen.setdefault(f"result {n}", now)
        time.sleep(0.01)
    took = [seen.get(a, math.inf) - seen.get(b, 0) for a, b in
            (("result 1", "start 1"), ("result 2", "start 2"), ("start 2", "start 1"))]
    fx.expect(all(abs(t - want) <= 0.15 for t, want in zip(took, (3.1, 3.1, 4.0))),
              "atspi: on the real clock a trial is recorded 3.1 s after it starts, the next "
              f"starts 4.0 s after it (±0.15): {', '.join(f'{t:.3f}' for t in took)} s")
    press(control["Experiment Stop"])
    fx.wait(lambda: control["Experiment Start"].getState().contains(pyatspi.STATE_ENABLED), "Stop")
    trial = cell["Trial number"].name
    fx.wait(lambda: cell[f"Trial {trial}, distance"].name, f"trial {trial} to be recorded")
    x, y = (cell[f"Trial {trial}, {c} coordinate"].name for c in "xy")
    fx.expect(plane.description == f"Walker at x {x}, y {y}",
              f"atspi: the plane says where trial {trial} ended: {plane.description}")
    press(control["Exit"])
    press(fx.wait(lambda: pyatspi.findDescendant(app, lambda a: a.name == "OK"), "the message"))
    code = process.wait(timeout=20)
    fx.expect(code == 0, f"atspi: OK on the exit message ends the program with {code}")


def check_languages(fx):
    """Started in each language shipped, the program speaks it, laid out as in the C locale;
    in Spanish the exit message's button is Qt's own word for it."""
    designed = look(fx, "C")
    for language in LOCALES:
        credit = translation(fx.source, language, "Lurchfield", "A random walk for the mathematics class")
        shot = look(fx, language, f" Lurchfield\u3000{credit}", env=speaking(language))
        fx.expect(all(region(shot, r) == region(designed, r) for r in (TITLE, CANVAS)) and
                  region(shot, EXIT_CAPTION) != region(designed, EXIT_CAPTION),
                  f"{language}: title and plane as in C, Exit's caption another")
    process = fx.launch(env=speaking("es", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    app = accessible(fx, process)
    import pyatspi

    main = toplevel(fx, app, MAIN)
    press(next(c for c in main if c and c.name == translation(fx.source, "es", "MainWindow", "Exit")))
    press(fx.wait(lambda: pyatspi.findDescendant(app, lambda a: a.name == "Aceptar"), "Aceptar"))
    code = process.wait(timeout=20)
    fx.expect(code == 0, f"es: the exit message's Aceptar ends the program with {code}")


def check_spreadsheet(fx):
    """Results copied in German paste into LibreOffice Calc set to German as numbers."""
    process = fx.launch(env=speaking("de", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    app = accessible(fx, process)
    said = lambda context, text: translation(fx.source, "de", context, text)  # noqa: E731
    main = toplevel(fx, app, MAIN)
    control, cell = {c.name: c for c in main if c}, {c.description: c for c in main if c}
    press(control[said("MainWindow", "Experiment Start")])
    third = said("ResultsTable", "Trial %1, distance").replace("%1", "3")
    fx.wait(lambda: cell[third].name, "three trials", timeout=30)
    press(control[said("MainWindow", "Experiment Stop")])
    folder = fx.folder()
    with open(f"{folder}/results.csv", "wb") as results:
        fx.x("xdotool", "windowfocus", "--sync", fx.window(MAIN), "key", "ctrl+c")
        results.write(fx.wait(lambda: fx.x("xclip", "-o", "-selection", "clipboard"), "the copy"))
    # Tab-separated, quoted with ", UTF-8, from the first row, language German (1031).
    subprocess.run(["soffice", "--headless", "--infilter=CSV:9,34,76,1,,1031", "--convert-to", "ods",
                    "--outdir", folder, results.name], env=dict(fx.env, HOME=folder), check=True,
                   capture_output=True, timeout=180)
    with zipfile.ZipFile(f"{folder}/results.ods") as sheet:
        content = ElementTree.fromstring(sheet.read("content.xml"))
    office, table = (f"{{urn:oasis:names:tc:opendocument:xmlns:{n}:1.0}}" for n in ("office", "table"))
    read = sorted(float(c.get(office + "value")) for c in content.iter() if c.get(office + "value-type")
                  == "float" for _ in range(int(c.get(table + "number-columns-repeated", 1))))
    copied = sorted(float(field.replace(",", ".")) for field in re.split(r"[\t\n]", open(results.name).read())
                    if re.fullmatch(r"-?\d*[,.]\d|-?\d+", field))  # with either decimal separator
    fx.expect(len(copied) >= 13 and read == copied, f"spreadsheet: Calc set to German reads {len(read)} "
              f"of the {len(copied)} numbers copied in German as those numbers")


def desktop_id(fx):  # the name the program gives its desktop entry
    header = open(f"{fx.source}/resources/desktopid.h").read()
    return re.search(r'desktopId = QStringLiteral\("([^"]+)"\)', header)[1]


def check_install(fx):
    """Installed into a fresh prefix, it lands like a desktop application, under one name."""
    app, prefix = desktop_id(fx), fx.folder()
    fx.x("cmake", "--install", fx.build, "--prefix", prefix)
    icons = {n: f"share/icons/hicolor/{n}x{n}/apps/{app}.png" for n in (32, 64, 128, 256)}
    desktop, meta = f"share/applications/{app}.desktop", f"share/metainfo/{app}.metainfo.xml"
    found = {os.path.relpath(f"{d}/{f}", prefix) for d, _, files in os.walk(prefix) for f in files}
    data = {f"share/lurchfield/{name}.wav" for name in ("pinpon", "endpinpon")}
    data |= {f"share/lurchfield/translations/lurchfield_{language}.qm" for language in LANGUAGES}
    docs = {"share/man/man1/lurchfield.1.gz", *(f"share/doc/lurchfield/{f}" for f in ("copyright", "changelog.gz"))}
    module = {f for f in found if re.fullmatch(r"lib[^/]*(/[^/]+)?/lurchfield/sound\.so", f)}
    # AppStream 1.0 warns of the homepage Lurchfield lacks, which lintian is told of.
    old = " 0." in subprocess.run(["appstreamcli", "--version"], capture_output=True, text=True).stdout
    docs |= set() if old else {"share/lintian/overrides/lurchfield"}
    fx.expect(len(module) == 1 and found == {"bin/lurchfield", desktop, meta, *icons.values(), *data, *docs,
                                             *module}, f"install: {found}")
    entry = open(f"{prefix}/{desktop}").read().splitlines()
    fx.expect({"Name=Lurchfield", f"Icon={app}", "Exec=lurchfield"} <= set(entry),
              "install: the desktop entry names the application, its icon and its program")
    # The tree's validation also matches the metainfo's id and launchable against the files;
    # infos pass (each AppStream version knows one of the developer tags). Lurchfield has no
    # homepage, which AppStream 1.0 warns of unless told so, and 0.16 neither checks nor is told.
    homeless = [] if old else ["--override=url-homepage-missing=info"]
    appstream = ["appstreamcli", "validate-tree", "--pedantic", "--no-net", *homeless, "."]
    for tool, remark in (("desktop-file-validate", desktop), ".+"), (appstream, r"\s*[EW]: .*"):
        run = subprocess.run(tool, cwd=prefix, capture_output=True, text=True)
        remarks = [line for line in (run.stdout + run.stderr).splitlines() if re.fullmatch(remark, line)]
        fx.expect(run.returncode == 0 and not remarks, f"install: {tool[0]} says {remarks}")
    for n, path in icons.items():
        fx.expect(icon(fx, n, f"{prefix}/{path}") == icon(fx, n), f"install: the {n}-pixel icon")


def screen(fx, env):  # Weston's output as rows of 0xRRGGBB
    folder = fx.folder()  # Weston's picture goes to the pictures folder, or else the working one
    subprocess.run(["weston-screenshooter"], cwd=folder, env=dict(env, XDG_PICTURES_DIR=folder),
                   check=True, timeout=20, capture_output=True)
    shot = picture(glob.glob(f"{folder}/*.png")[0])
    px, stride, width = shot.get_pixels(), shot.get_rowstride(), shot.get_width()
    return [[int.from_bytes(px[i:i + 3], "big") for i in range(y * stride, y * stride + 4 * width, 4)]
            for y in range(shot.get_height())]


def find(rows, model):
    """model's place in rows, found by a row across its title: the compositor places the window,
    and Qt draws a title bar above it where the compositor draws none."""
    key = TITLE[1] + TITLE[3] // 2
    line, width = model[key], len(model[key])
    for y, row in enumerate(rows[key:len(rows) - len(model) + key + 1], key):
        for x in (x for x, p in enumerate(row[:len(row) - width + 1]) if p == line[0]):
            if row[x:x + width] == line:
                return [r[x:x + width] for r in rows[y - key:y - key + len(model)]]


def check_wayland(fx):
    """On a headless Weston through Qt's wayland platform, worked through AT-SPI."""
    # The window as X11 shows it, on a server of its own: where an earlier check left the
    # pointer, a button would be drawn hovered.
    x11_app, _, x11 = ready(fx.on_display("1280x1024x24"))
    end([x11_app])
    env = dict(fx.env, WAYLAND_DISPLAY="weston", QT_QPA_PLATFORM="wayland")
    fx.launch("--backend=headless-backend.so", "--width=1280", "--height=1024", "--socket=weston",
              "--debug", "--use-pixman", "--idle-time=0", program="weston", env=env,
              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)  # --debug: screenshots allowed
    fx.wait(lambda: os.path.exists(f"{env['XDG_RUNTIME_DIR']}/weston"), "Weston")
    with open(os.path.join(fx.folder(), "stderr"), "w+") as log:
        # Under AddressSanitizer, Qt's leaks at exit come through Wayland's and Mesa's libraries,
        # which keep no frame pointers: the slow unwinder reaches Qt's frames in lsan.supp.
        asan = env.get("ASAN_OPTIONS", "") + ":fast_unwind_on_malloc=0"
        process = fx.launch(env=dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", WAYLAND_DEBUG="1",
                                     ASAN_OPTIONS=asan), stderr=log)
        app = accessible(fx, process)
        import pyatspi

        main = toplevel(fx, app, MAIN)
        shown = fx.wait(lambda: find(screen(fx, env), x11), "the main window on Weston's output")
        differ = sum(p != q for row, model in zip(shown, x11) for p, q in zip(row, model))
        fx.expect(differ == 0, f"wayland: the window is as on X11: {differ} of "
                  f"{len(x11) * len(x11[0])} pixels differ")
        control, cell = {c.name: c for c in main if c}, {c.description: c for c in main if c}
        press(control["Experiment Start"])
        distance = fx.wait(lambda: cell["Trial 1, distance"].name, "the first trial's results")
        press(control["Experiment Stop"])
        fx.expect(re.fullmatch(r"\d*\.\d", distance), f"wayland: trial 1 recorded: {distance}")
        fx.wait(lambda: control["Graph display"].getState().contains(pyatspi.STATE_ENABLED),
                "Graph display enabled")
        press(control["Graph display"])
        chart = {c.name for c in toplevel(fx, app, "A random walk") if c}  # its caption
        press(control["Help"])
        text = {c.name for c in toplevel(fx, app, " Lurchfield\uff3fHelp") if c}
        fx.expect("Histogram of the distance from the origin" in chart and "Help text" in text,
                  "wayland: Graph display and Help open their windows")
        fx.wait(lambda: fx.x("pactl", "list", "short", "sink-inputs"), "Help's chime")
        press(control["Exit"])
        press(fx.wait(lambda: pyatspi.findDescendant(app, lambda a: a.name == "OK"), "the message"))
        code = process.wait(timeout=20)
    said = open(log.name).read()  # WAYLAND_DEBUG's lines begin with a time in brackets
    windows = said.count(".get_toplevel(")
    ids = re.findall(r' -> xdg_toplevel[@#]\d+\.set_app_id\("(.*)"\)$', said, re.M)
    fx.expect(windows >= 4 and len(ids) >= windows and set(ids) == {desktop_id(fx)},
              f"wayland: each of {windows} windows has the app_id {set(ids)}")
    stray = [line for line in said.splitlines() if not re.match(r"\[ *\d+\.\d+\] ", line)]
    fx.expect(code == 0 and not stray, f"wayland: OK ends it with {code}; stderr: {stray}")


from real_orca import check_orca, check_orca_de  # noqa: E402
from real_package import check_package  # noqa: E402

CHECKS = [check_window, check_bare, check_chime, check_atspi, check_install, check_package, check_orca,
          check_wayland, check_languages, check_spreadsheet, check_orca_de]


def main():
    build, source, *names = sys.argv[1:]
    checks = {check.__name__[6:]: check for check in CHECKS}
    fx = Fixture(os.path.abspath(build), os.path.abspath(source))
    try:
        fx.start()
        for name in names or checks:
            started = len(fx.processes)
            try:
                checks[name](fx)
            except Exception as error:
                fx.expect(False, f"{name} stopped: {error!r}")
            for process in reversed(fx.processes[started:]):  # the latest first, X servers last
                end([process])  # and no window is left for the next check to find
            del fx.processes[started:]
    finally:
        end(fx.processes[::-1])
    sys.exit(f"FAIL: {len(fx.failures)} check(s) failed" if fx.failures else None)


if __name__ == "__main__":
    main()
