"""The command lines that end the saver at once with -1: a mode letter it
does not know, and a preview without a live window to show it in."""

import re

from harness import EXACT_COMMAND, SAVER, E2ETestCase, unix_status
from harness.wine_trace import WINDOW_CHANNEL, window_creations

FAILED_EXIT_CODE = -1
SAVER_CLASS = "WindowsScreenSaverClass"
# Starting a program under Wine takes about a second; these end at once.
EXIT_TIMEOUT_S = 20
# A window handle that names no window of the session.
DEAD_WINDOW_HANDLE = "99999"


class ModesTest(E2ETestCase):
    def assert_ends_with_failure_and_no_window(self, *arguments):
        process = self.start_saver(*arguments, channels=WINDOW_CHANNEL)
        # Wine's Unix exit status holds only the exit code's low 8 bits.
        self.assertEqual(process.wait_exit(EXIT_TIMEOUT_S), unix_status(FAILED_EXIT_CODE), process.log_tail())
        self.assertEqual(window_creations(process.log(), SAVER_CLASS), [])

    def test_unknown_mode_letters_end_with_minus_one(self):
        for arguments in (["/x"], ["x"], ["0"]):
            with self.subTest(arguments=arguments):
                self.assert_ends_with_failure_and_no_window(*arguments)

    def test_tab_after_the_slash_is_not_a_separator(self):
        # Wine would quote an argument holding a tab, so the line goes through
        # CreateProcess exactly as written, and all 32 bits of the code come back.
        starter = self.start(EXACT_COMMAND, environment={"QUIBAC_TEST_COMMAND_LINE": f"{SAVER} /\ts"})
        self.assertEqual(starter.wait_exit(EXIT_TIMEOUT_S), 0, starter.log_tail())
        code = re.search(r"^exit code (\d+)\r?$", starter.log(), re.MULTILINE)
        self.assertIsNotNone(code, starter.log_tail())
        self.assertEqual(int(code[1]), FAILED_EXIT_CODE & 0xFFFFFFFF)

    def test_preview_without_a_live_window_ends_with_minus_one(self):
        for arguments in (["/p"], ["/p", "0"], ["/p:1234"], ["/p", DEAD_WINDOW_HANDLE]):
            with self.subTest(arguments=arguments):
                self.assert_ends_with_failure_and_no_window(*arguments)

    def test_change_password_is_unknown_outside_windows_98(self):
        self.assert_ends_with_failure_and_no_window("/a")
