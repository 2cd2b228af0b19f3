"""The harness of the end-to-end suite: the saver's Windows build run under
Wine on a private X screen, driven with real input and checked by what
reaches the screen, the files and the debug output."""

from .screenshots import Region
from .session import EXACT_COMMAND, PREVIEW_HOST, SAVER, SAVER_98, SEND_MESSAGE
from .test_case import FULL_SCREEN_TITLE, POINTER_HOME, E2ETestCase
from .waiting import WaitTimeout, wait_until
from .wine_process import unix_status

__all__ = [
    "EXACT_COMMAND", "FULL_SCREEN_TITLE", "POINTER_HOME", "PREVIEW_HOST", "SAVER", "SAVER_98", "E2ETestCase",
    "Region", "SEND_MESSAGE", "WaitTimeout", "unix_status", "wait_until",
]
