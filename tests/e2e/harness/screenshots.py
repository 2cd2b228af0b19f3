"""Pictures of the whole X screen and the pixel checks the tests make on them.

A capture is taken as PPM, which reads back without decoding, and turned into
PNG only when it is kept for someone to look at.
"""

import os
import subprocess
from dataclasses import dataclass

COMMAND_TIMEOUT_S = 20


@dataclass(frozen=True)
class Region:
    x: int
    y: int
    width: int
    height: int

    def __str__(self):
        return f"{self.width}x{self.height} at ({self.x},{self.y})"


class Screenshot:
    def __init__(self, path, width, height, pixels):
        self.path = path
        self.width = width
        self.height = height
        self._pixels = pixels  # RGB, 3 bytes a pixel, rows top to bottom

    def _rows(self, region):
        stride = self.width * 3
        for y in range(region.y, region.y + region.height):
            start = y * stride + region.x * 3
            yield self._pixels[start:start + region.width * 3]

    def is_black(self, region):
        return all(row.count(0) == len(row) for row in self._rows(region))

    def has_black_row(self, region):
        """Whether some row of region is black from end to end."""
        return any(row.count(0) == len(row) for row in self._rows(region))

    def same_as(self, other, region):
        return all(a == b for a, b in zip(self._rows(region), other._rows(region)))

    def keep(self):
        """Turns the capture into a PNG beside it, which stays; returns its path."""
        png = os.path.splitext(self.path)[0] + ".png"
        subprocess.run(["convert", self.path, png], check=True, timeout=COMMAND_TIMEOUT_S)
        os.remove(self.path)
        self.path = png
        return png

    def discard(self):
        if os.path.exists(self.path):
            os.remove(self.path)


def capture(display, path):
    """The root window of display, saved at path (a .ppm)."""
    subprocess.run(["import", "-display", display, "-window", "root", "-depth", "8", f"ppm:{path}"],
                   check=True, timeout=COMMAND_TIMEOUT_S, capture_output=True)
    with open(path, "rb") as file:
        data = file.read()
    return Screenshot(path, *parse_ppm(data))


def parse_ppm(data):
    """(width, height, pixels) of a binary PPM with 8-bit samples."""
    fields = []
    position = 0
    while len(fields) < 4:  # magic, width, height, maximum value
        while data[position:position + 1].isspace():
            position += 1
        if data[position:position + 1] == b"#":
            position = data.index(b"\n", position)
            continue
        end = position
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[position:end])
        position = end
    if fields[0] != b"P6" or fields[3] != b"255":
        raise ValueError(f"not an 8-bit binary PPM: {fields}")
    width, height = int(fields[1]), int(fields[2])
    pixels = data[position + 1:position + 1 + width * height * 3]
    return width, height, pixels
