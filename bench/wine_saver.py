#!/usr/bin/env python3
"""The Windows build as a user runs it, measured under Wine on a private X
screen (the end-to-end suite's harness): what it costs while it runs, how
fast it goes when touched, and whether a long run stays flat.

    bench/wine_saver.py cpu [--seconds 180] [--runs 3] [--stretch 0 1]
                                  processor use, each Stretch run after run
    bench/wine_saver.py close [--closes 20]      key press to window gone and to process end,
                                  beside an empty window program's
    bench/wine_saver.py soak [--minutes 10]      memory over a long run, closed by a key at the end
    bench/wine_saver.py all                      all three, with their default lengths

Only one full-screen saver runs in a Wine prefix at a time (a second one
finds the first and leaves it alone), so runs that are to go on at the same
time use sessions of their own: QUIBAC_E2E_OUTPUT names another folder for
the screen, the prefix and the JSON. A key is pressed through XTest and the
window's end and the process's end are taken from the X server and the
kernel, to the millisecond. Build the win64 preset first. Every figure is
printed and also written as JSON to <QUIBAC_E2E_OUTPUT, default
build/e2e>/bench-<what>.json.
"""

import argparse
import json
import os
import random
import statistics
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
sys.dont_write_bytecode = True

import measuring  # noqa: E402
import x_timing  # noqa: E402
from harness import session as run_session  # noqa: E402
from harness.test_case import FULL_SCREEN_TITLE, POINTER_HOME  # noqa: E402
from harness.waiting import wait_until  # noqa: E402

WINDOW_TIMEOUT_S = 60
EXIT_TIMEOUT_S = 30
# After its window appears the saver is left this long before measuring, so
# that its start-up (the calendar's pre-roll, the first reveal) is not counted.
SETTLE_S = 5
# Close requests land at a random moment this far into the show, so they meet
# tick waits, reveals and scene set-ups alike.
CLOSE_AFTER_S = (2.0, 12.0)
SOAK_SAMPLE_S = 10


def wineserver_pid(prefix):
    """The server of the bench's own prefix (other prefixes may have theirs)."""
    wanted = f"WINEPREFIX={prefix}".encode()
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/comm") as comm:
                # "wineserver64" for the 64-bit server Debian runs.
                if not comm.read().strip().startswith("wineserver"):
                    continue
            with open(f"/proc/{entry}/environ", "rb") as environ:
                if wanted in environ.read().split(b"\0"):
                    return int(entry)
        except OSError:
            continue
    return None


class Saver:
    """One full-screen run of the saver in the bench's session."""

    def __init__(self, bench, label, stretch=0, program=run_session.SAVER):
        self.bench = bench
        bench.session.settings.write_stretch(stretch)
        bench.session.input.move_pointer(*POINTER_HOME)
        self.process = bench.session.prefix.start(label, program, ["/s"], bench.session.log_path(label))
        wait_until(lambda: bench.session.input.visible_windows(FULL_SCREEN_TITLE), WINDOW_TIMEOUT_S,
                   "the saver's window")
        self.pid = self.process.pid

    def close_with_key(self):
        """Presses a key; returns (seconds to the window gone, seconds to the process's end)."""
        screen = self.bench.screen
        windows = screen.visible_windows(FULL_SCREEN_TITLE)
        if not windows:
            raise RuntimeError("the saver's window went before the key")
        screen.watch(windows[0])
        pressed = screen.press_key("space")
        gone = screen.wait_gone(windows[0], EXIT_TIMEOUT_S)
        ended = x_timing.wait_process_end(self.pid, EXIT_TIMEOUT_S)
        if gone is None or ended is None:
            raise RuntimeError(f"a key did not close the saver within {EXIT_TIMEOUT_S} s")
        return gone - pressed, ended - pressed

    def end(self):
        self.process.kill()


