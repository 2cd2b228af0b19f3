"""What the bench scripts share: a process's processor time and memory, a
private X screen, and the spread of repeated runs."""

import os
import statistics
import subprocess
import time

CLOCK_TICKS = os.sysconf("SC_CLK_TCK")
PAGE_BYTES = os.sysconf("SC_PAGE_SIZE")
# A loaded machine's X server now and then drops a connection or fails to
# start; a screen is asked for this many times before the bench gives up.
XVFB_ATTEMPTS = 3


def process_seconds(pid):
    """Processor time (user + system) of a process so far, in seconds."""
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS


def resident_mib(pid):
    with open(f"/proc/{pid}/statm") as statm:
        return round(int(statm.read().split()[1]) * PAGE_BYTES / 2**20, 1)


def _start_xvfb_once(width, height):
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
                               "-nolisten", "tcp"], pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            os.close(read_end)
            server.wait()
            raise RuntimeError("Xvfb did not start")
        number += chunk
    os.close(read_end)
    return server, f":{int(number)}"


def start_xvfb(width, height):
    """A private X screen: (its process, its DISPLAY)."""
    for attempt in range(1, XVFB_ATTEMPTS + 1):
        try:
            return _start_xvfb_once(width, height)
        except RuntimeError:
            if attempt == XVFB_ATTEMPTS:
                raise
            time.sleep(1)
    raise AssertionError("unreachable")


def stop(process):
    if process.poll() is None:
        process.terminate()
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def spread(values, digits=2):
    """Median, smallest and largest of the values that were measured."""
    values = [v for v in values if v is not None]
    if not values:
        return {"median": None, "min": None, "max": None, "runs": 0}
    return {"median": round(statistics.median(values), digits), "min": round(min(values), digits),
            "max": round(max(values), digits), "runs": len(values)}
