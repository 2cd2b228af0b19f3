"""The Wine prefix (a Windows installation in a folder) the suite runs in.

It is made once, under build/e2e, and reused by later runs; its wineserver
is kept alive for the whole run so that each program starts quickly.
"""

import os
import shutil
import subprocess

from . import tools, wine_process

BOOT_TIMEOUT_S = 300
COMMAND_TIMEOUT_S = 60
# The locale every program starts in, whatever the suite's own.
NEUTRAL_LOCALE = {"LANGUAGE": "", "LC_ALL": "", "LC_MESSAGES": "", "LANG": "C.UTF-8"}
# Wine would otherwise offer to download Mono and Gecko while booting.
DLL_OVERRIDES = "mscoree,mshtml="
# Errors from Wine stay in every log, for the failure messages.
QUIET_CHANNELS = "-all,err+all"
# Wine writes this once it has set a prefix up; without it the prefix is booted.
BOOTED_MARK = ".update-timestamp"
# wineserver's exit status when the prefix has a server already.
SERVER_ALREADY_RUNNING = 2
# No window manager runs on the suite's screen; a window that Wine leaves to
# one makes every hide wait two seconds for it (and a close look slow).
UNMANAGED_KEY = "HKCU\\Software\\Wine\\X11 Driver"
UNMANAGED_MARK = '"Managed"="N"'
# A file of the 32-bit half of a 64-bit prefix, there once Wine's 32-bit
# loader could run when the prefix was booted.
THIRTY_TWO_BIT_SYSTEM_FILE = ("windows", "syswow64", "kernel32.dll")


class WinePrefix:
    def __init__(self, root, display):
        self.root = root
        self.drive_c = os.path.join(root, "drive_c")
        self._display = display

    def environment(self, channels=None, extra=None):
        """The environment of a Wine program; channels adds debug channels.
        Programs speak English unless extra names a locale: the saver takes
        its language from the locale, as Windows from the user's."""
        debug = QUIET_CHANNELS + (f",{channels}" if channels else "")
        return {**os.environ, **NEUTRAL_LOCALE, "DISPLAY": self._display, "WINEPREFIX": self.root,
                "WINEDEBUG": debug, "WINEDLLOVERRIDES": DLL_OVERRIDES, **(extra or {})}

    def prepare(self, log_path):
        """Starts the prefix's server, and boots the prefix when it is new."""
        if self._lacks_its_32_bit_half():
            # Booted while 32-bit programs could not run here; Wine adds no
            # 32-bit half to a prefix afterwards, so it is made again.
            shutil.rmtree(self.root)
        os.makedirs(self.root, exist_ok=True)
        # The server stays up until stop() rather than ending with each last
        # program; started first, it is the one the boot runs on too.
        server = subprocess.run([tools.wineserver(), "--persistent"], env=self.environment(),
                                timeout=COMMAND_TIMEOUT_S)
        if server.returncode not in (0, SERVER_ALREADY_RUNNING):
            raise RuntimeError(f"wineserver could not start (exit status {server.returncode})")
        if not os.path.exists(os.path.join(self.root, BOOTED_MARK)):
            self._wine(log_path, BOOT_TIMEOUT_S, "wineboot", "--init")
        if not self._has_unmanaged_windows():
            self._wine(log_path, COMMAND_TIMEOUT_S, "reg", "add", UNMANAGED_KEY, "/v", "Managed", "/d", "N", "/f")

    def _lacks_its_32_bit_half(self):
        booted = os.path.exists(os.path.join(self.root, BOOTED_MARK))
        return (booted and tools.thirty_two_bit_loader_problem() is None and
                not os.path.exists(os.path.join(self.drive_c, *THIRTY_TWO_BIT_SYSTEM_FILE)))

    def _has_unmanaged_windows(self):
        try:
            with open(os.path.join(self.root, "user.reg"), errors="replace") as registry:
                return UNMANAGED_MARK in registry.read()
        except OSError:
            return False

    def stop(self):
        # Whoever started it, the server of the suite's own prefix ends with the run.
        subprocess.run([tools.wineserver(), "--kill"], env=self.environment(), timeout=COMMAND_TIMEOUT_S)

    def windows_path(self, unix_path):
        """The Windows name of a file: C: for the prefix's drive, Z: for the rest."""
        unix_path = os.path.abspath(unix_path)
        if unix_path.startswith(self.drive_c + os.sep):
            return "C:\\" + os.path.relpath(unix_path, self.drive_c).replace(os.sep, "\\")
        return "Z:" + unix_path.replace(os.sep, "\\")

    def unix_path(self, windows_path):
        """The file a C: path names."""
        if not windows_path.upper().startswith("C:\\"):
            raise ValueError(f"not on the prefix's drive: {windows_path}")
        return os.path.join(self.drive_c, *windows_path[3:].split("\\"))

    def start(self, name, program, arguments, log_path, channels=None, extra_environment=None):
        """Starts a Windows program (by its C: path) with arguments."""
        return wine_process.start(name, [tools.wine64(), program, *arguments],
                                  self.environment(channels, extra_environment), log_path,
                                  cwd=os.path.dirname(self.unix_path(program)))

    def set_registry_value(self, key, name, kind, data, log_path):
        self._wine(log_path, COMMAND_TIMEOUT_S, "reg", "add", key, "/v", name, "/t", kind, "/d", str(data), "/f")

    def _wine(self, log_path, timeout, *command):
        with open(log_path, "ab") as log:
            subprocess.run([tools.wine64(), *command], env=self.environment(), stdin=subprocess.DEVNULL,
                           stdout=log, stderr=log, check=True, timeout=timeout)
