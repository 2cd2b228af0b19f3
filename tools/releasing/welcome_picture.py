"""The picture down the side of the installer's first and last pages: Quib at
the calendar, cut from the advert picture at its own pixels, rather than
the installer maker's stock picture."""

import struct

SOURCE = ("assets", "advert.bmp")
# The Modern UI's picture is 164 x 314 pixels; this one holds Quib from his
# hat to his shoes, with the tree's edge and the calendar's doors beside him.
LEFT, TOP, WIDTH, HEIGHT = 290, 222, 164, 314
_FILE_HEADER = struct.Struct("<2sIHHI")
_INFO_HEADER = struct.Struct("<IiiHHIIiiII")
_EIGHT_BITS = 8
_PALETTE_ENTRY = 4
_UNCOMPRESSED = 0


def _row_bytes(width):
    return (width + 3) // 4 * 4


def cut(bitmap):
    """The welcome picture, as an 8-bit bitmap with the source's colours,
    cut from an uncompressed 8-bit bitmap of the canvas."""
    if len(bitmap) < _FILE_HEADER.size + _INFO_HEADER.size:
        raise ValueError("too short for a bitmap")
    _, _, _, _, pixels_at = _FILE_HEADER.unpack_from(bitmap, 0)
    info = _INFO_HEADER.unpack_from(bitmap, _FILE_HEADER.size)
    header_size, width, height, _, bits, compression, _, _, _, used, _ = info
    if bits != _EIGHT_BITS or compression != _UNCOMPRESSED or width < LEFT + WIDTH or abs(height) < TOP + HEIGHT:
        raise ValueError(f"not an uncompressed 8-bit picture of at least {LEFT + WIDTH} x {TOP + HEIGHT}")
    colours = used or 1 << bits
    palette_at = _FILE_HEADER.size + header_size
    palette = bitmap[palette_at:palette_at + colours * _PALETTE_ENTRY]
    stride = _row_bytes(width)
    if len(palette) != colours * _PALETTE_ENTRY or len(bitmap) < pixels_at + stride * abs(height):
        raise ValueError("the bitmap ends before its colours or its rows do")
    bottom_up = height > 0
    rows = []
    for y in range(TOP, TOP + HEIGHT):
        stored = abs(height) - 1 - y if bottom_up else y
        start = pixels_at + stored * stride + LEFT
        rows.append(bitmap[start:start + WIDTH] + bytes(_row_bytes(WIDTH) - WIDTH))
    pixels = b"".join(reversed(rows))  # stored bottom row first
    offset = _FILE_HEADER.size + _INFO_HEADER.size + len(palette)
    return (_FILE_HEADER.pack(b"BM", offset + len(pixels), 0, 0, offset) +
            _INFO_HEADER.pack(_INFO_HEADER.size, WIDTH, HEIGHT, 1, _EIGHT_BITS, _UNCOMPRESSED, len(pixels), 0, 0,
                              colours, 0) + palette + pixels)
