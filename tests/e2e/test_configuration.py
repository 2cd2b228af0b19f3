"""The configuration dialog (/c), driven by its keyboard interface.

The dialog leaves the focus where the platform puts it (its initialisation
answers FALSE): on the first control that takes the Tab key, the OK button,
one Tab before the check box.
"""

import configparser

from harness import E2ETestCase, Region

# A stretched picture reaches the screen's edges.
EDGE_COLUMNS = (Region(0, 0, 2, 768), Region(1022, 0, 2, 768))

DIALOG_TITLE = "Quib Advent Screen Saver"
SAVED_EXIT_CODE = 1
CANCELLED_EXIT_CODE = 0
EXIT_TIMEOUT_S = 20


class ConfigurationTest(E2ETestCase):
    def open_dialog(self, name):
        """Starts /c and returns it once its dialog is drawn, with the pointer over it for the keys."""
        process = self.start_saver("/c")
        x, y, width, height = self.input.geometry(self.wait_for_window(DIALOG_TITLE))
        dialog = Region(x, y, width, height)
        # The dialog's face is light: it is drawn once no row of it is black.
        shot = self.wait_for_screen(lambda s: not s.has_black_row(dialog), f"dialog drawn in {dialog}", name)
        self.input.move_pointer(x + width // 2, y + height // 2)
        return process, shot

    def stretch_setting(self, path=None):
        text = self.session.settings.text(path)
        self.assertIsNotNone(text, "no QUIBAC.INI was written")
        settings = configparser.ConfigParser()
        settings.read_string(text)
        return settings.get("Quib Advent Screen Saver", "Stretch")

    def test_enter_saves_the_checked_box(self):
        process, shot = self.open_dialog("dialog")
        self.keep(shot)
        self.input.key("Tab", "space", "Return")
        self.assertEqual(process.wait_exit(EXIT_TIMEOUT_S), SAVED_EXIT_CODE, process.log_tail())
        self.assertEqual(self.stretch_setting(), "1")

    def test_escape_writes_nothing(self):
        self.session.settings.write_stretch(0)
        before = (self.session.settings.text(), self.session.settings.modified())
        process, _ = self.open_dialog("dialog")
        self.input.key("Tab", "space", "Escape")
        self.assertEqual(process.wait_exit(EXIT_TIMEOUT_S), CANCELLED_EXIT_CODE, process.log_tail())
        self.assertEqual((self.session.settings.text(), self.session.settings.modified()), before)

    def test_unwritable_windows_directory_keeps_the_setting_with_the_user(self):
        self.session.settings.make_unwritable()
        process, _ = self.open_dialog("dialog")
        self.input.key("Tab", "space", "Return")
        self.assertEqual(process.wait_exit(EXIT_TIMEOUT_S), SAVED_EXIT_CODE, process.log_tail())
        self.assertEqual(self.stretch_setting(self.session.settings.user_copy), "1")
        # The saver reads the user's copy: its picture fills the screen.
        self.start_full_screen()
        self.wait_for_screen(lambda shot: not any(shot.is_black(column) for column in EDGE_COLUMNS),
                             "a stretched picture, up to the screen's edges", "stretched")
