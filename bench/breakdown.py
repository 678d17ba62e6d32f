# SPDX-License-Identifier: GPL-3.0-or-later
"""What start-up is made of: a window program against the bare window, part by part.

Each program is launched on an Xvfb server of its own, as for the start-up
figures, and looked at from outside once its first frame has settled:

- its memory, mapping by mapping, from /proc/PID/smaps, and its peak (VmHWM);
- the shared objects it has mapped, and the relocations the dynamic loader
  processed before main (LD_DEBUG=statistics);
- the files it opened (strace);
- the page faults it took: each costs about 10 µs on the virtual machines
  this runs on, so they are a large part of the milliseconds;
- the instructions it ran, by phase, and the widgets it created (callgrind).

Counts of instructions, relocations and files do not depend on what else
the machine is doing, so the breakdown holds on a busy machine where
milliseconds do not; the instructions are what the milliseconds of the CPU's
part of start-up are made of.
"""

import collections
import os
import re
import signal
import subprocess
import tempfile
import time

import startup

SETTLE_S = 2.0
TIMEOUT_S = 120.0  # under callgrind a first frame takes many seconds

# Start-up in phases, cut where callgrind dumps its counts: each trigger
# ends one stretch of instructions and names the phase that comes next. The
# counts are of every thread: work a thread does alongside the main one is
# counted in the phase it overlaps.
PHASES = (
    ("--dump-before=main", "application"),
    ("--dump-after=QApplication::QApplication*", "window"),
    ("--dump-before=QXcbWindow::create()", "show"),
    ("--dump-before=QCoreApplication::exec()", "event loop"),
)
# Parts that cut across the phases, by the function whose inclusive
# instructions they are.
FONT_CONFIGURATION = "FcInit"
RELOCATION = "_dl_relocate_object"
FONTS = "QFontDatabasePrivate::loadEngine("
GLYPHS = "QFontEngineFT::loadGlyph(QFontEngineFT::QGlyphSet*"
PAINT = "QWidgetRepaintManager::paintAndFlush()"
WIDGET_INIT = "QWidgetPrivate::init(QWidget*, QFlags<Qt::WindowType>)"

FONT_FILE = re.compile(r"\.(ttf|otf|ttc|pcf|pfb)(\.gz)?$", re.IGNORECASE)
SHARED_OBJECT = re.compile(r"\.so(\.[0-9.]+)?$")


