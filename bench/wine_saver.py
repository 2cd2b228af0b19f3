#!/usr/bin/env python3
"""The Windows build as a user runs it, measured under Wine on a private X
screen (the end-to-end suite's harness): what it costs while it runs, how
fast it goes when touched, and whether a long run stays flat.

    bench/wine_saver.py cpu [--seconds 120]      processor use at Stretch 0 and 1
    bench/wine_saver.py close [--closes 20]      key press to window gone and to process end
    bench/wine_saver.py soak [--minutes 10]      memory over a long run, closed by a key at the end
    bench/wine_saver.py all                      all three, with their default lengths

Build the win64 preset first. Every figure is printed and also written as
JSON to build/e2e/bench-<what>.json.
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

from harness import session as run_session  # noqa: E402
from harness.test_case import FULL_SCREEN_TITLE, POINTER_HOME  # noqa: E402
from harness.waiting import wait_until  # noqa: E402

CLOCK_TICKS = os.sysconf("SC_CLK_TCK")
PAGE_BYTES = os.sysconf("SC_PAGE_SIZE")
WINDOW_TIMEOUT_S = 60
EXIT_TIMEOUT_S = 30
# After its window appears the saver is left this long before measuring, so
# that its start-up (the calendar's pre-roll, the first reveal) is not counted.
SETTLE_S = 5
# Close requests land at a random moment this far into the show, so they meet
# tick waits, reveals and scene set-ups alike.
CLOSE_AFTER_S = (2.0, 12.0)
SOAK_SAMPLE_S = 10


def process_seconds(pid):
    """Processor time (user + system) of a process so far, in seconds."""
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS


def resident_bytes(pid):
    with open(f"/proc/{pid}/statm") as statm:
        return int(statm.read().split()[1]) * PAGE_BYTES


def wineserver_pid(prefix):
    """The server of the bench's own prefix (other prefixes may have theirs)."""
    wanted = f"WINEPREFIX={prefix}".encode()
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/comm") as comm:
                if comm.read().strip() != "wineserver":
                    continue
            with open(f"/proc/{entry}/environ", "rb") as environ:
                if wanted in environ.read().split(b"\0"):
                    return int(entry)
        except OSError:
            continue
    return None


class Saver:
    """One full-screen run of the saver in the bench's session."""

    def __init__(self, bench, label, stretch=0):
        self.bench = bench
        bench.session.settings.write_stretch(stretch)
        bench.session.input.move_pointer(*POINTER_HOME)
        self.process = bench.session.prefix.start(label, run_session.SAVER, ["/s"], bench.session.log_path(label))
        wait_until(lambda: bench.session.input.visible_windows(FULL_SCREEN_TITLE), WINDOW_TIMEOUT_S,
                   "the saver's window")
        self.pid = self.process.pid

    def close_with_key(self):
        """Presses a key; returns (seconds to the window gone, seconds to the process's end)."""
        started = time.monotonic()
        self.bench.session.input.key("space")
        wait_until(lambda: not self.bench.session.input.visible_windows(FULL_SCREEN_TITLE), EXIT_TIMEOUT_S,
                   "the window gone", interval=0.005)
        window_gone = time.monotonic() - started
        wait_until(lambda: not self.process.running(), EXIT_TIMEOUT_S, "the saver's end", interval=0.005)
        return window_gone, time.monotonic() - started

    def end(self):
        self.process.kill()


class Bench:
    def __init__(self):
        self.session = run_session.current()
        self.results = {}

    def cpu(self, seconds):
        figures = {}
        for stretch in (0, 1):
            saver = Saver(self, f"cpu-stretch{stretch}", stretch)
            time.sleep(SETTLE_S)
            server = wineserver_pid(self.session.prefix.root)
            before, server_before, wall = process_seconds(saver.pid), server and process_seconds(server), time.monotonic()
            time.sleep(seconds)
            used = process_seconds(saver.pid) - before
            elapsed = time.monotonic() - wall
            server_used = process_seconds(server) - server_before if server else 0.0
            resident = resident_bytes(saver.pid)
            saver.end()
            figures[f"stretch{stretch}"] = {
                "seconds": round(elapsed, 1),
                "saver_cpu_percent": round(100 * used / elapsed, 2),
                "wineserver_cpu_percent": round(100 * server_used / elapsed, 2),
                "resident_mib": round(resident / 2**20, 1),
            }
            print(f"cpu, Stretch {stretch}: saver {figures[f'stretch{stretch}']['saver_cpu_percent']}% of a core, "
                  f"wineserver {figures[f'stretch{stretch}']['wineserver_cpu_percent']}%, over {elapsed:.0f} s")
        self.results["cpu"] = figures

    def close(self, closes):
        random.seed(2026)
        windows, ends = [], []
        for n in range(closes):
            saver = Saver(self, f"close-{n}")
            time.sleep(random.uniform(*CLOSE_AFTER_S))
            window_gone, ended = saver.close_with_key()
            windows.append(window_gone)
            ends.append(ended)
        self.results["close"] = {
            "closes": closes,
            "window_gone_ms": {"median": round(1000 * statistics.median(windows)), "worst": round(1000 * max(windows))},
            "process_end_ms": {"median": round(1000 * statistics.median(ends)), "worst": round(1000 * max(ends))},
        }
        r = self.results["close"]
        print(f"close, {closes} closes: window gone median {r['window_gone_ms']['median']} ms, worst "
              f"{r['window_gone_ms']['worst']} ms; process ended median {r['process_end_ms']['median']} ms, worst "
              f"{r['process_end_ms']['worst']} ms")

    def soak(self, minutes):
        saver = Saver(self, "soak")
        time.sleep(SETTLE_S)
        samples = []
        deadline = time.monotonic() + minutes * 60
        while time.monotonic() < deadline:
            samples.append(resident_bytes(saver.pid))
            time.sleep(SOAK_SAMPLE_S)
        still_running = saver.process.running()
        window_gone, ended = saver.close_with_key()
        first, last = samples[0], samples[-1]
        self.results["soak"] = {
            "minutes": minutes,
            "resident_mib": {"first": round(first / 2**20, 1), "last": round(last / 2**20, 1),
                             "max": round(max(samples) / 2**20, 1)},
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
    parser.add_argument("--seconds", type=float, default=120)
    parser.add_argument("--closes", type=int, default=20)
    parser.add_argument("--minutes", type=float, default=10)
    options = parser.parse_args()
    bench = Bench()
    try:
        if options.what in ("cpu", "all"):
            bench.cpu(options.seconds)
        if options.what in ("close", "all"):
            bench.close(options.closes)
        if options.what in ("soak", "all"):
            bench.soak(options.minutes)
    finally:
        bench.write(options.what)
        run_session.close()


if __name__ == "__main__":
    main()
