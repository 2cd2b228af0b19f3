"""One Windows program running under Wine: its Unix process, its log (the
standard output and error, where Wine's debug channels write) and its exit
code."""

import subprocess

from .waiting import wait_until

# Wine ends the Unix process with the low 8 bits of the Windows exit code, so
# an exit code of -1 (0xFFFFFFFF) reads as 255 here.
UNIX_STATUS_MASK = 0xFF
LOG_TAIL_CHARACTERS = 2000


def unix_status(windows_exit_code):
    """The Unix exit status that Wine reports for a Windows exit code."""
    return windows_exit_code & UNIX_STATUS_MASK


class WineProcess:
    def __init__(self, name, popen, log_path):
        self.name = name
        self._popen = popen
        self.log_path = log_path

    @property
    def pid(self):
        """The Unix process the Windows program runs in."""
        return self._popen.pid

    def running(self):
        return self._popen.poll() is None

    def wait_exit(self, timeout):
        """The Unix exit status, once the program has ended."""
        wait_until(lambda: not self.running(), timeout, f"end of {self.name}",
                   seen=lambda: f"it still running; log ends: {self.log_tail()!r}")
        return self._popen.returncode

    def log(self):
        with open(self.log_path, "rb") as log:
            return log.read().decode(errors="replace")

    def log_tail(self):
        return self.log()[-LOG_TAIL_CHARACTERS:]

    def kill(self):
        if self.running():
            self._popen.kill()
        self._popen.wait()


def start(name, command, environment, log_path, cwd):
    with open(log_path, "wb") as log:
        popen = subprocess.Popen(command, env=environment, cwd=cwd, stdin=subprocess.DEVNULL, stdout=log,
                                 stderr=subprocess.STDOUT)
    return WineProcess(name, popen, log_path)
