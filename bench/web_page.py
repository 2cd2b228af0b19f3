#!/usr/bin/python3
"""What the page costs while it shows the calendar, beside what the native
program costs in the same run at the same size: processor time of every
process of headless Chromium (browser, renderer, GPU and utility processes,
and chromedriver) over wall time, with the site served by a plain static
server; then the native program full screen on a private X screen, itself
and with its X server (bench/linux_saver.py's measurement). Stretch 0.

    bench/web_page.py [--seconds 60] [--size 1920x1080]

Build the web preset (the site) and the linux preset (the program) first. The
figures are printed and written as JSON to build/web/bench-web-cpu.json.
"""

import argparse
import json
import os
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(ROOT, "tests", "web"))
sys.dont_write_bytecode = True

import linux_saver  # noqa: E402
import site_browser  # noqa: E402

SITE = os.path.join(ROOT, "build", "web", "site")
OUTPUT = os.path.join(ROOT, "build", "web", "bench-web-cpu.json")
START_TIMEOUT_S = 90
# The start-up (a first visit's reload, compiling, the calendar's pre-roll,
# the first reveal) is left out of the figures, as it is for the native one.
SETTLE_S = linux_saver.SETTLE_S


def seconds_of(pids):
    """Processor seconds used so far by each process still there."""
    used = {}
    for pid in pids:
        try:
            used[pid] = linux_saver.process_seconds(pid)
        except OSError:
            pass
    return used


def wait_for_show(browser):
    deadline = time.monotonic() + START_TIMEOUT_S
    while time.monotonic() < deadline:
        try:
            if browser.canvas_size() != (300, 150) and site_browser.shows_the_show(browser.canvas_image()):
                return
        except Exception:  # the page is between its two loads
            pass
        time.sleep(0.2)
    raise RuntimeError("the page did not show the calendar")


def measure_page(seconds, width, height):
    server = site_browser.StaticServer(SITE)
    browser = None
    try:
        browser = site_browser.Browser(width, height)
        browser.open(server.url())
        wait_for_show(browser)
        time.sleep(SETTLE_S)
        before, wall = seconds_of(browser.pids()), time.monotonic()
        time.sleep(seconds)
        after = seconds_of(browser.pids())
        elapsed = time.monotonic() - wall
        # A process that started meanwhile counts from its start; one that
        # ended took its time with it (the JSON says how many did).
        used = sum(after[pid] - before.get(pid, 0.0) for pid in after)
        ended = sum(1 for pid in before if pid not in after)
        wait_for_show(browser)
        return {"seconds": round(elapsed, 1), "page_cpu_percent": round(100 * used / elapsed, 2),
                "processes": len(after), "processes_ended": ended}
    finally:
        if browser:
            browser.quit()
        server.stop()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--seconds", type=float, default=60)
    parser.add_argument("--size", default="1920x1080")
    options = parser.parse_args()
    if options.seconds < 0.5:
        parser.error("every timed run lasts half a second or more")
    missing = site_browser.missing_tools()
    if missing:
        raise SystemExit(f"web_page: not installed: {', '.join(missing)}")
    width, height = (int(n) for n in options.size.split("x"))
    page = measure_page(options.seconds, width, height)
    print(f"page: {page['page_cpu_percent']}% of a core over {page['seconds']:.0f} s at {options.size} "
          f"({page['processes']} processes)", flush=True)
    server, display = linux_saver.start_xvfb(width, height)
    try:
        native = linux_saver.measure_native(display, server, options.seconds, 0)
    finally:
        server.terminate()
        server.wait()
    native_total = native["saver_cpu_percent"] + native["xvfb_cpu_percent"]
    print(f"native: {native['saver_cpu_percent']}% of a core, with Xvfb {native_total:.2f}%, over "
          f"{native['seconds']:.0f} s at {options.size}", flush=True)
    results = {"size": options.size, "page": page, "native": native,
               "page_over_native_with_x": round(page["page_cpu_percent"] / max(native_total, 0.01), 2)}
    os.makedirs(os.path.dirname(OUTPUT), exist_ok=True)
    with open(OUTPUT, "w") as out:
        json.dump(results, out, indent=2)
    print(f"written: {OUTPUT}")


if __name__ == "__main__":
    main()
