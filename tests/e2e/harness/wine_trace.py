"""What Wine's debug channels tell about a program, read from its log."""

import re
from dataclasses import dataclass

# The window channel (+win) traces each CreateWindowEx call, e.g.
#   trace:win:WIN_CreateWindowEx "Preview" L"WindowsScreenSaverClass" ex=00000000
#   style=52000000 0,0 152x112 parent=0000000000010050 ...
_CREATE_WINDOW = re.compile(
    r'WIN_CreateWindowEx (?:\(null\)|L?"[^"]*") (?:L"(?P<class_name>[^"]*)"|#\d+) ex=(?P<ex_style>[0-9a-fA-F]+) '
    r'style=(?P<style>[0-9a-fA-F]+) -?\d+,-?\d+ (?P<width>-?\d+)x(?P<height>-?\d+) parent=(?P<parent>[0-9a-fA-F]+)')

WINDOW_CHANNEL = "+win"
DEBUG_STRING_CHANNEL = "+debugstr"
RELAY_CHANNEL = "+relay"


@dataclass(frozen=True)
class WindowCreation:
    class_name: str
    style: int
    width: int
    height: int
    parent: int


def window_creations(log, class_name):
    """The CreateWindowEx calls for windows of class_name, in order."""
    return [WindowCreation(m["class_name"], int(m["style"], 16), int(m["width"]), int(m["height"]),
                           int(m["parent"], 16))
            for m in _CREATE_WINDOW.finditer(log) if m["class_name"] == class_name]


def debug_strings(log):
    """The text of every OutputDebugString call (with the debug-string channel on), escapes kept."""
    return re.findall(r'OutputDebugStringA "(.*)"$', log, re.MULTILINE)
