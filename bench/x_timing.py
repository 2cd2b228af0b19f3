"""Timing what a person sees on an X screen, to the millisecond: a key
pressed through the XTest extension, the moment a window is unmapped or
destroyed as the X server reports it, and the moment a process has ended.

Spawning xdotool for each press or look costs tens of milliseconds on a busy
machine, more than the close latencies measured; here the key goes out and
the events come back on one connection of the bench's own.
"""

import ctypes
import ctypes.util
import os
import select
import subprocess
import time

_STRUCTURE_NOTIFY_MASK = 1 << 17
_DESTROY_NOTIFY = 17
_UNMAP_NOTIFY = 18


class _XAnyEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong)]


class _XEvent(ctypes.Union):
    _fields_ = [("any", _XAnyEvent), ("pad", ctypes.c_long * 24)]


_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)


class XTiming:
    def __init__(self, display):
        self.display_name = display
        self.xlib = ctypes.CDLL(ctypes.util.find_library("X11"))
        self.xtst = ctypes.CDLL(ctypes.util.find_library("Xtst"))
        x, t = self.xlib, self.xtst
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XConnectionNumber.argtypes = [ctypes.c_void_p]
        x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        x.XFlush.argtypes = [ctypes.c_void_p]
        x.XPending.argtypes = [ctypes.c_void_p]
        x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(_XEvent)]
        x.XStringToKeysym.restype = ctypes.c_ulong
        x.XStringToKeysym.argtypes = [ctypes.c_char_p]
        x.XKeysymToKeycode.restype = ctypes.c_ubyte
        x.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        x.XSetErrorHandler.argtypes = [_ERROR_HANDLER]
        x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        t.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        # A window may be gone before it is watched: Xlib's own handler would
        # end the bench on the error that gives.
        self._ignore_errors = _ERROR_HANDLER(lambda display, error: 0)
        x.XSetErrorHandler(self._ignore_errors)
        self.connection = x.XOpenDisplay(display.encode())
        if not self.connection:
            raise RuntimeError(f"cannot open display {display}")

    def close(self):
        if self.connection:
            self.xlib.XCloseDisplay(self.connection)
            self.connection = None

    def visible_windows(self, title):
        """Ids of the mapped windows whose whole name is title (not timed)."""
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"], capture_output=True,
                               text=True, env={**os.environ, "DISPLAY": self.display_name})
        return [int(line) for line in found.stdout.split()]

    def watch(self, window):
        """From now on the server tells when window is unmapped or destroyed."""
        self.xlib.XSelectInput(self.connection, window, _STRUCTURE_NOTIFY_MASK)
        self.xlib.XSync(self.connection, 0)

    def press_key(self, name="space"):
        """Presses and releases a key; returns the moment it was sent. What
        the server reported before (a window mapped again as it went full
        screen, say) is forgotten."""
        code = self.xlib.XKeysymToKeycode(self.connection, self.xlib.XStringToKeysym(name.encode()))
        self.xlib.XSync(self.connection, 0)
        event = _XEvent()
        while self.xlib.XPending(self.connection):
            self.xlib.XNextEvent(self.connection, ctypes.byref(event))
        sent = time.monotonic()
        self.xtst.XTestFakeKeyEvent(self.connection, code, 1, 0)
        self.xtst.XTestFakeKeyEvent(self.connection, code, 0, 0)
        self.xlib.XFlush(self.connection)
        return sent

    def wait_gone(self, window, timeout):
        """The moment the server reported window unmapped or destroyed, or
        None when that did not happen within timeout seconds."""
        deadline = time.monotonic() + timeout
        event = _XEvent()
        fd = self.xlib.XConnectionNumber(self.connection)
        while True:
            while self.xlib.XPending(self.connection):
                self.xlib.XNextEvent(self.connection, ctypes.byref(event))
                if event.any.window == window and event.any.type in (_UNMAP_NOTIFY, _DESTROY_NOTIFY):
                    return time.monotonic()
            left = deadline - time.monotonic()
            if left <= 0:
                return None
            select.select([fd], [], [], left)


def wait_process_end(pid, timeout):
    """The moment process pid ended, or None when it still runs after timeout
    seconds. The process need not be a child, but must not be reaped before
    this is called."""
    try:
        fd = os.pidfd_open(pid)
    except ProcessLookupError:
        return time.monotonic()
    try:
        ready, _, _ = select.select([fd], [], [], timeout)
        return time.monotonic() if ready else None
    finally:
        os.close(fd)
