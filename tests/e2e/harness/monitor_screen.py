"""A private X server with several monitors: Xorg with the dummy video driver,
one RandR output per monitor, laid out as asked. Xvfb has one output only, so
neither Wine nor SDL would see a second monitor on it; both see these.

The first monitor is the primary one. The others are placed beside it
(left, right, above or below), which puts a monitor left of or above it at
negative coordinates in Windows' terms; X itself has its whole screen at or
right of and below (0, 0).
"""

import ctypes
import ctypes.util
import os
import shutil
import tempfile
from dataclasses import dataclass

from .virtual_screen import VirtualScreen, start_server

DEPTH = 24
# The X screen holds every monitor; the driver wants its size up front.
VIRTUAL_SIZE = (4096, 2048)
VIDEO_RAM_KB = 256000
# Whatever the dummy driver's default monitor would refuse, these accept.
SYNC_RANGE = "5.0-1000.0"
REFRESH_RANGE = "5.0-200.0"
XORG = "Xorg"


@dataclass(frozen=True)
class Monitor:
    width: int
    height: int
    # Where it lies relative to the primary one: "left", "right", "above",
    # "below"; None for the primary one itself.
    beside: str = None


_PLACEMENT = {"left": "LeftOf", "right": "RightOf", "above": "Above", "below": "Below"}


def configuration(monitors):
    """The server's configuration for the layout."""
    sections = ['Section "ServerFlags"\n    Option "AutoAddDevices" "false"\n    Option "AutoAddGPU" "false"\n'
                '    Option "DontVTSwitch" "true"\nEndSection\n']
    device = ['Section "Device"\n    Identifier "dummy"\n    Driver "dummy"\n', f"    VideoRam {VIDEO_RAM_KB}\n"]
    for index, monitor in enumerate(monitors):
        lines = [f'Section "Monitor"\n    Identifier "monitor{index}"\n', f"    HorizSync {SYNC_RANGE}\n",
                 f"    VertRefresh {REFRESH_RANGE}\n",
                 f'    Option "PreferredMode" "{monitor.width}x{monitor.height}"\n']
        if index == 0:
            lines.append('    Option "Primary" "true"\n')
        else:
            lines.append(f'    Option "{_PLACEMENT[monitor.beside]}" "monitor0"\n    Option "Enable" "true"\n')
        sections.append("".join(lines) + "EndSection\n")
        device.append(f'    Option "Monitor-DUMMY{index}" "monitor{index}"\n')
    sections.append("".join(device) + "EndSection\n")
    sections.append(f'Section "Screen"\n    Identifier "screen"\n    Device "dummy"\n    Monitor "monitor0"\n'
                    f"    DefaultDepth {DEPTH}\n    SubSection \"Display\"\n        Depth {DEPTH}\n"
                    f"        Virtual {VIRTUAL_SIZE[0]} {VIRTUAL_SIZE[1]}\n    EndSubSection\nEndSection\n")
    return "\n".join(sections)


class MonitorScreen(VirtualScreen):
    def __init__(self, process, display, folder):
        super().__init__(process, display)
        self._folder = folder

    @classmethod
    def start(cls, log_path, monitors):
        folder = tempfile.mkdtemp(prefix="quibac-monitors-")
        config = os.path.join(folder, "xorg.conf")
        with open(config, "w") as file:
            file.write(configuration(monitors))
        # No console of its own, none switched to.
        try:
            process, number = start_server(
                [XORG, "-config", config, "-logfile", os.path.join(folder, "xorg.log"), "-noreset", "-novtswitch",
                 "-sharevts", "-nolisten", "tcp"], log_path)
        except Exception:
            shutil.rmtree(folder, ignore_errors=True)
            raise
        return cls(process, f":{number}", folder)

    @property
    def pid(self):
        """The server's process, for what it costs."""
        return self._process.pid

    def paint_desktop(self, rgb):
        """Fills the root window with one colour: the desktop a saver covers."""
        paint_root(self.display, rgb)

    def stop(self):
        super().stop()
        shutil.rmtree(self._folder, ignore_errors=True)


def paint_root(display, rgb):
    x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XSetWindowBackground.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong]
    x11.XClearWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    connection = x11.XOpenDisplay(display.encode())
    if not connection:
        raise RuntimeError(f"cannot open X display {display}")
    try:
        root = x11.XDefaultRootWindow(connection)
        # A TrueColor screen of depth 24: the pixel value is the colour.
        x11.XSetWindowBackground(connection, root, rgb)
        x11.XClearWindow(connection, root)
        x11.XSync(connection, False)
    finally:
        x11.XCloseDisplay(connection)
