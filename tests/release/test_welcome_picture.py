"""The installer's side picture is the stretch of the canvas it is meant to
be, upright whichever way the source stores its rows, in the source's
colours; a source it cannot cut is refused rather than read past its end."""

import struct
import unittest

from releasing import welcome_picture as picture

CANVAS = (800, 600)
PALETTE = bytes(range(256)) * 4


def canvas_pixel(x, y):
    return (x * 3 + y * 7) % 256


def bitmap(width, height, top_down=False, bits=8):
    """An uncompressed bitmap of canvas_pixel, rows stored as asked."""
    stride = (width + 3) // 4 * 4
    order = range(height) if top_down else range(height - 1, -1, -1)
    pixels = b"".join(bytes(canvas_pixel(x, y) for x in range(width)) + bytes(stride - width) for y in order)
    offset = 14 + 40 + len(PALETTE)
    return (struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) +
            struct.pack("<IiiHHIIiiII", 40, width, -height if top_down else height, 1, bits, 0, len(pixels), 0, 0,
                        256, 0) + PALETTE + pixels)


def upright_rows(cut):
    """The cut's rows, top first, as (width, height, palette, rows)."""
    offset = struct.unpack_from("<I", cut, 10)[0]
    width, height = struct.unpack_from("<ii", cut, 18)
    stride = (width + 3) // 4 * 4
    rows = [cut[offset + row * stride:offset + row * stride + width] for row in range(abs(height))]
    return width, height, cut[54:offset], rows if height < 0 else rows[::-1]


class WelcomePictureTest(unittest.TestCase):
    def test_is_the_canvas_stretch_upright_in_the_sources_colours(self):
        expected = [bytes(canvas_pixel(x, y) for x in range(picture.LEFT, picture.LEFT + picture.WIDTH))
                    for y in range(picture.TOP, picture.TOP + picture.HEIGHT)]
        for case, top_down in (("rows stored bottom first", False), ("rows stored top first", True)):
            with self.subTest(case):
                width, height, palette, rows = upright_rows(picture.cut(bitmap(*CANVAS, top_down=top_down)))
                self.assertEqual((width, abs(height), palette), (picture.WIDTH, picture.HEIGHT, PALETTE))
                self.assertTrue(rows == expected, "the pixels are not the canvas stretch, upright")

    def test_refuses_a_source_it_cannot_cut(self):
        cases = (
            ("too narrow", bitmap(picture.LEFT + picture.WIDTH - 1, CANVAS[1])),
            ("too short", bitmap(CANVAS[0], picture.TOP + picture.HEIGHT - 1)),
            ("not 8-bit", bitmap(*CANVAS, bits=24)),
            ("cut short", bitmap(*CANVAS)[:60000]),
        )
        for case, source in cases:
            with self.subTest(case):
                self.assertRaises(ValueError, picture.cut, source)
