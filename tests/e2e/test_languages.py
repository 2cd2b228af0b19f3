"""The saver in its user's language: Windows (here Wine, from the locale)
picks each resource's language, so the dialog's texts and the dates header
on the screen are the user's language's, and English where the saver does
not speak it.

The header on the screen is held against quibac-render's frame of the same
day and language (the linux build's renderer), pixel for pixel; the saver
under Wine is told the date through libfaketime.
"""

import os
import subprocess
import tempfile

from harness import POINTER_HOME, WINDOW_TEXTS, E2ETestCase, Region, wait_until
from harness import screenshots, session, tools

REPOSITORY = session.REPOSITORY
STRINGS = os.path.join(REPOSITORY, "tools", "artgen", "strings.txt")
# The date the saver is told, and the renderer asked for.
SHOWN_DATE = "2026-12-07"
FAKED_TIME = f"@{SHOWN_DATE} 12:00:00"
# Where the 800 x 600 picture sits on the 1024 x 768 screen, and its header.
CANVAS = Region(112, 84, 800, 600)
HEADER = Region(112, 84, 800, 128)
CANVAS_WIDTH = 800
HEADER_ROWS = 128
# The first door comes after the first walk; under Wine on a busy machine
# that can take a while.
DOOR_TIMEOUT_S = 150
TEXTS_TIMEOUT_MS = 30000
EXIT_TIMEOUT_S = 60
RENDER_TIMEOUT_S = 120
# The renderer's frames, one a second, that fall in the first door scene of
# the 7th: the walk before it is over after about five seconds.
DOOR_SECONDS = range(7, 14)
# Before December no door is open and the advert follows the first walk; the
# renderer's frames of its first showing.
ADVERT_DATE = "2026-11-30"
ADVERT_SECONDS = range(12, 27)
CONTROL_TEXT_IDS = {"stretch": 1000, "monitors": 1001, "ok": 1, "cancel": 2}


def strings_of(code):
    """The strings of one language of tools/artgen/strings.txt, by key."""
    found, section = {}, None
    with open(STRINGS, encoding="utf-8") as file:
        for line in file:
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            if line.startswith("["):
                section = line[1:-1]
            elif section == code and "=" in line:
                key, value = line.split("=", 1)
                found[key.strip()] = value.strip()
    return found


def renderer():
    path = os.environ.get("QUIBAC_E2E_RENDER") or os.path.join(REPOSITORY, "build", "linux", "quibac-render")
    if not os.access(path, os.X_OK):
        raise AssertionError(f"{path} is missing: build the linux preset, whose renderer the header is held against")
    return path


def rendered(language, date, seconds, rows):
    """The top rows of the renderer's frames of the given seconds."""
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([renderer(), "--lang", language, "--date", date, "--seconds", str(seconds[-1] + 1),
                        "--fps", "1", "--out", folder], check=True, timeout=RENDER_TIMEOUT_S, capture_output=True)
        tops = set()
        for second in seconds:
            png = os.path.join(folder, f"frame-{second:05d}.png")
            ppm = png + ".ppm"
            subprocess.run(["convert", png, "-depth", "8", f"ppm:{ppm}"], check=True,
                           timeout=screenshots.COMMAND_TIMEOUT_S)
            with open(ppm, "rb") as file:
                width, _, pixels = screenshots.parse_ppm(file.read())
            assert width == CANVAS_WIDTH
            tops.add(bytes(pixels[:CANVAS_WIDTH * rows * 3]))
        return tops


def rendered_headers(language):
    """The header rows of the renderer's frames of the first door of the 7th."""
    return rendered(language, SHOWN_DATE, DOOR_SECONDS, HEADER_ROWS)


def pixels_of(shot, region):
    return b"".join(bytes(row) for row in shot._rows(region))


def header_of(shot):
    return pixels_of(shot, HEADER)


