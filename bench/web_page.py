#!/usr/bin/python3
"""What the page costs while it shows the calendar, beside what the native
program costs in the same run at the same size: processor time of every
process of headless Chromium (browser, renderer, GPU and utility processes,
and chromedriver) over wall time, with the site served by a plain static
server; then the native program full screen on a private X screen, itself
and with its X server (bench/linux_saver.py's measurement). Stretch 0, and
both show 7 December from seed 7, so that both spend the minute on the same
scenes.

As a floor for any page, the same browser is also measured showing a bare
canvas set up as the page's (the picture's size, centred, opaque and
desynchronized) that redraws a 66 x 66 patch once every tick of the show
(120 ms): what Chromium itself spends on a canvas that changes that often.
Each figure is split by kind of process (browser, renderer, GPU, utility,
and chromedriver, which is the measurement's and idle while it measures). And the site's weight: every file of build/web/site compressed with
gzip -9, which is what a first visit transfers (the service worker keeps a
copy of each).

    bench/web_page.py [--seconds 60] [--size 1920x1080]

Build the web preset (the site) and the linux preset (the program) first. The
figures are printed and written as JSON to build/web/bench-web-cpu.json.
"""

import argparse
import gzip
import json
import os
import shutil
import sys
import tempfile
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
# What a day shows, and when, weighs more than the page: both are pinned.
PINNED_DATE, PINNED_SEED = "2026-12-07", "7"
# The start-up (a first visit's reload, compiling, the calendar's pre-roll,
# the first reveal) is left out of the figures, as it is for the native one.
SETTLE_S = linux_saver.SETTLE_S


# A canvas set up as the page sets up its own (opaque, desynchronized, the
# picture's size in the middle of the window, as it is when centred), one
# patch of it redrawn at the show's tick, and nothing else.
BARE_CANVAS = """<!doctype html><html><body style="margin:0;background:#000">
<canvas id="show" style="position:fixed"></canvas><script>
const canvas = document.getElementById("show");
canvas.width = 800;
canvas.height = 600;
const ratio = devicePixelRatio;
canvas.style.cssText = `position:fixed;left:${Math.floor((innerWidth * ratio - 800) / 2) / ratio}px;` +
  `top:${Math.floor((innerHeight * ratio - 600) / 2) / ratio}px;width:${800 / ratio}px;height:${600 / ratio}px`;
const context = canvas.getContext("2d", { alpha: false, desynchronized: true });
const patch = context.createImageData(66, 66);
patch.data.fill(255);
let n = 0;
setInterval(() => { patch.data[0] = n++ & 255; context.putImageData(patch, 300, 200); }, 120);
</script></body></html>
"""


def site_weight(site):
    """Bytes of the site, as they are and compressed with gzip -9."""
    plain = compressed = 0
    for name in sorted(os.listdir(site)):
        with open(os.path.join(site, name), "rb") as source:
            data = source.read()
        plain += len(data)
        compressed += len(gzip.compress(data, compresslevel=9))
    return plain, compressed


def process_kind(pid):
    """browser, renderer, gpu-process, utility:<sub-type>, zygote, ... or
    chromedriver, from the process's command line."""
    try:
        with open(f"/proc/{pid}/cmdline", "rb") as source:
            # A child rewrites its title as one line of words.
            words = source.read().decode(errors="replace").replace("\0", " ").split()
    except OSError:
        return "gone"
    if words and os.path.basename(words[0]).startswith("chromedriver"):
        return "chromedriver"
    kind = next((w.split("=", 1)[1] for w in words if w.startswith("--type=")), "browser")
    sub = next((w.split("=", 1)[1] for w in words if w.startswith("--utility-sub-type=")), None)
    return f"{kind}:{sub.rsplit('.', 1)[-1]}" if sub else kind


def seconds_of(pids):
    """Processor seconds used so far by each process still there."""
    used = {}
    for pid in pids:
        try:
            used[pid] = linux_saver.process_seconds(pid)
        except OSError:
            pass
    return used


def showing(browser):
    return browser.canvas_size() != (300, 150) and site_browser.shows_the_show(browser.canvas_image())


def drawing(browser):
    return browser.canvas_size() != (300, 150)


