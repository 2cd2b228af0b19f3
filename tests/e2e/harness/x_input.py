"""Input and window look-ups on the suite's X display: xdotool for keys,
clicks and windows, a connection of the suite's own for the pointer.

There is no window manager: keys go to the window under the pointer, so a
test puts the pointer where its keys should land.
"""

import os
import re
import subprocess

from .waiting import wait_until
from .x_pointer import XPointer

COMMAND_TIMEOUT_S = 10
_PLAIN_NAME = re.compile(r"^[A-Za-z0-9 ]+$")


class XInput:
    def __init__(self, display):
        self._environment = {**os.environ, "DISPLAY": display}
        self._pointer = XPointer(display)

    def close(self):
        self._pointer.close()

    def _xdotool(self, *arguments, check=True):
        return subprocess.run(["xdotool", *arguments], env=self._environment, capture_output=True, text=True,
                              timeout=COMMAND_TIMEOUT_S, check=check)

    def move_pointer(self, x, y):
        """Moves the pointer and returns once the server has it there."""
        def there():
            # The rest of the way again, should the server have scaled a move.
            now_x, now_y = self.pointer()
            if (now_x, now_y) == (x, y):
                return True
            self._pointer.move_by(x - now_x, y - now_y)
            return False

        wait_until(there, COMMAND_TIMEOUT_S, f"pointer at ({x},{y})", seen=lambda: f"it at {self.pointer()}")

    def pointer(self):
        fields = dict(item.split(":") for item in self._xdotool("getmouselocation").stdout.split())
        return int(fields["x"]), int(fields["y"])

    def click(self, button):
        self._xdotool("click", str(button))

    def key(self, *names, delay_ms=None):
        """Presses and releases each key in turn; delay_ms apart when given."""
        delay = ["--delay", str(delay_ms)] if delay_ms is not None else []
        self._xdotool("key", *delay, *names)

    def visible_windows(self, name):
        """The ids of the mapped windows whose whole name is name."""
        if not _PLAIN_NAME.match(name):
            raise ValueError(f"window names are matched as patterns; {name!r} would need quoting")
        found = self._xdotool("search", "--onlyvisible", "--name", f"^{name}$", check=False)
        return [int(line) for line in found.stdout.split()]

    def geometry(self, window):
        """(x, y, width, height) of a window on the screen."""
        shell = self._xdotool("getwindowgeometry", "--shell", str(window)).stdout
        fields = dict(line.split("=", 1) for line in shell.split())
        return int(fields["X"]), int(fields["Y"]), int(fields["WIDTH"]), int(fields["HEIGHT"])
