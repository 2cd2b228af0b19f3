"""The files tools/release wrote, as people download them: the set of files
and their sums, the one version every one of them carries, the zip's
contents, and the .deb's."""

import io
import json
import os
import re
import struct
import subprocess
import tarfile
import tempfile
import time
import unittest
import zipfile

import version_resource
from release_folder import ROOT, ReleaseFolder

# The one place the version is written.
PROJECT_VERSION = re.compile(r"^project\(quibac VERSION (\d+\.\d+\.\d+)\b", re.MULTILINE)
# The machine field of a PE file's header, by the zip's folder of the build.
MACHINES = {"64-bit": 0x8664, "32-bit": 0x14C}
PE_HEADER_POINTER = 0x3C
SUMS = "SHA256SUMS"
WEB_PRESET = "web"
PROGRAM_IN_DEB = "usr/libexec/xscreensaver/quibac"
# The renderer goes in no release file; the release's Linux build makes it.
RELEASE_RENDERER = os.path.join(ROOT, "build", "release-work", "linux-run", "quibac-render")
TEXT_SUFFIX = ".txt"
# The page's quiet version mark, in the control bar.
PAGE_VERSION = re.compile(r'<span id="version"[^>]*>([^<]*)</span>')


def project_version():
    with open(os.path.join(ROOT, "CMakeLists.txt")) as file:
        return PROJECT_VERSION.search(file.read()).group(1)


def has_web_preset():
    with open(os.path.join(ROOT, "CMakePresets.json")) as file:
        return any(preset["name"] == WEB_PRESET for preset in json.load(file)["configurePresets"])


def machine(data):
    header = struct.unpack_from("<I", data, PE_HEADER_POINTER)[0]
    return struct.unpack_from("<H", data, header + 4)[0]


class ReleaseFilesTest(unittest.TestCase):
    maxDiff = None

    def setUp(self):
        self.release = ReleaseFolder()
        self.version = project_version()
        self.top = f"quibac-{self.version}-windows/"

    def read_zip(self):
        with zipfile.ZipFile(self.release.windows_zip) as archive:
            return archive.infolist(), {info.filename: archive.read(info) for info in archive.infolist()}

    def deb(self):
        debs = self.release.debs()
        self.assertEqual(len(debs), 1, debs)
        return debs[0]

    def test_holds_each_file_once_with_its_sum(self):
        expected = {f"quibac-setup-{self.version}.exe", f"quibac-{self.version}-windows.zip",
                    f"quibac_{self.version}_amd64.deb", SUMS}
        if has_web_preset():
            expected.add(f"quibac-{self.version}-web.tar.gz")
        self.assertEqual(set(self.release.names), expected)
        with open(self.release.path(SUMS)) as sums:
            listed = [line.split("  ", 1)[1].rstrip("\n") for line in sums]
        self.assertEqual(listed, sorted(expected - {SUMS}))
        checked = subprocess.run(["sha256sum", "--check", "--strict", SUMS], cwd=self.release.folder,
                                 capture_output=True, text=True)
        self.assertEqual(checked.returncode, 0, checked.stdout + checked.stderr)

    def test_every_file_carries_the_projects_version(self):
        _, members = self.read_zip()
        numbers = tuple(int(part) for part in self.version.split(".")) + (0,)
        carried = {}
        for build in MACHINES:
            resource = version_resource.read(members[f"{self.top}{build}/quibac.scr"])
            carried[f"the {build} .scr"] = (resource.file_version, resource.product_version,
                                            resource.strings.get("FileVersion"),
                                            resource.strings.get("ProductVersion"))
        with open(self.release.installer, "rb") as file:
            resource = version_resource.read(file.read())
        carried["the installer"] = (resource.file_version, resource.product_version,
                                    resource.strings.get("FileVersion"), resource.strings.get("ProductVersion"))
        fields = subprocess.run(["dpkg-deb", "--field", self.deb(), "Package", "Version"], capture_output=True,
                                text=True, check=True).stdout
        carried["the .deb"] = fields
        with tempfile.TemporaryDirectory() as unpacked:
            subprocess.run(["dpkg-deb", "--extract", self.deb(), unpacked], check=True)
            asked = subprocess.run([os.path.join(unpacked, PROGRAM_IN_DEB), "--version"], capture_output=True,
                                   text=True, timeout=60)
        carried["the .deb's program"] = (asked.returncode, asked.stdout)
        asked = subprocess.run([RELEASE_RENDERER, "--version"], capture_output=True, text=True, timeout=60)
        carried["the renderer"] = (asked.returncode, asked.stdout)
        windows = (numbers, numbers, self.version, self.version)
        expected = {
            "the 64-bit .scr": windows, "the 32-bit .scr": windows, "the installer": windows,
            "the .deb": f"Package: quibac\nVersion: {self.version}\n",
            "the .deb's program": (0, f"quibac {self.version}\n"),
            "the renderer": (0, f"quibac-render {self.version}\n"),
        }
        if has_web_preset():
            with tarfile.open(self.release.path(f"quibac-{self.version}-web.tar.gz")) as site:
                page = site.extractfile(f"quibac-{self.version}-web/index.html").read().decode()
            carried["the web page"] = PAGE_VERSION.findall(page)
            expected["the web page"] = [self.version]
        self.assertEqual(carried, expected)

    def test_zip_holds_both_builds_a_readme_and_the_licences_as_windows_text(self):
        infos, members = self.read_zip()
        fonts = sorted(name for name in os.listdir(os.path.join(ROOT, "assets", "licences")))
        expected = [f"{self.top}{name}" for name in (
            "32-bit/quibac.scr", "64-bit/quibac.scr", "LICENSE.txt", "README.txt", *(f"licences/{f}" for f in fonts))]
        self.assertEqual([info.filename for info in infos], sorted(expected))
        for build, wanted in MACHINES.items():
            with self.subTest(build):
                self.assertEqual(hex(machine(members[f"{self.top}{build}/quibac.scr"])), hex(wanted))
        for name, data in members.items():
            if name.endswith(TEXT_SUFFIX):
                with self.subTest(name):
                    self.assertEqual(data.count(b"\n"), data.count(b"\r\n"), "a line ends without CR")
                    self.assertNotIn(b"@VERSION@", data)
        readme = members[f"{self.top}README.txt"].decode()
        self.assertIn(f"quibac-setup-{self.version}.exe", readme)

    def test_every_member_of_the_zip_and_the_deb_has_the_one_release_time(self):
        infos, _ = self.read_zip()
        zip_times = {info.date_time for info in infos}
        packed = subprocess.run(["dpkg-deb", "--fsys-tarfile", self.deb()], capture_output=True, check=True).stdout
        with tarfile.open(fileobj=io.BytesIO(packed)) as archive:
            members = archive.getmembers()
        self.assertEqual({(m.uid, m.gid, m.uname, m.gname) for m in members}, {(0, 0, "root", "root")})
        deb_times = {m.mtime for m in members}
        self.assertEqual(len(deb_times), 1, "the .deb's files have several times")
        # A zip's time is UTC (tools/release makes it so) in steps of two seconds.
        stamped = time.gmtime(deb_times.pop())
        self.assertEqual(zip_times, {stamped[:5] + (stamped.tm_sec // 2 * 2,)})
