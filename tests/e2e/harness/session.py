"""One run of the suite: a private X screen, the Wine prefix and the builds
installed into it, shared by every test and ended when the run ends.

The locations can be moved with QUIBAC_E2E_BUILD (the win64 build folder,
default build/win64) and QUIBAC_E2E_OUTPUT (screenshots, logs and the
prefix, default build/e2e).
"""

import os
import shutil

from .per_run import PerRun
from .settings_file import SettingsFile
from .virtual_screen import VirtualScreen
from .wine_prefix import WinePrefix
from .x_input import XInput

REPOSITORY = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", "..", ".."))
PROGRAMS_SUBFOLDER = os.path.join("tests", "e2e", "programs")
# Made anew by every run; the prefix beside them is kept.
RUN_FOLDERS = ("screenshots", "logs", "control")

# Where the builds go in the prefix. The Windows 98 copy has a name of its
# own, because Wine keys the Windows version it reports to the program by
# the program's file name.
SAVER = "C:\\quibac\\quibac.scr"
PREVIEW_HOST = "C:\\quibac\\preview_host.exe"
EXACT_COMMAND = "C:\\quibac\\exact_command.exe"
SEND_MESSAGE = "C:\\quibac\\send_message.exe"
WINDOW_TEXTS = "C:\\quibac\\window_texts.exe"
EMPTY_WINDOW = "C:\\quibac\\empty_window.exe"
SAVER_98 = "C:\\win98\\quibac98.scr"
PASSWORD_CPL_98 = "C:\\win98\\PASSWORD.CPL"


class Build:
    """The files of one Windows build that the suite needs."""

    def __init__(self, folder):
        programs = os.path.join(folder, PROGRAMS_SUBFOLDER)
        self.saver = os.path.join(folder, "quibac.scr")
        self.preview_host = os.path.join(programs, "preview_host.exe")
        self.exact_command = os.path.join(programs, "exact_command.exe")
        self.send_message = os.path.join(programs, "send_message.exe")
        self.window_texts = os.path.join(programs, "window_texts.exe")
        self.empty_window = os.path.join(programs, "empty_window.exe")
        self.password_cpl = os.path.join(programs, "password_cpl.dll")

    def missing(self):
        files = (self.saver, self.preview_host, self.exact_command, self.send_message, self.window_texts,
                 self.empty_window, self.password_cpl)
        return [path for path in files if not os.path.isfile(path)]


def build_folder():
    return os.environ.get("QUIBAC_E2E_BUILD") or os.path.join(REPOSITORY, "build", "win64")


def output_folder():
    return os.environ.get("QUIBAC_E2E_OUTPUT") or os.path.join(REPOSITORY, "build", "e2e")


class Session:
    def __init__(self):
        self.output = output_folder()
        self.build = Build(build_folder())
        missing = self.build.missing()
        if missing:
            raise RuntimeError(f"build the win64 preset first; missing: {', '.join(missing)}")
        for name in RUN_FOLDERS:
            shutil.rmtree(os.path.join(self.output, name), ignore_errors=True)
            os.makedirs(os.path.join(self.output, name))
        self.screen = VirtualScreen.start(self.log_path("xvfb"))
        self.input, self.prefix = open_prefix(self.screen, os.path.join(self.output, "prefix"),
                                              self.log_path("wine-setup"))
        self.settings = SettingsFile(self.prefix.drive_c)
        self._install()

    def folder(self, name):
        return os.path.join(self.output, name)

    def log_path(self, name):
        return os.path.join(self.output, "logs", f"{name}.log")

    def _install(self):
        # Copied on every run, so that the tests always see the latest build.
        copies = {
            SAVER: self.build.saver,
            PREVIEW_HOST: self.build.preview_host,
            EXACT_COMMAND: self.build.exact_command,
            SEND_MESSAGE: self.build.send_message,
            WINDOW_TEXTS: self.build.window_texts,
            EMPTY_WINDOW: self.build.empty_window,
            SAVER_98: self.build.saver,
            PASSWORD_CPL_98: self.build.password_cpl,
        }
        for windows_path, source in copies.items():
            target = self.prefix.unix_path(windows_path)
            os.makedirs(os.path.dirname(target), exist_ok=True)
            shutil.copyfile(source, target)

    def close(self):
        close_prefix(self.prefix, self.input, self.screen)


def open_prefix(screen, folder, log_path):
    """The input of a screen and a prepared Wine prefix in folder on it; the
    screen is stopped when either cannot be had."""
    try:
        screen_input = XInput(screen.display)
        prefix = WinePrefix(folder, screen.display)
        prefix.prepare(log_path)
    except BaseException:
        screen.stop()
        raise
    return screen_input, prefix


def close_prefix(prefix, screen_input, screen):
    try:
        prefix.stop()
        screen_input.close()
    finally:
        screen.stop()


# The run's session, started on first use and ended when Python exits.
current = PerRun(Session)
close = current.close
