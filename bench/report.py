#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the benches and prints their figures as Markdown, ready for README,
each next to its goal with PASS or MISS. Exits with 1 if a goal is missed,
2 if a figure could not be measured.

Usage: report.py BUILD_DIR [--quick]
"""

import argparse
import datetime
import json
import os
import statistics
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

import breakdown
import startup

RUNS = 7
STARTUP_RATIO_GOAL = 1.2
MEMORY_RATIO_GOAL = 1.1
TRIALS = 51
EXPERIMENT_S = 208.0
COMPLETION_TOLERANCE_S = 0.1
STEP_P99_GOAL_MS = 5.0
HANDLER_GOAL_MS = 1.0
HANDLERS = {
    "walkTimerTick": "Step-timer tick",
    "experimentTimerTick": "Trial-timer tick",
    "redraw": "Activation redraw",
}

missed = []


def judge(ok, what):
    if not ok:
        missed.append(what)
    return "PASS" if ok else "MISS"


def per_call(ms):
    return f"{ms * 1000:.1f} µs" if ms < 1 else f"{ms:.2f} ms"


def cpus():
    return len(os.sched_getaffinity(0))


def machine():
    with open("/proc/cpuinfo") as f:
        models = [line.split(":", 1)[1].strip() for line in f if line.startswith("model name")]
    with open("/proc/meminfo") as f:
        kib = next(int(line.split()[1]) for line in f if line.startswith("MemTotal:"))
    when = datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC")
    return (f"Measured {when} on {cpus()} CPUs ({models[0] if models else 'unknown model'}), "
            f"{kib / 1048576:.1f} GiB memory; load average {os.getloadavg()[0]:.2f} "
            "when the bench began.")


def fail(message):
    print(f"bench: {message}", file=sys.stderr)
    sys.exit(2)


def startup_section(build):
    try:
        runs = startup.compare(os.path.join(build, "lurchfield"),
                               os.path.join(build, "bench", "barewindow"), RUNS)
    except startup.MeasureError as error:
        fail(f"start-up: {error}")
    ms = {k: statistics.median(v["startup_s"]) * 1000 for k, v in runs.items()}
    mib = {k: statistics.median(v["rss_kib"]) / 1024 for k, v in runs.items()}
    time_ratio = ms["program"] / ms["bare"]
    memory_ratio = mib["program"] / mib["bare"]
    print(f"Start-up and memory: {RUNS} alternating launches of each under Xvfb, medians.\n")
    print("| Figure | Lurchfield | Bare window | Ratio | Goal | Result |")
    print("|---|---:|---:|---:|---|---|")
    print(f"| Launch to first painted frame | {ms['program']:.0f} ms | {ms['bare']:.0f} ms "
          f"| {time_ratio:.2f} | ratio ≤ {STARTUP_RATIO_GOAL} "
          f"| {judge(time_ratio <= STARTUP_RATIO_GOAL, 'start-up')} |")
    print(f"| Peak memory (VmHWM) | {mib['program']:.1f} MiB | {mib['bare']:.1f} MiB "
          f"| {memory_ratio:.2f} | ratio ≤ {MEMORY_RATIO_GOAL} "
          f"| {judge(memory_ratio <= MEMORY_RATIO_GOAL, 'memory')} |")
    print()


def breakdown_section(build):
    try:
        breakdown.print_table(os.path.join(build, "lurchfield"),
                              os.path.join(build, "bench", "barewindow"))
    except (startup.MeasureError, subprocess.CalledProcessError) as error:
        fail(f"start-up breakdown: {error}")


def experiment(build, busy_loops):
    """One whole experiment in real time with that many busy loops beside it."""
    loops = [subprocess.Popen([sys.executable, "-c", "while True: pass"])
             for _ in range(busy_loops)]
    try:
        run = subprocess.run([os.path.join(build, "bench", "experimenttiming")],
                             env=dict(os.environ, QT_QPA_PLATFORM="offscreen"),
                             capture_output=True, text=True, timeout=600)
    finally:
        for loop in loops:
            loop.kill()
            loop.wait()
    try:
        return json.loads(run.stdout.strip().splitlines()[-1])
    except (IndexError, json.JSONDecodeError):
        fail(f"experimenttiming printed no figures: {run.stderr.strip()}")


def timing_section(build):
    busy = cpus()
    idle = experiment(build, 0)
    loaded = experiment(build, busy)
    print(f"A whole experiment in real time, offscreen: once with no load added, once with "
          f"{busy} busy-loop processes keeping every CPU busy.\n")
    print(f"| Figure | No load added | {busy} busy loops | Goal (under load) | Result |")
    print("|---|---:|---:|---|---|")
    print(f"| Trials recorded | {idle['trials']} | {loaded['trials']} | {TRIALS} of {TRIALS} "
          f"| {judge(loaded['trials'] == TRIALS, 'trials under load')} |")

    def completion(run):
        if not run["complete"]:
            return "not complete"
        return f"{run['completion_s']:.3f} s"

    on_time = loaded["complete"] and \
        abs(loaded["completion_s"] - EXPERIMENT_S) <= COMPLETION_TOLERANCE_S
    print(f"| \"Experiment Start\" to Complete | {completion(idle)} | {completion(loaded)} "
          f"| {EXPERIMENT_S:.1f} s ± {COMPLETION_TOLERANCE_S} s "
          f"| {judge(on_time, 'completion under load')} |")
    for key, name in (("step_error_ms", "100-ms step"), ("trial_error_ms", "4-s trial")):
        for stat in ("p50", "p99", "max"):
            goal, result = "", ""
            if key == "step_error_ms" and stat == "p99":
                goal = f"≤ {STEP_P99_GOAL_MS:.0f} ms"
                result = judge(loaded[key].get(stat, float("inf")) <= STEP_P99_GOAL_MS,
                               "step p99 under load")
            cells = " | ".join(f"{run[key][stat]:.2f} ms" if stat in run[key] else "none"
                               for run in (idle, loaded))
            print(f"| {name} interval error, {stat} | {cells} | {goal} | {result} |")
    print(f"\nIntervals measured: {idle['step_error_ms']['count']} steps and "
          f"{idle['trial_error_ms']['count']} trial periods with no load added, "
          f"{loaded['step_error_ms']['count']} and {loaded['trial_error_ms']['count']} "
          "under load.\n")


def handler_costs(build):
    """(function, row, ms per call) for every benchmark row."""
    with tempfile.TemporaryDirectory() as out:
        xml = os.path.join(out, "handlers.xml")
        run = subprocess.run([os.path.join(build, "bench", "bench_handlers"), "-o", xml + ",xml"],
                             env=dict(os.environ, QT_QPA_PLATFORM="offscreen"),
                             capture_output=True, text=True)
        if run.returncode != 0 or not os.path.exists(xml):
            fail(f"bench_handlers failed:\n{run.stdout}{run.stderr}")
        root = ET.parse(xml).getroot()
    for function in root.iter("TestFunction"):
        for result in function.iter("BenchmarkResult"):
            yield function.get("name"), result.get("tag"), float(result.get("value"))


def handler_section(build):
    print("Cost of each handler, per call (QBENCHMARK, offscreen; a redraw is the "
          "handler's drawing: the strokes it adds to its picture, drawn as the window's "
          "repaint draws them).\n")
    print("| Handler | Per call | Goal | Result |")
    print("|---|---:|---|---|")
    rows = list(handler_costs(build))
    if not rows:
        fail("bench_handlers reported no figures")
    for function, tag, ms in rows:
        name = f"{HANDLERS.get(function, function)}, {tag}"
        print(f"| {name} | {per_call(ms)} | < {HANDLER_GOAL_MS:.0f} ms "
              f"| {judge(ms < HANDLER_GOAL_MS, name)} |")
    print()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build", help="the build directory")
    parser.add_argument("--quick", action="store_true",
                        help="skip the two 208-s real-time experiments")
    args = parser.parse_args()
    build = os.path.abspath(args.build)

    print(machine() + "\n")
    startup_section(build)
    breakdown_section(build)
    handler_section(build)
    if args.quick:
        print("Real-time experiments skipped (--quick).\n")
    else:
        timing_section(build)
    unmeasured = " (the real-time goals were not measured)" if args.quick else ""
    if missed:
        print(f"Goals missed{unmeasured}: " + "; ".join(missed) + ".")
    else:
        print(f"All goals met{unmeasured}.")
    sys.exit(1 if missed else 0)


if __name__ == "__main__":
    main()
