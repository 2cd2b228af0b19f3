"""The full-screen saver (/s) over two monitors, under Wine on an X server
with two outputs (Xorg's dummy driver: Xvfb shows Wine one monitor only).
The second monitor lies left of the primary one, at negative coordinates in
Windows' terms. Off (the default), EveryMonitor covers it in black; on, it
shows the calendar too. Input over it closes the saver, with exit code 0.

This module has an X server and a Wine prefix of its own
(build/e2e/prefix-monitors), since the run's shared ones have one monitor.
"""

import os
import shutil
import unittest

from harness import session as run_session
from harness.monitor_screen import Monitor, MonitorScreen
from harness.per_run import PerRun
from harness.screenshots import Region, capture
from harness.settings_file import FILE_NAME, SECTION
from harness.waiting import wait_until

PRIMARY = Monitor(1024, 768)
SECOND = Monitor(800, 600, "left")
# Where X puts them: the second at the root's origin, the primary beside it.
SECOND_ON_X = Region(0, 0, SECOND.width, SECOND.height)
PRIMARY_ON_X = Region(SECOND.width, 0, PRIMARY.width, PRIMARY.height)
# The primary monitor's centred 800 x 600 picture (Stretch 0).
PRIMARY_PICTURE = Region(PRIMARY_ON_X.x + 112, 84, 800, 600)
DESKTOP = 0x336699
TITLE = "Screen Saver"
WINDOW_TIMEOUT_S = 60
SCREEN_TIMEOUT_S = 60
EXIT_TIMEOUT_S = 30
# A picture has many colours; black or the desktop has one.
PICTURE_COLOURS = 8
# A move of more than the saver's four pixels.
LARGE_MOVE = (30, 0)


def colours(shot, region):
    """The distinct colours in a region, sampled every 4 pixels."""
    seen = set()
    stride = shot.width * 3
    for y in range(region.y, region.y + region.height, 4):
        for x in range(region.x, region.x + region.width, 4):
            start = y * stride + x * 3
            seen.add(shot._pixels[start:start + 3])
    return seen


def shows_picture(shot, region):
    return len(colours(shot, region)) >= PICTURE_COLOURS


def whole_picture(shot, region):
    """The picture comes a few rows at a time, interlaced, over a white
    background: it is all there once no row of it is black."""
    return shows_picture(shot, region) and not shot.has_black_row(region)


class MonitorSession:
    """Xorg with two outputs, a prefix on it and the saver installed there."""

    def __init__(self):
        self.output = run_session.output_folder()
        self.shots = os.path.join(self.output, "screenshots")
        self.logs = os.path.join(self.output, "logs")
        for folder in (self.shots, self.logs):
            os.makedirs(folder, exist_ok=True)
        build = run_session.Build(run_session.build_folder())
        self.screen = MonitorScreen.start(os.path.join(self.logs, "xorg-monitors.log"), [PRIMARY, SECOND])
        self.input, self.prefix = run_session.open_prefix(self.screen, os.path.join(self.output, "prefix-monitors"),
                                                          os.path.join(self.logs, "wine-setup-monitors.log"))
        target = self.prefix.unix_path(run_session.SAVER)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copyfile(build.saver, target)
        self.settings = os.path.join(self.prefix.drive_c, "windows", FILE_NAME)

    def write_settings(self, every_monitor):
        with open(self.settings, "w", newline="\r\n") as file:
            file.write(f"[{SECTION}]\nStretch=0\nEveryMonitor={every_monitor}\n")

    def close(self):
        run_session.close_prefix(self.prefix, self.input, self.screen)


session = PerRun(MonitorSession)


class EveryMonitorTest(unittest.TestCase):
    def setUp(self):
        self.session = session()
        self.input = self.session.input
        self.session.screen.paint_desktop(DESKTOP)
        self.process = None

    def tearDown(self):
        if self.process:
            self.process.kill()
        wait_until(lambda: not self.input.visible_windows(TITLE), EXIT_TIMEOUT_S, "the saver's window gone")

    def capture(self, label):
        return capture(self.session.screen.display, os.path.join(self.session.shots, f"monitors-{label}.ppm"))

    def start_over_second_monitor(self, every_monitor):
        """The saver started with the pointer over the second monitor, where
        it will be touched; returns the first capture that check accepts."""
        self.session.write_settings(every_monitor)
        self.input.move_pointer(SECOND_ON_X.width // 2, SECOND_ON_X.height // 2)
        name = f"every-monitor-{every_monitor}"
        self.process = self.session.prefix.start(name, run_session.SAVER, ["/s"],
                                                 os.path.join(self.session.logs, f"{name}.log"))
        wait_until(lambda: self.input.visible_windows(TITLE), WINDOW_TIMEOUT_S, "the saver's window")

    def wait_for(self, check, what, label):
        last = []

        def holds():
            if last:
                last[0].discard()
            last[:] = [self.capture(label)]
            return check(last[0])

        wait_until(holds, SCREEN_TIMEOUT_S, what, seen=lambda: "something else")
        return last[0]

    def test_by_default_the_second_monitor_is_black_and_a_key_over_it_ends_the_saver(self):
        self.start_over_second_monitor(0)
        shot = self.wait_for(lambda s: whole_picture(s, PRIMARY_PICTURE) and s.is_black(SECOND_ON_X),
                             "the picture on the primary monitor, black on the second", "black-cover")
        print(f"\n  kept {shot.keep()}")
        self.input.key("space")
        self.assertEqual(self.process.wait_exit(EXIT_TIMEOUT_S), 0, self.process.log_tail())

    def test_with_every_monitor_both_show_the_calendar_and_a_move_over_the_second_ends_it(self):
        self.start_over_second_monitor(1)
        shot = self.wait_for(lambda s: whole_picture(s, PRIMARY_PICTURE) and whole_picture(s, SECOND_ON_X),
                             "the picture on both monitors", "every-monitor")
        print(f"\n  kept {shot.keep()}")
        x, y = self.input.pointer()
        self.input.move_pointer(x + LARGE_MOVE[0], y + LARGE_MOVE[1])
        self.assertEqual(self.process.wait_exit(EXIT_TIMEOUT_S), 0, self.process.log_tail())
        after = self.wait_for(lambda s: not s.is_black(SECOND_ON_X) and not shows_picture(s, SECOND_ON_X),
                              "the desktop back on the second monitor", "after")
        after.discard()


if __name__ == "__main__":
    unittest.main()
