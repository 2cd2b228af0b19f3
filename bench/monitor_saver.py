#!/usr/bin/env python3
"""What the native Linux program costs full screen with EveryMonitor on, over
one, two and three emulated monitors of 1280 x 1024 (Xorg's dummy driver, one
output each), all in the same run: processor time of the program and of the
X server over wall time, and the program's resident memory at the end.

    bench/monitor_saver.py [--seconds 120] [--json PATH]

Build the linux preset first. Every figure is printed and written as JSON
(default build/linux/bench-monitors.json).
"""

import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
sys.dont_write_bytecode = True

from harness.monitor_screen import Monitor, MonitorScreen  # noqa: E402
from linux_saver import TITLE, watch  # noqa: E402

PROGRAM = os.path.join(ROOT, "build", "linux", "quibac")
MONITOR_SIZE = (1280, 1024)
# The second right of the primary monitor, the third left of it.
LAYOUTS = {1: [Monitor(*MONITOR_SIZE)],
           2: [Monitor(*MONITOR_SIZE), Monitor(*MONITOR_SIZE, "right")],
           3: [Monitor(*MONITOR_SIZE), Monitor(*MONITOR_SIZE, "right"), Monitor(*MONITOR_SIZE, "left")]}
WINDOW_TIMEOUT_S = 60
# The start-up (calendar pre-roll, first reveal) is left out of the figures.
SETTLE_S = 5


def wait_for_windows(display, count):
    deadline = time.monotonic() + WINDOW_TIMEOUT_S
    while time.monotonic() < deadline:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{TITLE}$"], capture_output=True,
                               text=True, env={**os.environ, "DISPLAY": display})
        if len(found.stdout.split()) >= count:
            return
        time.sleep(0.1)
    raise RuntimeError(f"the saver's {count} windows did not appear")


def measure(monitors, seconds, logs):
    screen = MonitorScreen.start(os.path.join(logs, f"xorg-{len(monitors)}.log"), monitors)
    config = tempfile.mkdtemp(prefix="quibac-bench-monitors-")
    try:
        with open(os.path.join(config, "QUIBAC.INI"), "w") as ini:
            ini.write("[Quib Advent Screen Saver]\nStretch=0\nEveryMonitor=1\n")
        env = {**os.environ, "DISPLAY": screen.display, "XDG_CONFIG_HOME": config}
        saver = subprocess.Popen([PROGRAM, "/s"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            wait_for_windows(screen.display, len(monitors))
            time.sleep(SETTLE_S)
            figures = watch(saver, screen.pid, seconds)
        finally:
            saver.kill()
            saver.wait()
    finally:
        screen.stop()
        shutil.rmtree(config, ignore_errors=True)
    figures["xorg_cpu_percent"] = figures.pop("server_cpu_percent")
    return {"monitors": len(monitors), **figures}


def measure_all(seconds):
    logs = tempfile.mkdtemp(prefix="quibac-bench-monitors-logs-")
    try:
        return [measure(monitors, seconds, logs) for monitors in LAYOUTS.values()]
    finally:
        shutil.rmtree(logs, ignore_errors=True)


def report_rows(seconds, row):
    """bench/report's rows: each monitor count beside one monitor, measured in
    the same run; row makes a row as the report does."""
    runs = measure_all(seconds)
    one = runs[0]
    size = f"{MONITOR_SIZE[0]}x{MONITOR_SIZE[1]}"
    rows = []
    for figures in runs:
        count = figures["monitors"]
        extra = {k: figures[k] for k in ("seconds", "xorg_cpu_percent", "ran_throughout")}
        rows.append(row(f"CPU, native, EveryMonitor on, {count} monitor(s) of {size}", figures["saver_cpu_percent"],
                        "% of a core", "one monitor", one["saver_cpu_percent"],
                        f"x{figures['saver_cpu_percent'] / max(one['saver_cpu_percent'], 0.01):.2f}; "
                        f"Xorg {figures['xorg_cpu_percent']}%", extra))
        if figures["resident_mib"] is not None and one["resident_mib"] is not None:
            rows.append(row(f"resident memory, native, EveryMonitor on, {count} monitor(s)", figures["resident_mib"],
                            "MiB", "one monitor", one["resident_mib"],
                            f"+{figures['resident_mib'] - one['resident_mib']:.1f} MiB", {}))
    return rows


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--seconds", type=float, default=120)
    parser.add_argument("--json", default=os.path.join(ROOT, "build", "linux", "bench-monitors.json"))
    options = parser.parse_args()
    results = {"monitor_size": f"{MONITOR_SIZE[0]}x{MONITOR_SIZE[1]}", "runs": measure_all(options.seconds)}
    for figures in results["runs"]:
        print(f"{figures['monitors']} monitor(s): saver {figures['saver_cpu_percent']}% of a core, Xorg "
              f"{figures['xorg_cpu_percent']}%, {figures['resident_mib']} MiB resident, over "
              f"{figures['seconds']:.0f} s{'' if figures['ran_throughout'] else ' (it ended early)'}")
    os.makedirs(os.path.dirname(os.path.abspath(options.json)), exist_ok=True)
    with open(options.json, "w") as out:
        json.dump(results, out, indent=2)
    print(f"written: {options.json}")


if __name__ == "__main__":
    main()
