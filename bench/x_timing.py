"""Timing what a person sees on an X screen, to the millisecond: captures
of the whole screen, a key pressed through the XTest extension, the moment a
window is unmapped or destroyed as the X server reports it, and the moment a
process has ended.

Spawning a program (xdotool, xwd) for each press, look or capture costs
tens of milliseconds or more on a busy machine, more than the latencies
measured; here everything goes over one connection of the bench's own.
"""

import ctypes
import ctypes.util
import os
import select
import subprocess
import time

CONNECT_ATTEMPTS = 5
_STRUCTURE_NOTIFY_MASK = 1 << 17
_DESTROY_NOTIFY = 17
_UNMAP_NOTIFY = 18


class _XImageHead(ctypes.Structure):
    """The leading fields of Xlib's XImage, as far as the pixels need."""
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_char)), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]


class _XAnyEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong)]


class _XEvent(ctypes.Union):
    _fields_ = [("any", _XAnyEvent), ("pad", ctypes.c_long * 24)]


_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
_Z_PIXMAP = 2
_ALL_PLANES = ctypes.c_ulong(~0 & 0xFFFFFFFFFFFFFFFF)


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
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XGetImage.restype = ctypes.POINTER(_XImageHead)
        x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x.XDestroyImage.argtypes = [ctypes.POINTER(_XImageHead)]
        t.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        # A window may be gone before it is watched: Xlib's own handler would
        # end the bench on the error that gives.
        self._ignore_errors = _ERROR_HANDLER(lambda display, error: 0)
        x.XSetErrorHandler(self._ignore_errors)
        # A busy X server now and then drops a new connection.
        for _ in range(CONNECT_ATTEMPTS):
            self.connection = x.XOpenDisplay(display.encode())
            if self.connection:
                break
            time.sleep(0.1)
        else:
            raise RuntimeError(f"cannot open display {display}")
        self.root = x.XDefaultRootWindow(self.connection)
        self.size = _screen_size(display)

    def close(self):
        if self.connection:
            self.xlib.XCloseDisplay(self.connection)
            self.connection = None

    def visible_windows(self, title):
        return visible_windows(self.display_name, title)

    def rows(self):
        """The whole screen as it is now: one bytes object of pixels a row."""
        width, height = self.size
        image = self.xlib.XGetImage(self.connection, self.root, 0, 0, width, height, _ALL_PLANES, _Z_PIXMAP)
        if not image:
            raise RuntimeError("XGetImage failed")
        try:
            head = image.contents
            data = ctypes.string_at(head.data, head.bytes_per_line * head.height)
            used = width * head.bits_per_pixel // 8
            return [data[y * head.bytes_per_line:y * head.bytes_per_line + used] for y in range(height)]
        finally:
            self.xlib.XDestroyImage(image)

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


def _screen_size(display):
    for _ in range(CONNECT_ATTEMPTS):
        found = subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True, text=True,
                               env={**os.environ, "DISPLAY": display})
        if found.returncode == 0:
            return tuple(int(n) for n in found.stdout.split())
        time.sleep(0.1)
    raise RuntimeError(f"cannot read the size of display {display}")


def visible_windows(display, title):
    """Ids of the mapped windows whose whole name is title (not timed; none
    when the look itself fails, as a dropped connection makes it)."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"], capture_output=True,
                           text=True, env={**os.environ, "DISPLAY": display})
    return [int(line) for line in found.stdout.split()]


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
