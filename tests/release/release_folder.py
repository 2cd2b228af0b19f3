"""The release files that tools/release wrote, found by their names."""

import glob
import os
import re

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
FOLDER = os.environ.get("QUIBAC_RELEASE_FOLDER") or os.path.join(ROOT, "build", "release")
_INSTALLER = re.compile(r"^quibac-setup-(\d+\.\d+\.\d+)\.exe$")


class ReleaseFolder:
    def __init__(self, folder=FOLDER):
        self.folder = folder
        names = sorted(os.listdir(folder)) if os.path.isdir(folder) else []
        self.names = names
        versions = [match.group(1) for match in map(_INSTALLER.match, names) if match]
        self.version = versions[0] if len(versions) == 1 else None

    def problem(self):
        """Why the folder cannot be tested, or None."""
        if not self.names:
            return f"no release files in {self.folder}: run tools/release first"
        if self.version is None:
            return f"not one installer (quibac-setup-VERSION.exe) in {self.folder}: {', '.join(self.names)}"
        return None

    def path(self, name):
        return os.path.join(self.folder, name)

    @property
    def installer(self):
        return self.path(f"quibac-setup-{self.version}.exe")

    @property
    def windows_zip(self):
        return self.path(f"quibac-{self.version}-windows.zip")

    def debs(self):
        return sorted(glob.glob(self.path("*.deb")))
