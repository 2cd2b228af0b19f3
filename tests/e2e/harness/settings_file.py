"""The saver's settings file in the prefix: C:\\windows\\QUIBAC.INI, and the
user's copy that the saver writes instead when that one cannot be written."""

import getpass
import os
import shutil

SECTION = "Quib Advent Screen Saver"
FILE_NAME = "QUIBAC.INI"


class SettingsFile:
    def __init__(self, drive_c):
        self.path = os.path.join(drive_c, "windows", FILE_NAME)
        # Wine gives the Unix user's name to the Windows user.
        self.user_copy = os.path.join(drive_c, "users", getpass.getuser(), "AppData", "Roaming", SECTION, FILE_NAME)

    def write_stretch(self, value):
        with open(self.path, "w", newline="\r\n") as file:
            file.write(f"[{SECTION}]\nStretch={value}\n")

    def remove(self):
        """Back to no settings at all: neither file (nor anything in the file's place)."""
        if os.path.isdir(self.path):
            shutil.rmtree(self.path)
        elif os.path.exists(self.path):
            os.remove(self.path)
        shutil.rmtree(os.path.dirname(self.user_copy), ignore_errors=True)

    def make_unwritable(self):
        """Puts a folder where the file would go, so that no write can make it
        (the tests run as root, for whom a read-only file is writable)."""
        self.remove()
        os.makedirs(self.path)

    def text(self, path=None):
        """A file's text (the Windows directory's by default), or None when there is no file."""
        path = path or self.path
        if not os.path.isfile(path):
            return None
        with open(path, newline="") as file:
            return file.read()

    def modified(self):
        """When the file last changed (None when there is none), to tell a write from none."""
        return os.stat(self.path).st_mtime_ns if os.path.exists(self.path) else None
