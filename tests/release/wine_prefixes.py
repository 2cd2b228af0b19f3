"""Wine prefixes for the installer's tests: a template booted once a run for
each kind of Windows, and a fresh copy of it for every test, so that each
test starts from a Windows nothing was ever installed in.

A copy links the template's program files (which Wine only reads) instead of
copying them, so it takes a second rather than a gigabyte; everything Wine
may write (the registry, settings files, the users' folders) is copied.
"""

import os
import re
import shutil
import subprocess

from harness import tools, wine_process
from harness.wine_prefix import WinePrefix

BOOT_TIMEOUT_S = 600
COMMAND_TIMEOUT_S = 120
DLL_OVERRIDES = "mscoree,mshtml="
QUIET_CHANNELS = "-all,err+all"
BOOTED_MARK = ".update-timestamp"
# No window manager runs on the suite's screen (see harness.wine_prefix).
UNMANAGED = ("HKCU\\Software\\Wine\\X11 Driver", "Managed", "N")
# Files Wine maps and never writes, which copies may share with the template.
SHARED_SUFFIXES = (".dll", ".exe", ".drv", ".sys", ".cpl", ".acm", ".ocx", ".tlb", ".nls", ".ttf", ".ttc", ".fon",
                   ".ax", ".com", ".ds", ".tsp", ".vxd", ".msstyles", ".mui")
SERVER_ALREADY_RUNNING = 2
# A value line of `reg query`: four spaces, the name, its type, its data.
_VALUE_LINE = re.compile(r"^    (.+?)    (REG_[A-Z_]+)    ?(.*)$")
# Wine's 64-bit Windows: a 64-bit prefix with its 32-bit half; its 32-bit
# Windows: a prefix that has only that.
KINDS = {"win64": ("win64", tools.wine64), "win32": ("win32", tools.wine32)}


