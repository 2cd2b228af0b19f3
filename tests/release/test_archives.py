"""The release's archives: the same members give the same bytes whatever
order they come in and whatever machine (and time zone) makes them; members
in order of name, one time for all, no owners, and text Windows can read."""

import gzip
import io
import os
import tarfile
import tempfile
import time
import unittest
import zipfile

from releasing import archives

EPOCH = 1796691879  # 2026-12-08 01:04:39 UTC
MEMBERS = {"top/b.txt": b"second\n", "top/a/z.bin": bytes(range(256)), "top/README.txt": b"read me\n"}
# A time zone far from UTC, in which a local-time zip stamp would show.
ELSEWHERE = "America/Los_Angeles"


class ArchiveTestCase(unittest.TestCase):
    def setUp(self):
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        self.folder = folder.name

    def path(self, name):
        return os.path.join(self.folder, name)

    @staticmethod
    def read(path):
        with open(path, "rb") as file:
            return file.read()


class ZipTest(ArchiveTestCase):
    def test_members_in_any_order_give_the_same_bytes(self):
        archives.write_zip(self.path("one.zip"), MEMBERS, EPOCH)
        archives.write_zip(self.path("two.zip"), dict(reversed(MEMBERS.items())), EPOCH)
        self.assertEqual(self.read(self.path("one.zip")), self.read(self.path("two.zip")))

    def test_members_in_order_of_name_with_the_one_time_in_utc(self):
        # (case, the release's time, the zip's date and time of every member)
        cases = (
            ("the release's time, in UTC whatever the zone", EPOCH, (2026, 12, 8, 1, 4, 38)),
            ("before 1980, which a zip cannot say", 0, (1980, 1, 1, 0, 0, 0)),
        )
        with _time_zone(ELSEWHERE):
            for case, epoch, stamped in cases:
                with self.subTest(case):
                    archives.write_zip(self.path("a.zip"), MEMBERS, epoch)
                    with zipfile.ZipFile(self.path("a.zip")) as archive:
                        infos = archive.infolist()
                        self.assertEqual([info.filename for info in infos], sorted(MEMBERS))
                        self.assertEqual({info.date_time for info in infos}, {stamped})
                        self.assertEqual({name: archive.read(name) for name in MEMBERS}, MEMBERS)
                        self.assertEqual({(info.create_system, info.external_attr) for info in infos}, {(0, 0x20)})

    def test_text_gets_windows_line_ends_once(self):
        cases = (
            ("Unix lines", b"one\ntwo\n", b"one\r\ntwo\r\n"),
            ("Windows lines already", b"one\r\ntwo\r\n", b"one\r\ntwo\r\n"),
            ("a mixture, and no end", b"one\r\ntwo\nthree", b"one\r\ntwo\r\nthree"),
        )
        for case, text, expected in cases:
            with self.subTest(case):
                self.assertEqual(archives.windows_text(text), expected)


class TarTest(ArchiveTestCase):
    TAR_MEMBERS = {"site/index.html": (b"<html>", False), "site/js/run.sh": (b"#!/bin/sh\n", True),
                   "site/app.wasm": (b"\0asm", False)}

    def test_members_in_any_order_give_the_same_bytes(self):
        archives.write_tar_gz(self.path("one.tar.gz"), self.TAR_MEMBERS, EPOCH)
        archives.write_tar_gz(self.path("two.tar.gz"), dict(reversed(self.TAR_MEMBERS.items())), EPOCH)
        self.assertEqual(self.read(self.path("one.tar.gz")), self.read(self.path("two.tar.gz")))

    def test_folders_before_their_files_with_no_owner_and_the_one_time(self):
        archives.write_tar_gz(self.path("a.tar.gz"), self.TAR_MEMBERS, EPOCH)
        packed = self.read(self.path("a.tar.gz"))
        # The gzip header: no file name (flags 0) and no time.
        self.assertEqual((packed[3], packed[4:8]), (0, b"\0\0\0\0"))
        with tarfile.open(fileobj=io.BytesIO(gzip.decompress(packed))) as archive:
            members = archive.getmembers()
            self.assertEqual([(m.name, m.type, oct(m.mode)) for m in members], [
                ("site", tarfile.DIRTYPE, "0o755"),
                ("site/app.wasm", tarfile.REGTYPE, "0o644"),
                ("site/index.html", tarfile.REGTYPE, "0o644"),
                ("site/js", tarfile.DIRTYPE, "0o755"),
                ("site/js/run.sh", tarfile.REGTYPE, "0o755"),
            ])
            self.assertEqual({(m.mtime, m.uid, m.gid, m.uname, m.gname) for m in members}, {(EPOCH, 0, 0, "", "")})
            self.assertEqual(archive.extractfile("site/js/run.sh").read(), b"#!/bin/sh\n")


class _time_zone:
    def __init__(self, zone):
        self._zone = zone

    def __enter__(self):
        self._was = os.environ.get("TZ")
        os.environ["TZ"] = self._zone
        time.tzset()

    def __exit__(self, *_):
        if self._was is None:
            del os.environ["TZ"]
        else:
            os.environ["TZ"] = self._was
        time.tzset()