class Bench:
    def __init__(self):
        self.session = run_session.current()
        self.screen = x_timing.XTiming(self.session.screen.display)
        self.results = {}

    def cpu_once(self, seconds, stretch, n):
        saver = Saver(self, f"cpu-stretch{stretch}-{n}", stretch)
        try:
            time.sleep(SETTLE_S)
            server = wineserver_pid(self.session.prefix.root)
            before, wall = measuring.process_seconds(saver.pid), time.monotonic()
            server_before = measuring.process_seconds(server) if server else 0.0
            time.sleep(seconds)
            used = measuring.process_seconds(saver.pid) - before
            elapsed = time.monotonic() - wall
            server_used = measuring.process_seconds(server) - server_before if server else None
            resident = measuring.resident_mib(saver.pid)
            if not saver.process.running():
                raise RuntimeError("the saver ended during the run")
        finally:
            saver.end()
        return {"seconds": round(elapsed, 1), "saver_cpu_percent": round(100 * used / elapsed, 2),
                "wineserver_cpu_percent": None if server_used is None else round(100 * server_used / elapsed, 2),
                "resident_mib": resident}

    def cpu(self, seconds, runs, stretches):
        figures = {}
        for stretch in stretches:
            measured = []
            for n in range(runs):
                try:
                    measured.append(self.cpu_once(seconds, stretch, n))
                except (RuntimeError, OSError, AssertionError) as error:
                    measured.append({"error": str(error)})
                r = measured[-1]
                print(f"cpu, Stretch {stretch}, run {n + 1}: " + (
                    f"saver {r['saver_cpu_percent']}% of a core, wineserver {r['wineserver_cpu_percent']}%, "
                    f"over {r['seconds']:.0f} s" if "error" not in r else f"failed: {r['error']}"), flush=True)
            good = [r for r in measured if "error" not in r]
            figures[f"stretch{stretch}"] = {
                "saver_cpu_percent": measuring.spread([r["saver_cpu_percent"] for r in good]),
                "wineserver_cpu_percent": measuring.spread([r["wineserver_cpu_percent"] for r in good]),
                "resident_mib": max((r["resident_mib"] for r in good), default=None),
                "runs": measured,
                "failures": [r["error"] for r in measured if "error" in r],
            }
        self.results["cpu"] = figures

    def close(self, closes):
        """The saver's closes, each followed by one of the empty window's:
        Wine's own cost of ending a windowed process, under the same load."""
        random.seed(2026)
        times = {"saver": ([], []), "empty_window": ([], [])}
        for n in range(closes):
            for what, program in (("saver", run_session.SAVER), ("empty_window", run_session.EMPTY_WINDOW)):
                saver = Saver(self, f"close-{what}-{n}", program=program)
                try:
                    time.sleep(random.uniform(*CLOSE_AFTER_S))
                    window_gone, ended = saver.close_with_key()
                finally:
                    saver.end()
                wait_until(lambda: not self.session.input.visible_windows(FULL_SCREEN_TITLE), EXIT_TIMEOUT_S,
                           "the window gone")
                times[what][0].append(window_gone)
                times[what][1].append(ended)
        for what, (windows, ends) in times.items():
            key = "close" if what == "saver" else f"close_{what}"
            self.results[key] = {
                "closes": closes,
                "window_gone_ms": {"median": round(1000 * statistics.median(windows), 1),
                                   "worst": round(1000 * max(windows), 1)},
                "process_end_ms": {"median": round(1000 * statistics.median(ends), 1),
                                   "worst": round(1000 * max(ends), 1)},
                "window_gone_runs_ms": [round(1000 * w, 1) for w in windows],
                "process_end_runs_ms": [round(1000 * e, 1) for e in ends],
            }
            r = self.results[key]
            print(f"close, {what}, {closes} closes: window gone median {r['window_gone_ms']['median']} ms, worst "
                  f"{r['window_gone_ms']['worst']} ms; process ended median {r['process_end_ms']['median']} ms, "
                  f"worst {r['process_end_ms']['worst']} ms; load average {' '.join(f'{n:.2f}' for n in os.getloadavg())}")

    def soak(self, minutes):
        saver = Saver(self, "soak")
        time.sleep(SETTLE_S)
        samples = []
        deadline = time.monotonic() + minutes * 60
        while time.monotonic() < deadline:
            samples.append(measuring.resident_mib(saver.pid))
            time.sleep(SOAK_SAMPLE_S)
        still_running = saver.process.running()
        window_gone, ended = saver.close_with_key()
        first, last = samples[0], samples[-1]
        self.results["soak"] = {
            "minutes": minutes,
            "resident_mib": {"first": first, "last": last, "max": max(samples)},
            "ran_throughout": still_running,
            "closed_in_ms": round(1000 * ended),
        }
        r = self.results["soak"]
        print(f"soak, {minutes} min: resident {r['resident_mib']['first']} MiB at the start, "
              f"{r['resident_mib']['last']} MiB at the end (max {r['resident_mib']['max']}); ran throughout: "
              f"{still_running}; a key closed it in {r['closed_in_ms']} ms")

    def write(self, what):
        path = os.path.join(self.session.output, f"bench-{what}.json")
        with open(path, "w") as out:
            json.dump(self.results, out, indent=2)
        print(f"written: {path}")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("what", choices=("cpu", "close", "soak", "all"))
    parser.add_argument("--seconds", type=float, default=180)
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--stretch", type=int, nargs="+", default=[0, 1], choices=(0, 1))
    parser.add_argument("--closes", type=int, default=20)
    parser.add_argument("--minutes", type=float, default=10)
    options = parser.parse_args()
    bench = Bench()
    try:
        if options.what in ("cpu", "all"):
            bench.cpu(options.seconds, options.runs, options.stretch)
        if options.what in ("close", "all"):
            bench.close(options.closes)
        if options.what in ("soak", "all"):
            bench.soak(options.minutes)
    finally:
        bench.write(options.what)
        bench.screen.close()
        run_session.close()


if __name__ == "__main__":
    main()
