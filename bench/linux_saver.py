#!/usr/bin/env python3
"""What the native Linux program costs while it runs full screen: processor
time of the program and of its X server over wall time, at Stretch 0 and 1,
each run several times at once, every run on a private X screen of its own
(1920 x 1080 by default), so that the figures come with their spread.

    bench/linux_saver.py [--seconds 180] [--runs 3] [--size 1920x1080]
                         [--program build/linux/quibac] [--json PATH]

A run measures after the program's start-up (the calendar's pre-roll, the
first reveal); three minutes hold a whole cycle of scenes, stretched or not,
so a figure does not depend on which scenes fell in the window. A run that
fails is reported with the program's last words, never left out silently.
Build the linux preset first. Every figure is printed and also written as
JSON (default build/linux/bench-linux-cpu.json).
"""

import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time

sys.dont_write_bytecode = True

import measuring  # noqa: E402
import x_timing  # noqa: E402
from measuring import process_seconds, start_xvfb  # noqa: E402,F401  (what the other benches take from here)

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
PROGRAM = os.path.join(ROOT, "build", "linux", "quibac")
TITLE = "Quib Advent Calendar"
WINDOW_TIMEOUT_S = 60
# The start-up (calendar pre-roll, first reveal) is left out of the figures.
SETTLE_S = 5
LOG_TAIL_CHARACTERS = 600
# How the program puts its frames on the screen, for the record.
PRESENTATION = "window surface, changed areas"


def log_tail(path):
    with open(path, errors="replace") as log:
        return log.read()[-LOG_TAIL_CHARACTERS:].strip()


def wait_for_window(display, saver, log_path):
    deadline = time.monotonic() + WINDOW_TIMEOUT_S
    while time.monotonic() < deadline:
        if saver.poll() is not None:
            raise RuntimeError(f"the program ended at once (exit code {saver.returncode}): {log_tail(log_path)!r}")
        if x_timing.visible_windows(display, TITLE):
            return
        time.sleep(0.1)
    raise RuntimeError(f"the saver's window did not appear in {WINDOW_TIMEOUT_S} s: {log_tail(log_path)!r}")


def watch(saver, server_pid, seconds):
    """Processor shares of a running saver and of its X server over seconds of
    wall time, whether the saver ran throughout, and its resident memory."""
    before, server_before = measuring.process_seconds(saver.pid), measuring.process_seconds(server_pid)
    wall = time.monotonic()
    time.sleep(seconds)
    used = measuring.process_seconds(saver.pid) - before
    server_used = measuring.process_seconds(server_pid) - server_before
    elapsed = time.monotonic() - wall
    ran = saver.poll() is None
    return {"seconds": round(elapsed, 1), "saver_cpu_percent": round(100 * used / elapsed, 2),
            "server_cpu_percent": round(100 * server_used / elapsed, 2), "ran_throughout": ran,
            "resident_mib": measuring.resident_mib(saver.pid) if ran else None}


def run_on(program, display, server_pid, seconds, stretch, arguments=()):
    """The program full screen on display at Stretch stretch, measured after
    its start-up; raises RuntimeError, with its last words, when it does not
    show or ends during the run."""
    work = tempfile.mkdtemp(prefix="quibac-bench-")
    saver = None
    try:
        with open(os.path.join(work, "QUIBAC.INI"), "w") as ini:
            ini.write(f"[Quib Advent Screen Saver]\nStretch={stretch}\n")
        log_path = os.path.join(work, "saver.log")
        with open(log_path, "w") as log:
            saver = subprocess.Popen([program, "/s", *arguments],
                                     env={**os.environ, "DISPLAY": display, "XDG_CONFIG_HOME": work},
                                     stdout=log, stderr=subprocess.STDOUT)
        wait_for_window(display, saver, log_path)
        time.sleep(SETTLE_S)
        figures = watch(saver, server_pid, seconds)
        if not figures["ran_throughout"]:
            raise RuntimeError(f"the program ended during the run (exit code {saver.returncode}): "
                               f"{log_tail(log_path)!r}")
        figures["xvfb_cpu_percent"] = figures.pop("server_cpu_percent")
        return figures
    finally:
        if saver is not None:
            saver.kill()
            saver.wait()
        shutil.rmtree(work, ignore_errors=True)


def measure_native(display, server, seconds, stretch, arguments=()):
    """One run of the program built here on a screen the caller started,
    with these arguments after /s."""
    return run_on(PROGRAM, display, server.pid, seconds, stretch, arguments)


def measure_once(program, width, height, seconds, stretch):
    """One run on a screen of its own; its figures, or why there are none."""
    server = None
    try:
        server, display = measuring.start_xvfb(width, height)
        return run_on(program, display, server.pid, seconds, stretch)
    except (RuntimeError, OSError) as error:
        return {"error": str(error)}
    finally:
        if server is not None:
            measuring.stop(server)


def measure(program, width, height, seconds, runs, stretches):
    """Every run of every Stretch at the same time; figures by label."""
    results = {f"stretch{s}": [None] * runs for s in stretches}

    def one(stretch, n):
        results[f"stretch{stretch}"][n] = measure_once(program, width, height, seconds, stretch)

    threads = [threading.Thread(target=one, args=(s, n)) for s in stretches for n in range(runs)]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    summary = {}
    for label, measured in results.items():
        good = [r for r in measured if "error" not in r]
        summary[label] = {
            "renderer": PRESENTATION,
            "saver_cpu_percent": measuring.spread([r["saver_cpu_percent"] for r in good]),
            "xvfb_cpu_percent": measuring.spread([r["xvfb_cpu_percent"] for r in good]),
            "resident_mib": max((r["resident_mib"] for r in good), default=None),
            "runs": measured,
            "failures": [r["error"] for r in measured if "error" in r],
        }
    return summary


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--seconds", type=float, default=180)
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--size", default="1920x1080")
    parser.add_argument("--stretch", type=int, nargs="+", default=[0, 1], choices=(0, 1))
    parser.add_argument("--program", default=PROGRAM)
    parser.add_argument("--json", default=os.path.join(ROOT, "build", "linux", "bench-linux-cpu.json"))
    options = parser.parse_args()
    width, height = (int(n) for n in options.size.split("x"))
    native = measure(options.program, width, height, options.seconds, options.runs, options.stretch)
    for label, figures in native.items():
        cpu, server = figures["saver_cpu_percent"], figures["xvfb_cpu_percent"]
        print(f"native {label}: saver {cpu['median']}% of a core (runs {cpu['min']} to {cpu['max']}, "
              f"{cpu['runs']} of {options.runs}), Xvfb {server['median']}%, over {options.seconds:.0f} s at "
              f"{options.size}", flush=True)
        for failure in figures["failures"]:
            print(f"  a run failed: {failure}", flush=True)
    os.makedirs(os.path.dirname(os.path.abspath(options.json)), exist_ok=True)
    with open(options.json, "w") as out:
        json.dump({"size": options.size, "seconds": options.seconds, "runs": options.runs, "native": native}, out,
                  indent=2)
    print(f"written: {options.json}")
    return 1 if any(f["failures"] for f in native.values()) else 0


if __name__ == "__main__":
    sys.exit(main())
