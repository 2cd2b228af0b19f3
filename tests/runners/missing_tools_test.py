#!/usr/bin/env python3
"""The runners of the suites that need programs beyond the build: each one,
started where a program it needs cannot be found, fails and names it, and
passes without running only when a person asks for the skip, saying what it
skipped and why. A run that checked nothing must never pass unasked.

    tests/runners/missing_tools_test.py [build folder, default build/linux]
"""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BUILD = os.path.abspath(sys.argv.pop(1) if len(sys.argv) > 1 else os.path.join(ROOT, "build", "linux"))
SKIP_VARIABLE = "QUIBAC_SKIP_MISSING"
RUN_TIMEOUT_S = 120
# No runner may go further than its check without these.
XVFB_TOOLS = ("Xvfb", "xdotool", "import")


def run(command, path, skip):
    env = {key: value for key, value in os.environ.items() if key != SKIP_VARIABLE}
    env["PATH"] = path
    if skip:
        env[SKIP_VARIABLE] = "1"
    done = subprocess.run(command, cwd=ROOT, env=env, capture_output=True, text=True, timeout=RUN_TIMEOUT_S)
    return done.returncode, done.stdout + done.stderr


class MissingToolsTest(unittest.TestCase):
    def setUp(self):
        self.bin = tempfile.mkdtemp(prefix="quibac-path-")

    def tearDown(self):
        shutil.rmtree(self.bin)

    def only(self, *commands):
        """A PATH that finds only these commands (this interpreter as python3)."""
        for command in commands:
            real = sys.executable if command == "python3" else shutil.which(command)
            os.symlink(real, os.path.join(self.bin, command))
        return self.bin

    def assert_fails_then_skips_on_request(self, command, path, named, skipped_code=0):
        code, said = run(command, path, skip=False)
        self.assertEqual(code, 1, said)
        self.assertIn("FAILED", said)
        for tool in named:
            self.assertIn(tool, said)
        code, said = run(command, path, skip=True)
        self.assertEqual(code, skipped_code, said)
        self.assertIn("SKIPPED", said)
        for tool in named:
            self.assertIn(tool, said)

    def test_each_runner_without_xvfb_xdotool_and_imagemagick(self):
        path = self.only("python3")
        rows = [
            ("e2e", ["tests/e2e/run"], 0),
            ("linux", ["tests/linux/run", BUILD], 0),
            # CTest counts this exit code as a skip, not a pass.
            ("sdl_dialog", ["python3", "tests/sdl_dialog/dialog_under_xvfb.py", os.path.join(BUILD, "quibac"),
                            os.path.join(self.bin, "out")], 77),
        ]
        for name, command, skipped_code in rows:
            with self.subTest(name):
                self.assert_fails_then_skips_on_request(command, path, XVFB_TOOLS, skipped_code)

    def test_web_runner_without_chromium_and_its_driver(self):
        # The runner's own interpreter (Debian's, which has selenium) is found
        # by its first line; only the browser is out of reach.
        self.assert_fails_then_skips_on_request(["tests/web/run", os.path.join(ROOT, "build", "web"), BUILD],
                                                self.only("python3"), ("chromium", "chromedriver"))

    def test_monitors_runner_without_xorg_xdotool_and_imagemagick(self):
        self.assert_fails_then_skips_on_request(["tests/linux/monitors", BUILD], self.only("python3"),
                                                ("Xorg", "xdotool", "import"))

    def test_end_to_end_run_without_what_the_32_bit_cases_need(self):
        # Only the failing half: the skip asked for would run the whole suite.
        code, said = run(["tests/e2e/run"], self.only("python3", *XVFB_TOOLS, "convert", "Xorg"), skip=False)
        self.assertEqual(code, 1, said)
        self.assertIn("FAILED", said)
        self.assertIn("i686-w64-mingw32-objdump", said)

    def test_package_check_without_dpkg_or_root(self):
        self.assert_fails_then_skips_on_request(["tests/linux/package-check", BUILD],
                                                self.only("bash", "dirname", "realpath", "id"),
                                                ("dpkg", "cpack"))
        # Root only pretended away: an id that answers as a user does.
        os.remove(os.path.join(self.bin, "id"))
        with open(os.path.join(self.bin, "id"), "w") as fake:
            fake.write("#!/bin/sh\necho 1000\n")
        os.chmod(os.path.join(self.bin, "id"), 0o755)
        self.assert_fails_then_skips_on_request(["tests/linux/package-check", BUILD],
                                                f"{self.bin}:{os.environ['PATH']}", ("root",))


if __name__ == "__main__":
    unittest.main(verbosity=2)