class LanguagesTest(E2ETestCase):
    def dialog_texts(self, locale, name):
        """The configuration dialog's caption and its controls' (id, text), under locale; keeps a screenshot."""
        folder, windows_folder = self.control_folder(name)
        environment = {"LANG": locale}
        process = self.start_saver("/c", environment=environment)
        reader = self.start(WINDOW_TEXTS, windows_folder + "\\texts.txt", str(TEXTS_TIMEOUT_MS),
                            environment=environment)
        self.assertEqual(reader.wait_exit(EXIT_TIMEOUT_S), 0, reader.log_tail())
        with open(os.path.join(folder, "texts.txt"), encoding="utf-8") as file:
            lines = file.read().splitlines()
        caption, controls = lines[0], []
        for line in lines[1:]:
            number, _, text = line.partition(" ")
            controls.append((int(number), text))
        # The texts are there before the dialog is painted; the picture kept
        # for a person to look at is taken once no row of it is black.
        x, y, width, height = self.input.geometry(self.wait_for_window(caption))
        dialog = Region(x, y, width, height)
        self.keep(self.wait_for_screen(lambda s: not s.has_black_row(dialog), f"dialog drawn in {dialog}",
                                       f"dialog-{locale.split('.')[0]}"))
        self.input.key("Escape")
        process.wait_exit(EXIT_TIMEOUT_S)
        return caption, controls

    def assert_dialog_in(self, locale, code):
        words = strings_of(code)
        caption, controls = self.dialog_texts(locale, code)
        self.assertEqual(caption, words["name"])
        texts = dict(controls)
        for key, number in CONTROL_TEXT_IDS.items():
            self.assertEqual(texts.get(number), words[f"dialog.{key}"], key)
        self.assertIn(words["dialog.about"], [text for _, text in controls])

    def test_a_german_locale_gives_the_german_dialog(self):
        self.assertNotEqual(strings_of("de")["name"], strings_of("en")["name"])
        self.assert_dialog_in("de_DE.UTF-8", "de")

    def test_a_polish_locale_gives_the_polish_dialog(self):
        self.assert_dialog_in("pl_PL.UTF-8", "pl")

    def test_a_language_the_saver_lacks_gives_english(self):
        self.assert_dialog_in("fi_FI.UTF-8", "en")

    def assert_header_is_the_renderers(self, locale, language):
        expected = rendered_headers(language)
        self.input.move_pointer(*POINTER_HOME)
        self.start_full_screen(environment={"LANG": locale, "LD_PRELOAD": tools.faketime_library(),
                                            "FAKETIME": FAKED_TIME, "DONT_FAKE_MONOTONIC": "1"})
        shot = self.wait_for_screen(lambda s: header_of(s) in expected,
                                    f"the {language} header of {SHOWN_DATE} as quibac-render draws it",
                                    f"header-{language}", timeout=DOOR_TIMEOUT_S)
        self.keep(shot)

    def test_the_german_header_on_the_screen_is_the_renderers(self):
        self.assert_header_is_the_renderers("de_DE.UTF-8", "de")

    def test_the_polish_header_on_the_screen_is_the_renderers(self):
        self.assert_header_is_the_renderers("pl_PL.UTF-8", "pl")

    def test_the_german_advert_on_the_screen_is_the_renderers(self):
        # The German picture holds only what differs from the English one,
        # which Windows is asked for by its language. Under a loaded Wine the
        # last stripes of the advert's reveal may reach the screen only as
        # the next scene begins, so each row counts once it has been seen as
        # the renderer draws it.
        expected = rendered("de", ADVERT_DATE, ADVERT_SECONDS, CANVAS.height)
        self.assertEqual(len(expected), 1, "the renderer's advert stands still")
        advert = next(iter(expected))
        row_bytes = CANVAS_WIDTH * 3
        seen = set()

        def every_row_seen(shot):
            shown = pixels_of(shot, CANVAS)
            seen.update(y for y in range(CANVAS.height)
                        if shown[y * row_bytes:(y + 1) * row_bytes] == advert[y * row_bytes:(y + 1) * row_bytes])
            return len(seen) == CANVAS.height

        self.input.move_pointer(*POINTER_HOME)
        self.start_full_screen(environment={"LANG": "de_DE.UTF-8", "LD_PRELOAD": tools.faketime_library(),
                                            "FAKETIME": f"@{ADVERT_DATE} 12:00:00", "DONT_FAKE_MONOTONIC": "1"})
        shot = self.wait_for_screen(every_row_seen, "every row of the de advert as quibac-render draws it",
                                    "advert-de", timeout=DOOR_TIMEOUT_S)
        self.keep(shot)
