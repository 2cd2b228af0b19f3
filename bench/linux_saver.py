#!/usr/bin/env python3
"""What the native Linux program costs while it runs full screen, on a
private X screen (1920 x 1080 by default): processor time of the program and
of the X server over wall time, at Stretch 0 and 1; then, in the same run and
at the same size, the Windows build under Wine through bench/wine_saver.py.

    bench/linux_saver.py [--seconds 120] [--size 1920x1080] [--no-wine]

Build the linux preset first (and win64 for the Wine figures). Every figure
is printed and also written as JSON to build/linux/bench-linux-cpu.json.
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
CLOCK_TICKS = os.sysconf("SC_CLK_TCK")
PAGE_BYTES = os.sysconf("SC_PAGE_SIZE")
WINDOW_TIMEOUT_S = 60
# The start-up (calendar pre-roll, first reveal) is left out of the figures.
SETTLE_S = 5
TITLE = "Quib Advent Calendar"
PROGRAM = os.path.join(ROOT, "build", "linux", "quibac")
# Each run: a label and the Stretch setting.
RUNS = [("stretch0", 0), ("stretch1", 1)]
# How the program puts its frames on the screen, for the record.
PRESENTATION = "window surface"


def process_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS


def resident_mib(pid):
    with open(f"/proc/{pid}/statm") as statm:
        return round(int(statm.read().split()[1]) * PAGE_BYTES / 2**20, 1)


def watch(saver, server_pid, seconds):
    """Processor shares of a running saver and of its X server over seconds of
    wall time, whether the saver ran throughout, and its resident memory."""
    before, server_before, wall = process_seconds(saver.pid), process_seconds(server_pid), time.monotonic()
    time.sleep(seconds)
    used = process_seconds(saver.pid) - before
    server_used = process_seconds(server_pid) - server_before
    elapsed = time.monotonic() - wall
    ran = saver.poll() is None
    return {"seconds": round(elapsed, 1), "saver_cpu_percent": round(100 * used / elapsed, 2),
            "server_cpu_percent": round(100 * server_used / elapsed, 2), "ran_throughout": ran,
            "resident_mib": resident_mib(saver.pid) if ran else None}


def start_xvfb(width, height):
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
                               "-nolisten", "tcp"], pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            raise RuntimeError("Xvfb did not start")
        number += chunk
    os.close(read_end)
    return server, f":{int(number)}"


def wait_for_window(display):
    deadline = time.monotonic() + WINDOW_TIMEOUT_S
    while time.monotonic() < deadline:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{TITLE}$"], capture_output=True,
                               env={**os.environ, "DISPLAY": display})
        if found.stdout.strip():
            return
        time.sleep(0.1)
    raise RuntimeError("the saver's window did not appear")


def measure_native(display, server, seconds, stretch):
    config = tempfile.mkdtemp(prefix="quibac-bench-")
    with open(os.path.join(config, "QUIBAC.INI"), "w") as ini:
        ini.write(f"[Quib Advent Screen Saver]\nStretch={stretch}\n")
    env = {**os.environ, "DISPLAY": display, "XDG_CONFIG_HOME": config}
    saver = subprocess.Popen([PROGRAM, "/s"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        wait_for_window(display)
        time.sleep(SETTLE_S)
        figures = watch(saver, server.pid, seconds)
    finally:
        saver.kill()
        saver.wait()
        shutil.rmtree(config, ignore_errors=True)
    figures["xvfb_cpu_percent"] = figures.pop("server_cpu_percent")
    return figures


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--seconds", type=float, default=120)
    parser.add_argument("--size", default="1920x1080")
    parser.add_argument("--no-wine", action="store_true")
    options = parser.parse_args()
    width, height = (int(n) for n in options.size.split("x"))
    results = {"size": options.size, "native": {}}
    server, display = start_xvfb(width, height)
    try:
        for label, stretch in RUNS:
            figures = measure_native(display, server, options.seconds, stretch)
            figures["renderer"] = PRESENTATION
            results["native"][label] = figures
            print(f"native {label} ({figures['renderer']}): saver {figures['saver_cpu_percent']}% of a core, "
                  f"Xvfb {figures['xvfb_cpu_percent']}%, over {figures['seconds']:.0f} s at {options.size}"
                  f"{'' if figures['ran_throughout'] else ' (it ended early)'}", flush=True)
    finally:
        server.terminate()
        server.wait()
    if not options.no_wine:
        print("wine, through bench/wine_saver.py:", flush=True)
        wine = subprocess.run([sys.executable, os.path.join(HERE, "wine_saver.py"), "cpu", "--seconds",
                               str(options.seconds)], env={**os.environ, "QUIBAC_XVFB_SIZE": options.size})
        results["wine_exit_code"] = wine.returncode
    path = os.path.join(ROOT, "build", "linux", "bench-linux-cpu.json")
    with open(path, "w") as out:
        json.dump(results, out, indent=2)
    print(f"written: {path}")


if __name__ == "__main__":
    main()
