"""The 32-bit build is the one for Windows 95 and 98: a single import their
system libraries lack stops it from loading at all, with no message the
saver could give. The toolchain's runtime is where such imports creep in."""

import os
import re
import shutil
import subprocess
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SCR_32 = os.path.join(ROOT, "build", "win32", "quibac.scr")
OBJDUMP = "i686-w64-mingw32-objdump"

# Entries that came with later Windows and that compilers, their thread and
# exception runtimes, or a careless direct call are known to bring in.
LATER_THAN_98 = {
    "AddVectoredExceptionHandler", "RemoveVectoredExceptionHandler", "GetTickCount64",
    "TryEnterCriticalSection", "GetHandleInformation", "InitializeCriticalSectionEx",
    "InitializeCriticalSectionAndSpinCount", "SetThreadStackGuarantee", "InitOnceExecuteOnce",
    "InitializeSRWLock", "AcquireSRWLockExclusive", "SleepConditionVariableCS", "GetSystemTimePreciseAsFileTime",
    "FlsAlloc", "GetCurrentProcessorNumber",
}
# Windows 95 has one monitor and no multiple-monitor entries in USER32.
LATER_THAN_95 = {"EnumDisplayMonitors", "GetMonitorInfoA", "MonitorFromWindow", "MonitorFromPoint"}


def imported_entries(path):
    dump = subprocess.run([OBJDUMP, "-p", path], capture_output=True, text=True, check=True).stdout
    # Import table rows: hint, then the entry's name.
    return set(re.findall(r"^\s+[0-9a-f]+\s+\d+\s+(\w+)\s*$", dump, re.MULTILINE))


@unittest.skipUnless(os.path.exists(SCR_32) and shutil.which(OBJDUMP), "needs the win32 build and MinGW's objdump")
class ImportsTest(unittest.TestCase):
    def test_the_32_bit_build_imports_nothing_windows_95_lacks(self):
        entries = imported_entries(SCR_32)
        self.assertIn("CreateThread", entries, "the import table was not read")
        self.assertEqual(sorted(entries & (LATER_THAN_98 | LATER_THAN_95)), [])
