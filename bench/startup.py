# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up time and peak memory of a window program, measured from outside.

Each launch gets an Xvfb server of its own whose screen is a memory-mapped
XWD file (-fbdir) showing a black root (-br) and no cursor, so nothing on the
screen changes until a client draws. The program is started and the file is
polled from that instant: the first change of the screen is the program's
first painted frame. Once the window has settled, the peak resident set
(VmHWM) is read from /proc. The program itself is not changed for any of it.
"""

import mmap
import os
import struct
import subprocess
import tempfile
import time

SCREEN = "1024x768x24"
POLL_S = 0.0005
SETTLE_S = 1.5
TIMEOUT_S = 30.0


class MeasureError(Exception):
    pass


def start_xvfb(fbdir):
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN,
                               "-fbdir", fbdir, "-br", "-nocursor", "-nolisten", "tcp"],
                              pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()  # written once it accepts clients
    if not number:
        server.kill()
        server.wait()
        raise MeasureError("Xvfb did not start")
    return server, ":" + number


def pixel_span(screen):
    """Where the pixels start and end in the XWD file."""
    header = struct.unpack(">25I", screen[:100])
    header_size, height, line, ncolours = header[0], header[5], header[12], header[19]
    start = header_size + 12 * ncolours
    return start, start + height * line


def peak_rss_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    raise MeasureError(f"no VmHWM for process {pid}")


def launch_once(program):
    """Seconds from launch to first frame, and peak RSS in KiB after settling."""
    with tempfile.TemporaryDirectory() as fbdir:
        server, display = start_xvfb(fbdir)
        try:
            with open(os.path.join(fbdir, "Xvfb_screen0"), "rb") as f, \
                    mmap.mmap(f.fileno(), 0, access=mmap.ACCESS_READ) as screen:
                start, end = pixel_span(screen)
                blank = screen[start:end]
                env = {k: v for k, v in os.environ.items()
                       if k not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
                env["DISPLAY"] = display
                launched = time.monotonic()
                app = subprocess.Popen([program], env=env, cwd=fbdir,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                try:
                    while screen[start:end] == blank:
                        now = time.monotonic()
                        if app.poll() is not None:
                            raise MeasureError(f"{program} ended before drawing")
                        if now - launched > TIMEOUT_S:
                            raise MeasureError(f"{program} drew nothing in {TIMEOUT_S:.0f} s")
                        time.sleep(POLL_S)
                    first_frame = time.monotonic() - launched
                    time.sleep(SETTLE_S)
                    return first_frame, peak_rss_kib(app.pid)
                finally:
                    app.kill()
                    app.wait()
        finally:
            server.terminate()
            server.wait()


def compare(program, bare, runs):
    """Alternating launches of both, after one unrecorded launch of each to warm
    the file caches. Returns {name: {"startup_s": [...], "rss_kib": [...]}}."""
    launch_once(program)
    launch_once(bare)
    results = {"program": {"startup_s": [], "rss_kib": []},
               "bare": {"startup_s": [], "rss_kib": []}}
    for _ in range(runs):
        for name, path in (("program", program), ("bare", bare)):
            seconds, kib = launch_once(path)
            results[name]["startup_s"].append(seconds)
            results[name]["rss_kib"].append(kib)
    return results

