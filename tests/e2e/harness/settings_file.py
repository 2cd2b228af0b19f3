"""The saver's settings file, C:\\windows\\QUIBAC.INI, in the prefix."""

import os

SECTION = "Quib Advent Screen Saver"


class SettingsFile:
    def __init__(self, drive_c):
        self.path = os.path.join(drive_c, "windows", "QUIBAC.INI")

    def write_stretch(self, value):
        with open(self.path, "w", newline="\r\n") as file:
            file.write(f"[{SECTION}]\nStretch={value}\n")

    def remove(self):
        if os.path.exists(self.path):
            os.remove(self.path)

    def text(self):
        """The file's text, or None when there is no file."""
        if not os.path.exists(self.path):
            return None
        with open(self.path, newline="") as file:
            return file.read()

    def modified(self):
        """When the file last changed (None when there is none), to tell a write from none."""
        return os.stat(self.path).st_mtime_ns if os.path.exists(self.path) else None
