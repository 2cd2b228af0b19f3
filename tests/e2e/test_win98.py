"""The saver as Windows 95/98 runs it: with the screen-saver password on,
every close request asks the password control panel (PASSWORD.CPL beside the
saver), and /a asks the system to change the password.

The 64-bit build runs with Wine reporting Windows 98 to it. The 32-bit build,
the one Windows 98 itself would run, needs Wine's 32-bit loader.
"""

import ntpath
import os
import shutil
import unittest

from harness import SAVER_98, E2ETestCase, wait_until
from harness import session as run_session
from harness import tools
from harness.wine_trace import RELAY_CHANNEL

PASSWORD_FOLDER_VARIABLE = "QUIBAC_TEST_PASSWORD_DIR"
# Close requests this soon after the last check are refused without asking.
PASSWORD_RETRY_MS = 200
BURST_KEYS = 5
BURST_KEY_DELAY_MS = 10
START_TIMEOUT_S = 30
EXIT_TIMEOUT_S = 20
# Long enough for a saver to close, as a wrong answer must not make it do.
ASK_AGAIN_TIMEOUT_S = 20


def set_up_windows_98(session):
    prefix, log = session.prefix, session.log_path("wine-setup")
    # Wine keys the version to report by the program's file name, which the
    # 32-bit copy shares.
    prefix.set_registry_value(f"HKCU\\Software\\Wine\\AppDefaults\\{ntpath.basename(SAVER_98)}", "Version",
                              "REG_SZ", "win98", log)
    prefix.set_registry_value("HKCU\\Control Panel\\Desktop", "ScreenSaveUsePassword", "REG_DWORD", 1, log)


class Calls:
    """The calls the test PASSWORD.CPL recorded: (tick in ms, answer given)."""

    def __init__(self, folder):
        self.path = os.path.join(folder, "calls")

    def __call__(self):
        if not os.path.exists(self.path):
            return []
        with open(self.path) as file:
            return [(int(tick), answer) for tick, answer in (line.split() for line in file if line.strip())]


class Windows98Test(E2ETestCase):
    saver = SAVER_98

    @classmethod
    def setUpClass(cls):
        set_up_windows_98(run_session.current())

    def start_with_password(self, *answers):
        folder, windows_folder = self.control_folder("password")
        with open(os.path.join(folder, "answers"), "w") as file:
            file.write("".join(f"{answer}\n" for answer in answers))
        process = self.start_full_screen(self.saver, environment={PASSWORD_FOLDER_VARIABLE: windows_folder})
        return process, Calls(folder)

    def press_until(self, condition, what, process):
        """Presses a key at each poll until condition(); presses within the
        retry interval are refused, so this is how a test asks again."""
        def pressed():
            if condition():
                return True
            if process.running():
                self.input.key("space")
            return False
        wait_until(pressed, ASK_AGAIN_TIMEOUT_S, what, seen=process.log_tail)

    def test_wrong_answer_keeps_the_saver_and_it_asks_again(self):
        process, calls = self.start_with_password("wrong")
        self.input.key("space")
        wait_until(lambda: len(calls()) == 1, START_TIMEOUT_S, "first password check", seen=calls)
        # Asking again shows it was still running, and still refusing to close.
        self.press_until(lambda: len(calls()) >= 2, "second password check", process)
        self.assertTrue(process.running(), process.log_tail())
        self.assertEqual([answer for _, answer in calls()][:2], ["wrong", "wrong"])

    def test_burst_asks_once_and_right_answer_closes(self):
        process, calls = self.start_with_password("wrong", "right")
        self.input.key(*["space"] * BURST_KEYS, delay_ms=BURST_KEY_DELAY_MS)
        wait_until(calls, START_TIMEOUT_S, "password check for the burst", seen=calls)
        self.press_until(lambda: not process.running(), "close after the right answer", process)
        self.assertEqual(process.wait_exit(EXIT_TIMEOUT_S), 0, process.log_tail())
        (first_tick, first), (second_tick, second) = calls()
        self.assertEqual((first, second), ("wrong", "right"))
        self.assertGreaterEqual(second_tick - first_tick, PASSWORD_RETRY_MS)

    def test_change_password_asks_the_system(self):
        process = self.start(self.saver, "/a", channels=RELAY_CHANNEL)
        self.assertEqual(process.wait_exit(EXIT_TIMEOUT_S), 0, process.log_tail())
        self.assertRegex(process.log(), r'Call mpr\.PwdChangePasswordA\([0-9a-f]+ "SCRSAVE"')


@unittest.skipIf(tools.thirty_two_bit_loader_problem(), tools.thirty_two_bit_loader_problem())
class Windows98On32BitBuildTest(Windows98Test):
    """The same cases with the win32 build, installed beside the 64-bit one."""

    saver = "C:\\win98_32\\quibac98.scr"

    @classmethod
    def setUpClass(cls):
        session = run_session.current()
        build = run_session.Build(os.path.join(run_session.REPOSITORY, "build", "win32"))
        missing = build.missing()
        if missing:
            raise unittest.SkipTest(f"build the win32 preset first; missing: {', '.join(missing)}")
        for target, source in ((cls.saver, build.saver), ("C:\\win98_32\\PASSWORD.CPL", build.password_cpl)):
            path = session.prefix.unix_path(target)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            shutil.copyfile(source, path)
        set_up_windows_98(session)
