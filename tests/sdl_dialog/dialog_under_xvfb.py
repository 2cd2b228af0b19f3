#!/usr/bin/env python3
"""The configuration dialog in an SDL window on a virtual X screen, driven
with real key presses: Tab, Space, Enter stores Stretch=1 and exits 1;
Tab, Tab, Space, Enter stores EveryMonitor=1 (the second box is the third
tab stop); Esc exits 0 and writes nothing.

usage: dialog_under_xvfb.py <quibac> <output folder>   (the program runs with /c)
The output folder receives a screenshot of the dialog with the box ticked."""
import os
import subprocess
import sys
import tempfile
import time

CAPTION = "Quib Advent Screen Saver"
INI_NAME = "QUIBAC.INI"
WINDOW_WAIT_S = 20
EXIT_WAIT_S = 20
REDRAW_WAIT_S = 0.5
SETTLE_S = 0.5
SCREEN = "800x600x24"


def start_xvfb():
    """A virtual screen on a free display number."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN, "-nolisten", "tcp", "-noreset"],
                            pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        xvfb.kill()
        sys.exit("Xvfb did not start")
    return xvfb, ":" + number


def xdotool(env, *args):
    return subprocess.run(["xdotool", *args], env=env, capture_output=True, text=True).stdout.split()


def wait_for_window(env, program):
    deadline = time.monotonic() + WINDOW_WAIT_S
    while time.monotonic() < deadline:
        if program.poll() is not None:
            return None
        found = xdotool(env, "search", "--onlyvisible", "--name", CAPTION)
        if found:
            return found[0]
        time.sleep(0.1)
    return None


def run_case(demo, display, name, keys, expected_exit, expected_stretch, screenshot=None, expected_line=None):
    """Runs the dialog, presses the keys, and checks the exit code and the file.
    Returns a list of failures."""
    failures = []
    with tempfile.TemporaryDirectory() as config:
        env = dict(os.environ, DISPLAY=display, XDG_CONFIG_HOME=config, SDL_VIDEODRIVER="x11")
        env.pop("WAYLAND_DISPLAY", None)
        program = subprocess.Popen([demo, "/c"], env=env, stderr=subprocess.PIPE, text=True)
        try:
            window = wait_for_window(env, program)
            if window is None:
                return [f"{name}: no dialog window appeared (stderr: {program.stderr.read() if program.poll() is not None else ''})"]
            geometry = xdotool(env, "getwindowgeometry", window)
            print(f"{name}: window {window} {' '.join(geometry[3:])}")
            xdotool(env, "windowfocus", "--sync", window)
            time.sleep(SETTLE_S)  # the first paint and the focus reach the program
            *before, last = keys
            for key in before:
                xdotool(env, "key", key)
            if screenshot:
                time.sleep(REDRAW_WAIT_S)
                try:
                    subprocess.run(["import", "-display", display, "-window", "root", screenshot], check=False)
                    print(f"{name}: screenshot {screenshot}")
                except FileNotFoundError:
                    print(f"{name}: no screenshot (ImageMagick's import is missing)")
            xdotool(env, "key", last)
            code = program.wait(timeout=EXIT_WAIT_S)
        except subprocess.TimeoutExpired:
            program.kill()
            program.wait()
            return [f"{name}: the dialog did not close"]
        finally:
            if program.poll() is None:
                program.kill()
                program.wait()
        ini = os.path.join(config, INI_NAME)
        text = open(ini, encoding="latin-1").read() if os.path.exists(ini) else None
        print(f"{name}: exit {code}, {INI_NAME}: {text!r}")
        if code != expected_exit:
            failures.append(f"{name}: exit code {code}, expected {expected_exit}; its errors:\n{program.stderr.read()[-3000:]}")
        if expected_stretch is None and text is not None:
            failures.append(f"{name}: {INI_NAME} was written: {text!r}")
        if expected_stretch is not None and (text is None or f"Stretch={expected_stretch}" not in text):
            failures.append(f"{name}: {INI_NAME} holds {text!r}, expected Stretch={expected_stretch}")
        if expected_line is not None and (text is None or expected_line not in text.splitlines()):
            failures.append(f"{name}: {INI_NAME} holds {text!r}, expected the line {expected_line}")
    return failures


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    demo, output = sys.argv[1], sys.argv[2]
    os.makedirs(output, exist_ok=True)
    xvfb, display = start_xvfb()
    try:
        failures = []
        failures += run_case(demo, display, "tab-space-enter", ["Tab", "space", "Return"], 1, 1,
                             screenshot=os.path.join(output, "dialog_box_ticked.png"))
        failures += run_case(demo, display, "tab-tab-space-enter", ["Tab", "Tab", "space", "Return"], 1, 0,
                             screenshot=os.path.join(output, "dialog_every_monitor_ticked.png"),
                             expected_line="EveryMonitor=1")
        failures += run_case(demo, display, "escape", ["Tab", "Escape"], 0, None)
    finally:
        xvfb.terminate()
        xvfb.wait()
    for failure in failures:
        print("FAIL", failure)
    print("passed" if not failures else f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
