"""The preview (/p <window>) inside a stand-in for the display settings page.

Wine 8 does not put on the screen what one process draws into a child window
of another process's window: the parent keeps its own colour where the
preview is. So the picture is not looked for here; the preview's window, its
show, its indifference to input and its closing are.
"""

import os

from harness import PREVIEW_HOST, SAVER, E2ETestCase, wait_until
from harness.wine_trace import DEBUG_STRING_CHANNEL, WINDOW_CHANNEL, debug_strings, window_creations

# The settings page's preview area, and where preview_host puts it.
PREVIEW_WIDTH = 152
PREVIEW_HEIGHT = 112
PARENT_ORIGIN = (200, 150)
SAVER_CLASS = "WindowsScreenSaverClass"
WS_CHILD = 0x40000000
START_TIMEOUT_S = 30
EXIT_TIMEOUT_S = 20
LEFT_BUTTON = 1
RIGHT_BUTTON = 3


class PreviewTest(E2ETestCase):
    def control_file(self, name):
        path = os.path.join(self.folder, name)
        if not os.path.exists(path):
            return None
        with open(path) as file:
            return file.read()

    def test_preview_runs_in_the_parent_ignores_input_and_ends_on_close(self):
        self.folder, windows_folder = self.control_folder("preview")
        host = self.start(PREVIEW_HOST, SAVER, str(PREVIEW_WIDTH), str(PREVIEW_HEIGHT), windows_folder,
                          channels=f"{WINDOW_CHANNEL},{DEBUG_STRING_CHANNEL}")
        parent = int(wait_until(lambda: self.control_file("parent"), START_TIMEOUT_S, "parent window",
                                seen=host.log_tail))

        created = wait_until(lambda: window_creations(host.log(), SAVER_CLASS), START_TIMEOUT_S,
                             "preview window", seen=host.log_tail)
        self.assertEqual(len(created), 1, created)
        self.assertEqual((created[0].parent, created[0].width, created[0].height),
                         (parent, PREVIEW_WIDTH, PREVIEW_HEIGHT))
        self.assertTrue(created[0].style & WS_CHILD, created[0])
        # The show thread starts on the first paint and traces the dates
        # animation's chunks as it winds it on to today.
        wait_until(lambda: any("Header addr.:" in text for text in debug_strings(host.log())), START_TIMEOUT_S,
                   "chunk trace of the preview's show", seen=host.log_tail)

        x, y = PARENT_ORIGIN[0] + PREVIEW_WIDTH // 2, PARENT_ORIGIN[1] + PREVIEW_HEIGHT // 2
        self.input.move_pointer(x, y)
        self.input.move_pointer(x + 20, y + 20)
        self.input.click(LEFT_BUTTON)
        self.input.key("space")
        # The preview hands a context menu on to its parent, after all the
        # input before it; had that input closed the preview, nothing would come.
        self.input.click(RIGHT_BUTTON)
        wait_until(lambda: "WM_CONTEXTMENU" in (self.control_file("forwarded") or ""), START_TIMEOUT_S,
                   "context menu handed on to the parent", seen=host.log_tail)
        self.assertIsNone(self.control_file("exit"), "the preview ended on input")

        self.close_preview(host)

    def close_preview(self, host):
        open(os.path.join(self.folder, "close"), "w").close()
        exit_code = wait_until(lambda: self.control_file("exit"), EXIT_TIMEOUT_S, "end of the preview",
                               seen=host.log_tail)
        self.assertEqual(exit_code, "0")
        self.assertEqual(host.wait_exit(EXIT_TIMEOUT_S), 0, host.log_tail())

    def test_help_asked_over_the_preview_reaches_the_parent_with_what_it_carried(self):
        # Windows will not post help (its lParam is a pointer) to another
        # process, so a preview that posts it hands on nothing at all.
        self.folder, windows_folder = self.control_folder("help")
        host = self.start(PREVIEW_HOST, SAVER, str(PREVIEW_WIDTH), str(PREVIEW_HEIGHT), windows_folder)
        parent = wait_until(lambda: self.control_file("parent"), START_TIMEOUT_S, "parent window",
                            seen=host.log_tail)
        open(os.path.join(self.folder, "help"), "w").close()
        asked = wait_until(lambda: self.control_file("asked"), START_TIMEOUT_S, "help asked of the preview",
                           seen=host.log_tail)
        forwarded = wait_until(lambda: [line for line in (self.control_file("forwarded") or "").splitlines()
                                        if line.startswith("WM_HELP")],
                               START_TIMEOUT_S, "help handed on to the parent", seen=host.log_tail)
        self.assertEqual(forwarded, [f"WM_HELP {parent} {asked}"])
        self.close_preview(host)
