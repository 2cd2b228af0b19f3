"""The full-screen saver (/s): what it shows for each Stretch setting, the
input that closes it and the input that does not, a second start while it
runs, and the chunk trace on the debug output."""

from harness import FULL_SCREEN_TITLE, POINTER_HOME, SEND_MESSAGE, E2ETestCase, Region
from harness.wine_trace import DEBUG_STRING_CHANNEL, debug_strings
from harness.waiting import wait_until

# The 800 x 600 picture, centred when not stretched.
CENTRED_PICTURE = Region(112, 84, 800, 600)
MARGINS = (Region(0, 0, 112, 768), Region(912, 0, 112, 768), Region(112, 0, 800, 84), Region(112, 684, 800, 84))
# A stretched picture reaches the screen's edges: its outermost columns.
EDGE_COLUMNS = (Region(0, 0, 2, 768), Region(1022, 0, 2, 768))
EXIT_TIMEOUT_S = 20
SAVER_CLASS = "WindowsScreenSaverClass"
WM_NCDESTROY = 0x0082
# Changes of the picture that show the show went on after an event: two, as
# one might still be a frame drawn just before the saver stopped.
CHANGES_OF_A_RUNNING_SHOW = 2


class FullScreenTest(E2ETestCase):
    def start_stretched(self, stretch):
        self.session.settings.write_stretch(stretch)
        return self.start_full_screen()

    def wait_for_picture(self):
        # The picture comes a few rows at a time, interlaced, over a white
        # background: it is all there once no row of it is black.
        return self.wait_for_screen(lambda shot: not shot.has_black_row(CENTRED_PICTURE),
                                    f"whole picture in {CENTRED_PICTURE}", "picture")

    def assert_show_goes_on(self, process):
        """Waits until the picture has changed a few times while process runs."""
        picture = CENTRED_PICTURE
        previous = self.screenshot("show-before")
        for change in range(1, CHANGES_OF_A_RUNNING_SHOW + 1):
            previous = self.wait_for_screen(
                lambda shot, before=previous: not shot.same_as(before, picture) and not shot.is_black(picture),
                f"change {change} of the picture in {picture}", f"show-change-{change}")
        self.assertTrue(process.running(), process.log_tail())

    def test_picture_is_centred_with_black_margins_when_not_stretched(self):
        self.start_stretched(0)
        shot = self.wait_for_picture()
        kept = self.keep(shot)
        for margin in MARGINS:
            self.assertTrue(shot.is_black(margin), f"margin {margin} is not black in {kept}")

    def test_picture_fills_the_screen_when_stretched(self):
        self.start_stretched(1)
        shot = self.wait_for_picture()
        kept = self.keep(shot)
        for column in EDGE_COLUMNS:
            self.assertFalse(shot.is_black(column), f"edge {column} is black in {kept}")

    def test_movement_within_four_pixels_keeps_it_and_beyond_closes_it(self):
        process = self.start_full_screen()
        self.wait_for_picture()
        x, y = POINTER_HOME
        self.input.move_pointer(x + 2, y + 2)
        self.assert_show_goes_on(process)
        self.input.move_pointer(x + 3, y + 2)
        self.assertEqual(process.wait_exit(EXIT_TIMEOUT_S), 0, process.log_tail())

    def test_key_closes_it(self):
        process = self.start_full_screen()
        self.wait_for_picture()
        self.input.key("space")
        self.assertEqual(process.wait_exit(EXIT_TIMEOUT_S), 0, process.log_tail())

    def test_key_closes_it_after_another_program_sends_it_wm_ncdestroy(self):
        process = self.start_full_screen()
        self.wait_for_picture()
        sender = self.start(SEND_MESSAGE, SAVER_CLASS, FULL_SCREEN_TITLE, str(WM_NCDESTROY))
        self.assertEqual(sender.wait_exit(EXIT_TIMEOUT_S), 0, sender.log_tail())
        self.assertTrue(process.running(), process.log_tail())
        self.input.key("space")
        self.assertEqual(process.wait_exit(EXIT_TIMEOUT_S), 0, process.log_tail())

    def test_second_start_leaves_the_running_saver_alone(self):
        first = self.start_full_screen()
        self.wait_for_picture()
        second = self.start_saver("/s")
        self.assertEqual(second.wait_exit(EXIT_TIMEOUT_S), 0, second.log_tail())
        self.assert_show_goes_on(first)
        self.assertEqual(len(self.input.visible_windows(FULL_SCREEN_TITLE)), 1)

    def test_chunk_trace_reaches_the_debug_output(self):
        process = self.start_full_screen(channels=DEBUG_STRING_CHANNEL)
        traced = wait_until(
            lambda: [text for text in debug_strings(process.log()) if "Header addr.:" in text],
            EXIT_TIMEOUT_S, "chunk trace on the debug output", seen=lambda: repr(process.log_tail()))
        self.assertIn("Header type:", traced[0])
