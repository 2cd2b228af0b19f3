"""The base of the installer's tests: the run's X screen and Wine prefixes
(a fresh prefix for each test, discarded with it), and the setup program and
its uninstaller run as a user or an administrator runs them."""

import contextlib
import os
import shlex
import shutil
import unittest

from harness.per_run import PerRun
from harness.screenshots import capture
from harness.virtual_screen import VirtualScreen
from harness.waiting import wait_until
from harness.x_input import XInput
from release_folder import ROOT, ReleaseFolder
from wine_prefixes import Prefixes

OUTPUT = os.environ.get("QUIBAC_RELEASE_TESTS_OUTPUT") or os.path.join(ROOT, "build", "release-tests")
INSTALL_TIMEOUT_S = 180
UNINSTALL_TIMEOUT_S = 180

DESKTOP_KEY = "HKCU\\Control Panel\\Desktop"
APPS_KEY = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quib Advent"
OUR_KEY = "HKCU\\Software\\Quib Advent"
SCREEN_SAVER = "SCRNSAVE.EXE"
SCREEN_SAVER_ACTIVE = "ScreenSaveActive"
INSTALL_FOLDER = ("AppData", "Local", "Programs", "Quib Advent")
SAVER_FILE = "quibac.scr"
SETTINGS_FOLDER = ("AppData", "Roaming", "Quib Advent Screen Saver")
SETTINGS_FILE = "QUIBAC.INI"
# The debug channel in which Wine names each program a process starts.
PROCESS_CHANNEL = "trace+process"
# Where a downloaded setup program would be.
DOWNLOADS = ("Downloads",)


class Run:
    """What every test of the run shares: the screen, the input, the prefixes."""

    def __init__(self):
        for name in ("logs", "screenshots"):
            shutil.rmtree(os.path.join(OUTPUT, name), ignore_errors=True)
            os.makedirs(os.path.join(OUTPUT, name))
        self.logs = os.path.join(OUTPUT, "logs")
        self.screenshots = os.path.join(OUTPUT, "screenshots")
        self.screen = VirtualScreen.start(os.path.join(self.logs, "xvfb.log"))
        self.input = XInput(self.screen.display)
        self.prefixes = Prefixes(os.path.join(OUTPUT, "prefixes"), self.screen.display, self.logs)
        self.release = ReleaseFolder()

    def close(self):
        try:
            self.input.close()
        finally:
            self.screen.stop()


current_run = PerRun(Run)


class InstallerTestCase(unittest.TestCase):
    maxDiff = None

    def setUp(self):
        self.run_ = current_run()
        self.release = self.run_.release
        self.input = self.run_.input

    @contextlib.contextmanager
    def fresh_prefix(self, kind="win64"):
        """A Windows nothing was installed in, ended and removed after use."""
        prefix = self.run_.prefixes.fresh(kind)
        try:
            yield prefix
        finally:
            self.run_.prefixes.discard(prefix)

    def _label(self, what):
        return f"{type(self).__name__}.{self._testMethodName}-{what}"

    # ---- the setup program and its uninstaller -----------------------------
    def install(self, prefix, *arguments, environment=None):
        """Starts the setup program as it would be started once downloaded;
        the programs it starts are traced in its log."""
        downloads = prefix.user_folder(*DOWNLOADS)
        os.makedirs(downloads, exist_ok=True)
        copy = shutil.copy(self.release.installer, downloads)
        return prefix.start(self._label("setup"), prefix.windows_path(copy), *arguments,
                            extra_environment=environment, channels=PROCESS_CHANNEL)

    def install_silently(self, prefix):
        setup = self.install(prefix, "/S")
        self.assertEqual(setup.wait_exit(INSTALL_TIMEOUT_S), 0, setup.log_tail())
        return setup

    def uninstall_silently(self, prefix):
        """Runs the entry's quiet uninstall command, as Settings > Apps or an
        administrator's script does; returns once the entry is gone, which
        the uninstaller removes last."""
        command = prefix.value(APPS_KEY, "QuietUninstallString")
        self.assertIsNotNone(command, "no quiet uninstall command in the entry")
        words = shlex.split(command.replace("\\", "\\\\"))
        uninstaller = prefix.start(self._label("uninstall"), *words)
        self.assertEqual(uninstaller.wait_exit(UNINSTALL_TIMEOUT_S), 0, uninstaller.log_tail())
        # The uninstaller runs on from a copy of itself, so that it can remove
        # its own file; its entry goes last.
        wait_until(lambda: prefix.values(APPS_KEY) is None, UNINSTALL_TIMEOUT_S, "end of the uninstall",
                   seen=lambda: "the entry still there")

    # ---- what is where -----------------------------------------------------------
    def installed_file(self, prefix, *parts):
        return prefix.user_folder(*INSTALL_FOLDER, *parts)

    def screenshot(self, label):
        return capture(self.run_.screen.display, os.path.join(self.run_.screenshots, f"{self._label(label)}.ppm"))
