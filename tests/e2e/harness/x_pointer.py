"""The pointer of the suite's X display, moved through XTEST on a connection
kept open for the whole run.

Xvfb puts the pointer back where it was when the client that moved it
disconnects, and the saver sees that as one more movement; so the pointer is
not moved with a short-lived xdotool, and stays where a test put it.
"""

import ctypes
import ctypes.util

_NO_DELAY = 0


class XPointer:
    def __init__(self, display):
        self._x11 = _library("X11")
        self._xtst = _library("Xtst")
        self._x11.XOpenDisplay.restype = ctypes.c_void_p
        self._x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self._x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self._x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self._xtst.XTestFakeRelativeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                                            ctypes.c_ulong]
        self._display = self._x11.XOpenDisplay(display.encode())
        if not self._display:
            raise RuntimeError(f"cannot open X display {display}")

    def move_by(self, dx, dy):
        """Moves the pointer by (dx, dy); the server has done so on return.

        A relative move, because Wine, once it clips the cursor to a
        full-screen window, reads XInput2's raw motion as relative: an
        absolute move's raw values (the new position) would move Wine's
        cursor by the whole position, far beyond the saver's threshold."""
        self._xtst.XTestFakeRelativeMotionEvent(self._display, dx, dy, _NO_DELAY)
        self._x11.XSync(self._display, False)

    def close(self):
        if self._display:
            self._x11.XCloseDisplay(self._display)
            self._display = None


def _library(name):
    path = ctypes.util.find_library(name)
    if path is None:
        raise RuntimeError(f"lib{name} is not installed")
    return ctypes.CDLL(path)
