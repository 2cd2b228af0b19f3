"""The configuration dialog's second check box, "Show the calendar on every
monitor": reached by keyboard (the third tab stop, after OK and Stretch) and
by a click; OK writes EveryMonitor=1, Esc writes nothing, and a file from
before the setting existed keeps its Stretch and gains EveryMonitor=0.
"""

import configparser

from harness import E2ETestCase, Region

DIALOG_TITLE = "Quib Advent Screen Saver"
SAVED_EXIT_CODE = 1
CANCELLED_EXIT_CODE = 0
EXIT_TIMEOUT_S = 20
# A check box's square is white inside a dark frame, a few pixels across.
WHITE = b"\xff\xff\xff"
SMALLEST_BOX = 7
LARGEST_BOX = 16


def check_boxes(shot, dialog):
    """The centres of the white squares inside the dialog, top first: its two
    check boxes (the about text's block is white-free grey)."""
    found = []
    stride = shot.width * 3
    pixel = lambda x, y: shot._pixels[y * stride + x * 3:y * stride + x * 3 + 3]  # noqa: E731
    x_end, y_end = dialog.x + dialog.width, dialog.y + dialog.height
    for y in range(dialog.y, y_end):
        for x in range(dialog.x, x_end):
            # The top-left white pixel of a square: not white above or left.
            if pixel(x, y) != WHITE or pixel(x - 1, y) == WHITE or pixel(x, y - 1) == WHITE:
                continue
            side = 0
            while x + side < x_end and pixel(x + side, y) == WHITE:
                side += 1
            tall = 0
            while y + tall < y_end and pixel(x, y + tall) == WHITE:
                tall += 1
            if SMALLEST_BOX <= side <= LARGEST_BOX and abs(side - tall) <= 1:
                found.append((x + side // 2, y + tall // 2))
    return found


class EveryMonitorSettingTest(E2ETestCase):
    def open_dialog(self, name):
        """Starts /c; returns it and the dialog's first full capture, with the
        pointer over the dialog for the keys."""
        process = self.start_saver("/c")
        x, y, width, height = self.input.geometry(self.wait_for_window(DIALOG_TITLE))
        self.dialog = Region(x, y, width, height)
        shot = self.wait_for_screen(lambda s: not s.has_black_row(self.dialog), f"dialog drawn in {self.dialog}",
                                    name)
        self.input.move_pointer(x + width // 2, y + height // 2)
        return process, shot

    def setting(self, key):
        text = self.session.settings.text()
        self.assertIsNotNone(text, "no QUIBAC.INI was written")
        settings = configparser.ConfigParser()
        settings.read_string(text)
        return settings.get("Quib Advent Screen Saver", key)

    def test_third_tab_stop_is_the_box_and_enter_saves_it(self):
        process, shot = self.open_dialog("dialog")
        self.keep(shot)
        self.input.key("Tab", "Tab", "space", "Return")
        self.assertEqual(process.wait_exit(EXIT_TIMEOUT_S), SAVED_EXIT_CODE, process.log_tail())
        self.assertEqual(self.setting("EveryMonitor"), "1")
        self.assertEqual(self.setting("Stretch"), "0")

    def test_a_click_on_the_box_and_enter_saves_it(self):
        process, shot = self.open_dialog("dialog-to-click")
        boxes = check_boxes(shot, self.dialog)
        self.assertEqual(len(boxes), 2, f"two check boxes in {self.keep(shot)}")
        self.assertGreater(boxes[1][1], boxes[0][1] + 40, "the new box lies under everything else")
        self.input.move_pointer(*boxes[1])
        self.input.click(1)
        x, y = boxes[1]
        square = Region(x - SMALLEST_BOX // 2, y - SMALLEST_BOX // 2, SMALLEST_BOX, SMALLEST_BOX)
        ticked = self.wait_for_screen(lambda s: not s.same_as(shot, square), f"a tick in {square}", "dialog-clicked")
        self.keep(ticked)
        self.input.key("Return")
        self.assertEqual(process.wait_exit(EXIT_TIMEOUT_S), SAVED_EXIT_CODE, process.log_tail())
        self.assertEqual(self.setting("EveryMonitor"), "1")
        self.assertEqual(self.setting("Stretch"), "0")

    def test_escape_after_ticking_writes_nothing(self):
        self.session.settings.write_stretch(1)
        before = (self.session.settings.text(), self.session.settings.modified())
        process, _ = self.open_dialog("dialog")
        self.input.key("Tab", "Tab", "space", "Escape")
        self.assertEqual(process.wait_exit(EXIT_TIMEOUT_S), CANCELLED_EXIT_CODE, process.log_tail())
        self.assertEqual((self.session.settings.text(), self.session.settings.modified()), before)

    def test_a_file_from_before_the_setting_keeps_stretch_and_gains_every_monitor_off(self):
        self.session.settings.write_stretch(1)
        process, _ = self.open_dialog("dialog")
        self.input.key("Return")
        self.assertEqual(process.wait_exit(EXIT_TIMEOUT_S), SAVED_EXIT_CODE, process.log_tail())
        self.assertEqual(self.setting("Stretch"), "1")
        self.assertEqual(self.setting("EveryMonitor"), "0")
