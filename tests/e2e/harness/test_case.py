"""The base of every end-to-end test: programs started under Wine in the
run's prefix and ended with the test, screenshots kept only when the test
fails (or when a test keeps one to be looked at), and waits on the screen."""

import ntpath
import os
import shutil
import unittest

from . import session as run_session
from .screenshots import capture
from .waiting import wait_until

WINDOW_TIMEOUT_S = 30
SCREEN_TIMEOUT_S = 30
CLEANUP_TIMEOUT_S = 20
FULL_SCREEN_TITLE = "Screen Saver"
# The full-screen saver takes the pointer's position at its start as the
# point movement is measured from, so it is started with the pointer here;
# with no window manager, keys go to the window under the pointer, the saver.
POINTER_HOME = (600, 400)


class E2ETestCase(unittest.TestCase):
    maxDiff = None

    def setUp(self):
        self.session = run_session.current()
        self.input = self.session.input
        self._processes = []
        self._screenshots = {}  # by path: the captures kept only if the test fails
        self._started = 0
        # Every test starts from the default settings.
        self.session.settings.remove()
        self.addCleanup(self._end_processes)

    # ---- names ----------------------------------------------------------------
    def _name(self):
        return f"{type(self).__name__}.{self._testMethodName}"

    def control_folder(self, name):
        """A new empty folder for files shared with a Windows program: (Unix path, Windows path)."""
        folder = os.path.join(self.session.folder("control"), self._name(), name)
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        return folder, self.session.prefix.windows_path(folder)

    # ---- programs ---------------------------------------------------------------
    def start(self, program, *arguments, channels=None, environment=None):
        """Starts a Windows program of the prefix; it is ended with the test."""
        self._started += 1
        label = f"{self._name()}-{self._started}-{ntpath.basename(program)}"
        process = self.session.prefix.start(label, program, arguments, self.session.log_path(label),
                                            channels, environment)
        self._processes.append(process)
        return process

    def start_saver(self, *arguments, **options):
        return self.start(run_session.SAVER, *arguments, **options)

    def start_full_screen(self, program=run_session.SAVER, **options):
        """Starts program /s with the pointer at POINTER_HOME; returns once its window is up."""
        self.input.move_pointer(*POINTER_HOME)
        process = self.start(program, "/s", **options)
        self.wait_for_window(FULL_SCREEN_TITLE)
        return process

    def _end_processes(self):
        for process in self._processes:
            process.kill()
        # A saver window left behind would make the next saver step aside for it.
        wait_until(lambda: not self.input.visible_windows(FULL_SCREEN_TITLE), CLEANUP_TIMEOUT_S,
                   "disappearance of the full-screen window after the test")

    # ---- the screen ---------------------------------------------------------------
    def screenshot(self, label):
        path = os.path.join(self.session.folder("screenshots"), f"{self._name()}-{label}.ppm")
        shot = capture(self.session.screen.display, path)
        self._screenshots[path] = shot
        return shot

    def keep(self, screenshot):
        """Keeps a screenshot as PNG whatever the outcome; returns its path."""
        self._screenshots.pop(screenshot.path, None)
        return screenshot.keep()

    def wait_for_screen(self, check, what, label, timeout=SCREEN_TIMEOUT_S):
        """Captures the screen until check(screenshot) holds; returns that screenshot."""
        last = []

        def holds():
            last[:] = [self.screenshot(label)]
            return check(last[0])

        wait_until(holds, timeout, what,
                   seen=lambda: f"something else (screenshot {_png_name(last[0].path)})" if last else "nothing")
        return last[0]

    def wait_for_window(self, name, timeout=WINDOW_TIMEOUT_S):
        windows = wait_until(lambda: self.input.visible_windows(name), timeout, f"window named {name!r}",
                             seen=lambda: "none")
        return windows[0]

    # ---- the outcome --------------------------------------------------------------
    def run(self, result=None):
        if result is None:
            result = self.defaultTestResult()
        problems = len(result.failures) + len(result.errors)
        super().run(result)
        failed = len(result.failures) + len(result.errors) > problems
        # A skipped test never ran setUp, and has none.
        for shot in getattr(self, "_screenshots", {}).values():
            if failed:
                shot.keep()
            else:
                shot.discard()
        return result


def _png_name(path):
    return os.path.splitext(path)[0] + ".png"