def wait_for_show(browser, ready=showing):
    deadline = time.monotonic() + START_TIMEOUT_S
    while time.monotonic() < deadline:
        try:
            if ready(browser):
                return
        except Exception:  # the page is between its two loads
            pass
        time.sleep(0.2)
    raise RuntimeError("the page did not show the calendar")


def measure_page(seconds, width, height, folder=SITE, ready=showing, query=""):
    server = site_browser.StaticServer(folder)
    browser = None
    try:
        browser = site_browser.Browser(width, height)
        browser.open(server.url(query))
        wait_for_show(browser, ready)
        time.sleep(SETTLE_S)
        before, wall = seconds_of(browser.pids()), time.monotonic()
        time.sleep(seconds)
        after = seconds_of(browser.pids())
        elapsed = time.monotonic() - wall
        # A process that started meanwhile counts from its start; one that
        # ended took its time with it (the JSON says how many did).
        used = sum(after[pid] - before.get(pid, 0.0) for pid in after)
        ended = sum(1 for pid in before if pid not in after)
        # Where the time went, by kind of process; chromedriver is the
        # measurement's own, not a visitor's.
        split = {}
        for pid in after:
            kind = process_kind(pid)
            split[kind] = round(split.get(kind, 0.0) + 100 * (after[pid] - before.get(pid, 0.0)) / elapsed, 2)
        driver = split.get("chromedriver", 0.0)
        wait_for_show(browser, ready)
        return {"seconds": round(elapsed, 1), "page_cpu_percent": round(100 * used / elapsed, 2),
                "browser_cpu_percent": round(100 * used / elapsed - driver, 2), "by_process": split,
                "processes": len(after), "processes_ended": ended}
    finally:
        if browser:
            browser.quit()
        server.stop()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--seconds", type=float, default=60)
    parser.add_argument("--size", default="1920x1080")
    parser.add_argument("--site", default=SITE, help="the site to serve (default: build/web/site)")
    parser.add_argument("--no-floor", action="store_true", help="leave out the bare canvas's figure")
    options = parser.parse_args()
    if options.seconds < 0.5:
        parser.error("every timed run lasts half a second or more")
    missing = site_browser.missing_tools()
    if missing:
        raise SystemExit(f"web_page: not installed: {', '.join(missing)}")
    width, height = (int(n) for n in options.size.split("x"))
    page = measure_page(options.seconds, width, height, options.site,
                        query=f"date={PINNED_DATE}&seed={PINNED_SEED}")
    print(f"page: {page['page_cpu_percent']}% of a core over {page['seconds']:.0f} s at {options.size} "
          f"({page['processes']} processes): {page['by_process']}", flush=True)
    bare = None
    if not options.no_floor:
        bare_folder = tempfile.mkdtemp(prefix="quibac-bare-canvas-")
        try:
            with open(os.path.join(bare_folder, "index.html"), "w") as out:
                out.write(BARE_CANVAS)
            bare = measure_page(options.seconds, width, height, bare_folder, drawing)
        finally:
            shutil.rmtree(bare_folder, ignore_errors=True)
        print(f"bare canvas at the show's tick: {bare['page_cpu_percent']}% of a core: {bare['by_process']}",
              flush=True)
    server, display = linux_saver.start_xvfb(width, height)
    try:
        native = linux_saver.measure_native(display, server, options.seconds, 0,
                                            ("--date", PINNED_DATE, "--seed", PINNED_SEED))
    finally:
        server.terminate()
        server.wait()
    native_total = native["saver_cpu_percent"] + native["xvfb_cpu_percent"]
    print(f"native: {native['saver_cpu_percent']}% of a core, with Xvfb {native_total:.2f}%, over "
          f"{native['seconds']:.0f} s at {options.size}", flush=True)
    plain, compressed = site_weight(options.site)
    print(f"site: {plain} bytes, {compressed} with gzip -9", flush=True)
    results = {"size": options.size, "page": page, "bare_canvas": bare, "native": native,
               "page_over_native_with_x": round(page["page_cpu_percent"] / max(native_total, 0.01), 2),
               "site_bytes": plain, "site_gzip_bytes": compressed}
    os.makedirs(os.path.dirname(OUTPUT), exist_ok=True)
    with open(OUTPUT, "w") as out:
        json.dump(results, out, indent=2)
    print(f"written: {OUTPUT}")


if __name__ == "__main__":
    main()