def environment(display):
    env = {k: v for k, v in os.environ.items() if k not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    env["DISPLAY"] = display
    return env


def run_settled(command, env_extra=None, look=None):
    """Runs command on a fresh Xvfb until its first frame has settled, calls
    look(pid) if given, then ends it with SIGTERM. Returns look's result and
    the program's stderr."""
    with tempfile.TemporaryDirectory() as fbdir:
        server, display = startup.start_xvfb(fbdir)
        try:
            with open(os.path.join(fbdir, "Xvfb_screen0"), "rb") as f, \
                    startup.mmap.mmap(f.fileno(), 0, access=startup.mmap.ACCESS_READ) as screen:
                start, end = startup.pixel_span(screen)
                blank = screen[start:end]
                env = environment(display)
                env.update(env_extra or {})
                err_path = os.path.join(fbdir, "stderr")
                with open(err_path, "w") as err:
                    app = subprocess.Popen(command, env=env, cwd=fbdir,
                                           stdout=subprocess.DEVNULL, stderr=err)
                try:
                    launched = time.monotonic()
                    while screen[start:end] == blank:
                        if app.poll() is not None:
                            raise startup.MeasureError(f"{command[0]} ended before drawing")
                        if time.monotonic() - launched > TIMEOUT_S:
                            raise startup.MeasureError(f"{command[0]} drew nothing")
                        time.sleep(0.01)
                    time.sleep(SETTLE_S)
                    result = look(app.pid) if look else None
                finally:
                    app.send_signal(signal.SIGTERM)
                    try:
                        app.wait(timeout=TIMEOUT_S)
                    except subprocess.TimeoutExpired:
                        app.kill()
                        app.wait()
                with open(err_path, errors="replace") as err:
                    return result, err.read()
        finally:
            server.terminate()
            server.wait()


def memory(program):
    """Resident KiB by kind of mapping, the peak, and the shared objects mapped."""
    def look(pid):
        kinds = collections.Counter()
        objects = set()
        kind = None
        with open(f"/proc/{pid}/smaps") as smaps:
            for line in smaps:
                fields = line.split()
                if re.match(r"^[0-9a-f]+-[0-9a-f]+$", fields[0]):
                    path = fields[5] if len(fields) >= 6 else ""
                    if os.path.realpath(path) == os.path.realpath(program):
                        kind = "program"
                    elif SHARED_OBJECT.search(path):
                        kind = "libraries"
                        objects.add(path)
                    elif FONT_FILE.search(path):
                        kind = "fonts"
                    elif path in ("", "[heap]", "[stack]") or path.startswith("[anon"):
                        kind = "heap"
                    else:
                        kind = "other"
                elif fields[0] == "Rss:":
                    kinds[kind] += int(fields[1])
        kinds["peak"] = startup.peak_rss_kib(pid)
        with open(f"/proc/{pid}/stat") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
        kinds["faults"] = int(fields[7]) + int(fields[9])  # minor and major
        return kinds, sorted(objects)
    return run_settled([program], look=look)[0]


def relocations(program):
    """Symbol and relative relocations the dynamic loader processed before main."""
    _, stderr = run_settled([program], {"LD_DEBUG": "statistics"})
    figures = {}
    for key in ("number of relocations", "number of relative relocations"):
        found = re.search(key + r":\s*(\d+)", stderr)
        figures[key] = int(found.group(1)) if found else 0
    return figures["number of relocations"], figures["number of relative relocations"]


def files_opened(program):
    """Files opened, and names looked for that were not there."""
    with tempfile.TemporaryDirectory() as out:
        trace = os.path.join(out, "trace")
        run_settled(["strace", "-f", "-qq", "-e", "trace=open,openat", "-o", trace, program])
        opened = missing = 0
        with open(trace, errors="replace") as lines:
            for line in lines:
                result = re.search(r"\bopen(at)?\(.*\)\s+=\s+(-?\d+)", line)
                if result:
                    if int(result.group(2)) >= 0:
                        opened += 1
                    else:
                        missing += 1
        return opened, missing


def inclusive_costs(profile):
    """Inclusive instructions by function name, as callgrind_annotate sums them."""
    listing = subprocess.run(["callgrind_annotate", "--inclusive=yes", "--threshold=100", profile],
                             capture_output=True, text=True, check=True).stdout
    costs = {}
    for line in listing.splitlines():
        found = re.match(r"^\s*([\d,]+)\s+\(\s*[\d.]+%\)\s+(.*)$", line)
        if not found:
            continue
        count, rest = int(found.group(1).replace(",", "")), found.group(2)
        if rest.startswith("PROGRAM TOTALS"):
            name = "total"
        else:
            name = re.sub(r"\s+\[[^\]]*\]$", "", rest).split(":", 1)[-1]
        costs[name] = max(costs.get(name, 0), count)
    return costs


def calls_to(profile, prefix):
    """How many times the functions whose names start with prefix were called."""
    names, callee, calls = {}, None, 0
    with open(profile, errors="replace") as lines:
        for line in lines:
            if line.startswith(("fn=", "cfn=")):
                found = re.match(r"c?fn=\((\d+)\)(?: (.*))?$", line.rstrip("\n"))
                if found.group(2) is not None:
                    names[found.group(1)] = found.group(2)
                if line.startswith("cfn="):
                    callee = names.get(found.group(1), "")
            elif line.startswith("calls=") and callee and callee.startswith(prefix):
                calls += int(line.split("=", 1)[1].split()[0])
    return calls


def phase_costs(dumps):
    """Instructions by phase, from the dumps in the order they were written."""
    phases = collections.Counter()
    current = "before main"
    for dump in dumps:
        with open(dump, errors="replace") as lines:
            text = lines.read()
        trigger = re.search(r"^desc: Trigger: (.*)$", text, re.MULTILINE).group(1)
        total = int(re.search(r"^totals:\s*(\d+)", text, re.MULTILINE).group(1))
        phases[current] += total
        for option, starts in PHASES:
            if trigger.startswith(option.rstrip("*")):
                current = starts
                break
    return phases


def instructions(program):
    """Instructions by phase and part, and widgets created, under callgrind."""
    with tempfile.TemporaryDirectory() as out:
        profile = os.path.join(out, "profile")
        run_settled(["valgrind", "--tool=callgrind", "--callgrind-out-file=" + profile] +
                    [option for option, _ in PHASES] + [program])
        numbered = sorted((int(name.rsplit(".", 1)[1]), name) for name in os.listdir(out)
                          if re.fullmatch(r"profile\.\d+", name))
        dumps = [os.path.join(out, name) for _, name in numbered] + [profile]
        phases = phase_costs(dumps)
        parts = collections.Counter()
        widgets = 0
        for dump in dumps:
            costs = inclusive_costs(dump)
            for key, prefix in (("relocation", RELOCATION), ("configuration", FONT_CONFIGURATION),
                                ("fonts", FONTS), ("glyphs", GLYPHS), ("paint", PAINT)):
                parts[key] += max((v for k, v in costs.items() if k.startswith(prefix)),
                                  default=0)
            widgets += calls_to(dump, WIDGET_INIT)
    return sum(phases.values()), phases, parts, widgets


def measure(program):
    kinds, objects = memory(program)
    return {"memory": kinds, "objects": objects, "relocations": relocations(program),
            "files": files_opened(program), "instructions": instructions(program)}


def table(program, bare):
    """The breakdown of both as Markdown rows."""
    p, b = measure(program), measure(bare)
    rows = []

    def row(name, mine, theirs, unit=""):
        rows.append((name, mine, theirs, mine - theirs, unit))

    row("Shared objects mapped (libraries and Qt plugins)", len(p["objects"]), len(b["objects"]))
    row("Symbol relocations before main", p["relocations"][0], b["relocations"][0])
    row("Relative relocations before main", p["relocations"][1], b["relocations"][1])
    row("Files opened", p["files"][0], b["files"][0])
    row("Names looked for and not found", p["files"][1], b["files"][1])
    row("Widgets created", p["instructions"][3], b["instructions"][3])
    row("Page faults to a settled first frame", p["memory"]["faults"], b["memory"]["faults"])
    mi = 1e6
    row("Instructions to a settled first frame", p["instructions"][0] / mi,
        b["instructions"][0] / mi, "M")
    for key, name in (("before main", "loading and initialising libraries, before main"),
                      ("application", "QApplication: platform plugin, X connection"),
                      ("window", "making the window and its widgets"),
                      ("show", "showing it: native window, first layout, activation"),
                      ("event loop", "event loop: first paint and flush, then idle")):
        row("– " + name, p["instructions"][1][key] / mi, b["instructions"][1][key] / mi, "M")
    for key, name in (("relocation", "relocating, dlopen included"),
                      ("configuration", "reading the font configuration (fontconfig)"),
                      ("fonts", "loading font engines: fontconfig matching, FreeType faces"),
                      ("glyphs", "loading glyphs"),
                      ("paint", "painting the window")):
        row("of which " + name, p["instructions"][2][key] / mi, b["instructions"][2][key] / mi,
            "M")
    kib = 1024
    row("Peak memory (VmHWM)", p["memory"]["peak"] / kib, b["memory"]["peak"] / kib, "MiB")
    for key, name in (("libraries", "shared objects' pages"), ("program", "the program's own pages"),
                      ("fonts", "font files' pages"), ("heap", "heap, stacks and anonymous memory"),
                      ("other", "other files and shared memory")):
        row("– resident: " + name, p["memory"][key] / kib, b["memory"][key] / kib, "MiB")
    return rows


def print_table(program, bare):
    print("Start-up breakdown: one launch of each under Xvfb, looked at once its first frame "
          "has settled (`bench/breakdown.py`).\n")
    print("| Part | Lurchfield | Bare window | Above the bare window |")
    print("|---|---:|---:|---:|")
    for name, mine, theirs, above, unit in table(program, bare):
        if unit == "M":
            cells = (f"{mine:.1f} M", f"{theirs:.1f} M", f"{above:+.1f} M")
        elif unit == "MiB":
            cells = (f"{mine:.2f} MiB", f"{theirs:.2f} MiB", f"{above:+.2f} MiB")
        else:
            cells = (str(mine), str(theirs), f"{above:+d}")
        print(f"| {name} | " + " | ".join(cells) + " |")
    print()