class Prefix:
    """One Wine prefix: its folder, its server, and programs run in it."""

    def __init__(self, root, kind, display, logs):
        self.root = root
        self.kind = kind
        self.drive_c = os.path.join(root, "drive_c")
        self._arch, self._loader = KINDS[kind]
        self._display = display
        self._logs = logs

    def environment(self, extra=None, channels=None):
        """A Wine program's environment; channels adds debug channels."""
        return {**os.environ, "DISPLAY": self._display, "WINEPREFIX": self.root, "WINEARCH": self._arch,
                "WINEDEBUG": QUIET_CHANNELS + (f",{channels}" if channels else ""),
                "WINEDLLOVERRIDES": DLL_OVERRIDES, **(extra or {})}

    def log_path(self, name):
        return os.path.join(self._logs, f"{name}.log")

    def boot(self):
        os.makedirs(self.root, exist_ok=True)
        self.start_server()
        self.run("wineboot", BOOT_TIMEOUT_S, "wineboot", "--init")
        self.run("unmanaged", COMMAND_TIMEOUT_S, "reg", "add", UNMANAGED[0], "/v", UNMANAGED[1], "/d", UNMANAGED[2],
                 "/f")

    def start_server(self):
        # Kept up until stop(), so that each program starts at once.
        server = subprocess.run([tools.wineserver(), "--persistent"], env=self.environment(),
                                timeout=COMMAND_TIMEOUT_S)
        if server.returncode not in (0, SERVER_ALREADY_RUNNING):
            raise RuntimeError(f"wineserver could not start in {self.root} (exit status {server.returncode})")

    def stop(self):
        """Ends every program of the prefix and its server, which writes the
        registry out as it goes."""
        for step in ("--kill", "--wait"):
            subprocess.run([tools.wineserver(), step], env=self.environment(), timeout=COMMAND_TIMEOUT_S)

    def run(self, label, timeout, *command, check=True):
        """Runs a Windows program to its end; returns its exit status and output.

        The output goes through a file: services the program starts (which
        stay up with the server) would hold a pipe open to the end of the run.
        """
        output_path = self.log_path(f"{label}.output")
        with open(self.log_path(label), "ab") as log, open(output_path, "w+b") as output:
            done = subprocess.run([self._loader(), *command], env=self.environment(), stdin=subprocess.DEVNULL,
                                  stdout=output, stderr=log, timeout=timeout)
            output.seek(0)
            text = output.read().decode(errors="replace")
        if check and done.returncode != 0:
            raise RuntimeError(f"{' '.join(command)} ended with {done.returncode} in {self.root}")
        return done.returncode, text

    def start(self, label, program, *arguments, extra_environment=None, channels=None):
        """Starts a Windows program (any Windows path) with arguments."""
        return wine_process.start(label, [self._loader(), program, *arguments],
                                  self.environment(extra_environment, channels), self.log_path(label), cwd=self.drive_c)

    # C: for the prefix's drive, Z: for the rest, as in the suite's own prefix.
    windows_path = WinePrefix.windows_path

    def unix_path(self, windows_path):
        """The file a Windows path names, short names and all (Wine's winepath)."""
        return self.run("winepath", COMMAND_TIMEOUT_S, "winepath", "-u", windows_path)[1].strip()

    def user_folder(self, *parts):
        """A folder of the Windows user's profile (Wine names the user after the Unix one)."""
        users = os.path.join(self.drive_c, "users")
        user = next(name for name in sorted(os.listdir(users)) if name != "Public")
        return os.path.join(users, user, *parts)

    # ---- the registry ---------------------------------------------------------
    def values(self, key):
        """The values of a registry key, by name: (type, data); None when there is no key."""
        status, output = self.run("reg", COMMAND_TIMEOUT_S, "reg", "query", key, check=False)
        if status != 0:
            return None
        values = {}
        lines = output.splitlines()
        for line in lines[2:]:  # an empty line, then the key's own name
            if line.startswith("HKEY_"):  # the subkeys begin
                break
            matched = _VALUE_LINE.match(line.rstrip("\r"))
            if matched:
                values[matched.group(1)] = (matched.group(2), matched.group(3))
        return values

    def value(self, key, name):
        """A value's data, or None when the key or the value is missing."""
        found = (self.values(key) or {}).get(name)
        return None if found is None else found[1]

    def set_value(self, key, name, data):
        self.run("reg", COMMAND_TIMEOUT_S, "reg", "add", key, "/v", name, "/t", "REG_SZ", "/d", data, "/f")


class Prefixes:
    """The run's templates, booted when first asked for, and the fresh copies."""

    def __init__(self, folder, display, logs):
        self._folder = folder
        self._display = display
        self._logs = logs
        self._templates = {}
        self._copies = 0

    def fresh(self, kind):
        template = self._templates.get(kind)
        if template is None:
            template = Prefix(os.path.join(self._folder, f"template-{kind}"), kind, self._display, self._logs)
            shutil.rmtree(template.root, ignore_errors=True)
            template.boot()
            template.stop()
            self._templates[kind] = template
        self._copies += 1
        copy = Prefix(os.path.join(self._folder, f"fresh-{self._copies}-{kind}"), kind, self._display, self._logs)
        shutil.rmtree(copy.root, ignore_errors=True)
        _copy_tree(template.root, copy.root)
        copy.start_server()
        return copy

    @staticmethod
    def discard(prefix):
        prefix.stop()
        shutil.rmtree(prefix.root, ignore_errors=True)


def _copy_tree(source, target):
    for here, folders, files in os.walk(source):
        there = os.path.join(target, os.path.relpath(here, source))
        os.makedirs(there, exist_ok=True)
        for name in folders + files:
            path = os.path.join(here, name)
            copy = os.path.join(there, name)
            if os.path.islink(path):
                os.symlink(os.readlink(path), copy)
            elif name in files:
                if name.lower().endswith(SHARED_SUFFIXES):
                    os.link(path, copy)
                else:
                    shutil.copy2(path, copy)
        # Links to folders were made above; os.walk does not enter them.
        folders[:] = [name for name in folders if not os.path.islink(os.path.join(here, name))]
