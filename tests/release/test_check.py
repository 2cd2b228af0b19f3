"""What tools/release --check relies on: the file that differs between two
builds is named, the second build is made from the sources as they are in
the working tree, and nothing of the machine's (its compiler cache, its
flags, the time) reaches a build."""

import os
import subprocess
import sys
import tempfile
import unittest

from releasing import comparison, environment, main

LAST_COMMIT_TIME = 1796000000
ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))


class TempFolderTestCase(unittest.TestCase):
    def setUp(self):
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        self.folder = folder.name

    def write(self, relative, data, folder=None):
        path = os.path.join(folder or self.folder, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as file:
            file.write(data)
        return path


class ComparisonTest(TempFolderTestCase):
    def test_names_each_file_that_differs_and_why(self):
        same = bytes(range(256)) * 4096  # over one read's worth, so a later block differs
        first = {"same.scr": same, "late.exe": same + b"a", "short.zip": b"abc", "gone.exe": b"x"}
        second = {"same.scr": same, "late.exe": same + b"b", "short.zip": b"ab"}
        pairs = []
        for name, data in first.items():
            pairs.append((name, self.write(f"one/{name}", data),
                          self.write(f"two/{name}", second[name]) if name in second
                          else os.path.join(self.folder, "two", name)))
        self.assertEqual(dict(comparison.differences(pairs)), {
            "late.exe": f"{len(same) + 1} bytes against {len(same) + 1}, first different at byte {len(same)}",
            "short.zip": "3 bytes against 2, first different at byte 2",
            "gone.exe": "missing from the second build",
        })

    def test_sums_are_what_sha256sum_checks(self):
        names = ["b.exe", "a.zip"]
        for name in names:
            self.write(name, name.encode() * 1000)
        comparison.write_sums(self.folder, names, os.path.join(self.folder, "SHA256SUMS"))
        checked = subprocess.run(["sha256sum", "-c", "SHA256SUMS"], cwd=self.folder, capture_output=True, text=True)
        self.assertEqual((checked.returncode, checked.stdout), (0, "a.zip: OK\nb.exe: OK\n"))


class RepositoryTestCase(TempFolderTestCase):
    def git(self, *arguments):
        subprocess.run(["git", *arguments], cwd=self.folder, check=True, capture_output=True,
                       env={**os.environ, "GIT_AUTHOR_DATE": f"@{LAST_COMMIT_TIME} +0000",
                            "GIT_COMMITTER_DATE": f"@{LAST_COMMIT_TIME} +0000", "GIT_AUTHOR_NAME": "t",
                            "GIT_AUTHOR_EMAIL": "t@t", "GIT_COMMITTER_NAME": "t", "GIT_COMMITTER_EMAIL": "t@t"})

    def make_repository(self):
        self.git("init", "-q")
        self.write(".gitignore", b"/build/\n")
        for name in ("kept.cpp", "changed.cpp", "deleted.cpp"):
            self.write(name, b"committed\n")
        self.git("add", ".")
        self.git("commit", "-q", "-m", "first")
        self.write("changed.cpp", b"changed since\n")
        os.remove(os.path.join(self.folder, "deleted.cpp"))
        self.write("new.cpp", b"not yet added\n")
        self.write("build/output.o", b"built\n")


class SourcesTest(RepositoryTestCase):
    def test_the_copy_is_the_working_tree_without_what_git_ignores(self):
        self.make_repository()
        copy = os.path.join(self.folder, "build", "copy")
        environment.copy_sources(self.folder, copy)
        found = {}
        for here, _, files in os.walk(copy):
            for name in files:
                with open(os.path.join(here, name), "rb") as file:
                    found[os.path.relpath(os.path.join(here, name), copy)] = file.read()
        self.assertEqual(found, {".gitignore": b"/build/\n", "kept.cpp": b"committed\n",
                                 "changed.cpp": b"changed since\n", "new.cpp": b"not yet added\n"})

    def test_the_release_time_is_the_given_one_or_the_last_commits(self):
        self.make_repository()
        cases = (
            ("none given: the last commit's", {}, LAST_COMMIT_TIME),
            ("given", {"SOURCE_DATE_EPOCH": "1700000000"}, 1700000000),
            ("given, but not a number", {"SOURCE_DATE_EPOCH": "yesterday"}, ValueError),
        )
        for case, given, expected in cases:
            with self.subTest(case):
                if expected is ValueError:
                    with self.assertRaisesRegex(ValueError, "SOURCE_DATE_EPOCH is not a number"):
                        environment.source_date_epoch(self.folder, given)
                else:
                    self.assertEqual(environment.source_date_epoch(self.folder, given), expected)

    def test_no_commit_and_none_given_is_refused(self):
        self.assertRaises(ValueError, environment.source_date_epoch, self.folder, {})

    def test_the_build_environment_has_no_compiler_cache_or_flags_of_the_machine(self):
        machine = {"PATH": "/usr/bin", "CMAKE_CXX_COMPILER_LAUNCHER": "ccache", "CMAKE_C_COMPILER_LAUNCHER": "ccache",
                   "CCACHE_BASEDIR": "/work", "CXXFLAGS": "-g3", "LDFLAGS": "-s", "TZ": "Europe/Oslo", "LC_ALL": "de_DE"}
        self.assertEqual(environment.clean_environment(machine, LAST_COMMIT_TIME), {
            "PATH": "/usr/bin", "SOURCE_DATE_EPOCH": str(LAST_COMMIT_TIME), "LC_ALL": "C.UTF-8", "TZ": "UTC"})


class SecondBuildTest(RepositoryTestCase):
    # Stands in for tools/release in the copy: its one release file holds
    # the time it was given.
    FAKE_RELEASE = (b"import os\nos.makedirs('build/release')\n"
                    b"open('build/release/setup.exe', 'w').write(os.environ.get('SOURCE_DATE_EPOCH', ''))\n"
                    b"open('build/release/SHA256SUMS', 'w').write('sums')\n")

    def test_is_made_with_the_first_builds_time_though_a_commit_came_since(self):
        self.make_repository()
        self.write("tools/release", self.FAKE_RELEASE)
        first = {"setup.exe": self.write("build/release/setup.exe", str(LAST_COMMIT_TIME).encode())}
        self.write("build/release/SHA256SUMS", b"sums")
        self.git("add", ".")
        subprocess.run(["git", "commit", "-q", "-m", "since"], cwd=self.folder, check=True, capture_output=True,
                       env={**os.environ, "GIT_AUTHOR_NAME": "t", "GIT_AUTHOR_EMAIL": "t@t", "GIT_COMMITTER_NAME": "t",
                            "GIT_COMMITTER_EMAIL": "t@t"})
        self.assertEqual(main.check(self.folder, first, {}, True, LAST_COMMIT_TIME), [])

    def test_a_windows_only_second_build_leaves_the_sums_of_every_file_alone(self):
        # The first build made more files than the second, so its sums differ
        # from the second's while every file both made is the same.
        self.make_repository()
        self.write("tools/release", self.FAKE_RELEASE)
        first = {"setup.exe": self.write("build/release/setup.exe", str(LAST_COMMIT_TIME).encode())}
        self.write("build/release/SHA256SUMS", b"sums of the .deb too")
        cases = ((True, [main.SUMS]), (False, []))
        for compare_sums, differing in cases:
            with self.subTest(compare_sums=compare_sums):
                found = main.check(self.folder, first, {}, True, LAST_COMMIT_TIME, compare_sums=compare_sums)
                self.assertEqual([name for name, _ in found], differing)


class MissingToolsTest(unittest.TestCase):
    def test_a_machine_without_the_tools_is_told_which_packages_bring_them(self):
        # (case, the program, what it must name)
        cases = (
            ("tools/release", os.path.join(ROOT, "tools", "release"), ("makensis (nsis)", "cmake (cmake)")),
            ("tests/release/run", os.path.join(ROOT, "tests", "release", "run"), ("Xvfb (xvfb)", "dpkg-deb (dpkg)")),
        )
        for case, program, named in cases:
            with self.subTest(case):
                done = subprocess.run([sys.executable, program], env={**os.environ, "PATH": ""}, capture_output=True,
                                      text=True, timeout=60)
                self.assertEqual(done.returncode, 1, done.stdout + done.stderr)
                for name in named:
                    self.assertIn(name, done.stdout + done.stderr)
