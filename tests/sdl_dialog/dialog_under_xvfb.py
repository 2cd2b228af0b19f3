#!/usr/bin/env python3
"""The configuration dialog in an SDL window on a virtual X screen, driven
with real key presses: Tab, Space, Enter stores Stretch=1 and exits 1;
Tab, Tab, Space, Enter stores EveryMonitor=1 (the second box is the third
tab stop); Esc exits 0 and writes nothing. Each key is pressed once the dialog
has shown what the one before it did, never after a fixed wait.

usage: dialog_under_xvfb.py [--skip-missing] <quibac> <output folder>   (the program runs with /c)
The output folder receives a screenshot of the dialog with the box ticked.
Without Xvfb, xdotool or ImageMagick it fails, naming them, unless
--skip-missing or QUIBAC_SKIP_MISSING=1 asks for a skip (exit code 77, which
CTest reports)."""
import os
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
sys.dont_write_bytecode = True

from harness import screenshots, tools  # noqa: E402
from harness.virtual_screen import VirtualScreen  # noqa: E402
from harness.waiting import WaitTimeout, wait_until  # noqa: E402

CAPTION = "Quib Advent Screen Saver"
INI_NAME = "QUIBAC.INI"
WINDOW_WAIT_S = 20
CHANGE_WAIT_S = 20
EXIT_WAIT_S = 20
TOOLS = {"Xvfb": "xvfb", "xdotool": "xdotool", "import": "imagemagick", "convert": "imagemagick"}
SKIPPED_EXIT_CODE = 77


def xdotool(env, *args):
    return subprocess.run(["xdotool", *args], env=env, capture_output=True, text=True).stdout.split()


def window_picture(display, window, path):
    """The window's pixels as they are on the screen now."""
    subprocess.run(["import", "-display", display, "-window", window, "-depth", "8", f"ppm:{path}"], check=True,
                   capture_output=True, timeout=screenshots.COMMAND_TIMEOUT_S)
    with open(path, "rb") as file:
        return screenshots.parse_ppm(file.read())[2]


def picture_when(display, window, path, accept):
    """A check for wait_until: the window's picture, once accept(picture) holds."""
    def check():
        picture = window_picture(display, window, path)
        return picture if accept(picture) else None
    return check


def painted(picture):
    """A frame, a caption and controls: never one colour."""
    return len({picture[i:i + 3] for i in range(0, len(picture), 3)}) > 1


def run_case(demo, display, name, keys, expected_exit, expected_stretch, screenshot=None, expected_line=None):
    """Runs the dialog, presses the keys, and checks the exit code and the file.
    Returns a list of failures."""
    with tempfile.TemporaryDirectory() as config:
        env = dict(os.environ, DISPLAY=display, XDG_CONFIG_HOME=config, SDL_VIDEODRIVER="x11")
        env.pop("WAYLAND_DISPLAY", None)
        picture_path = os.path.join(config, "window.ppm")
        program = subprocess.Popen([demo, "/c"], env=env, stderr=subprocess.PIPE, text=True)
        try:
            def dialog_window():
                if program.poll() is not None:
                    raise WaitTimeout(f"the program ended with {program.returncode}: {program.stderr.read()}")
                found = xdotool(env, "search", "--onlyvisible", "--name", CAPTION)
                return found[0] if found else None

            window = wait_until(dialog_window, WINDOW_WAIT_S, "dialog window")
            xdotool(env, "windowfocus", "--sync", window)
            shown = wait_until(picture_when(display, window, picture_path, painted), CHANGE_WAIT_S,
                               "first paint of the dialog")
            *before, last = keys
            for key in before:
                xdotool(env, "key", key)
                shown = wait_until(picture_when(display, window, picture_path, lambda p, seen=shown: p != seen),
                                   CHANGE_WAIT_S, f"redraw after {key}")
            if screenshot:
                screenshots.capture(display, os.path.splitext(screenshot)[0] + ".ppm").keep()
                print(f"{name}: screenshot {screenshot}")
            xdotool(env, "key", last)
            code = program.wait(timeout=EXIT_WAIT_S)
        except WaitTimeout as timeout:
            return [f"{name}: {timeout}"]
        except subprocess.TimeoutExpired:
            return [f"{name}: the dialog did not close"]
        finally:
            if program.poll() is None:
                program.kill()
                program.wait()
        ini = os.path.join(config, INI_NAME)
        text = open(ini, encoding="latin-1").read() if os.path.exists(ini) else None
        print(f"{name}: exit {code}, {INI_NAME}: {text!r}")
        failures = []
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
    asked, arguments = tools.skip_asked(sys.argv[1:])
    if len(arguments) != 2:
        sys.exit(__doc__)
    missing = [f"{tool} ({package})" for tool, package in TOOLS.items() if shutil.which(tool) is None]
    verdict = tools.refuse_or_skip("sdl_dialog", [f"not installed: {', '.join(missing)}"] if missing else [], asked)
    if verdict is not None:
        return SKIPPED_EXIT_CODE if verdict == 0 else verdict
    demo, output = arguments
    os.makedirs(output, exist_ok=True)
    screen = VirtualScreen.start(os.path.join(output, "xvfb.log"))
    try:
        failures = []
        failures += run_case(demo, screen.display, "tab-space-enter", ["Tab", "space", "Return"], 1, 1,
                             screenshot=os.path.join(output, "dialog_box_ticked.png"))
        failures += run_case(demo, screen.display, "tab-tab-space-enter", ["Tab", "Tab", "space", "Return"], 1, 0,
                             screenshot=os.path.join(output, "dialog_every_monitor_ticked.png"),
                             expected_line="EveryMonitor=1")
        failures += run_case(demo, screen.display, "escape", ["Tab", "Escape"], 0, None)
    finally:
        screen.stop()
    for failure in failures:
        print("FAIL", failure)
    print("passed" if not failures else f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
