"""A private X server (Xvfb) for the whole run, on a display number it finds
free itself, so that the suite never draws on or reads from anyone else's
screen."""

import os
import select
import subprocess
import time

# The suites' screen size; a benchmark may ask for another one through the
# environment, as "1920x1080".
WIDTH, HEIGHT = (int(n) for n in os.environ.get("QUIBAC_XVFB_SIZE", "1024x768").split("x"))
DEPTH = 24
START_TIMEOUT_S = 20


class VirtualScreen:
    def __init__(self, process, display):
        self._process = process
        self.display = display

    @classmethod
    def start(cls, log_path):
        # -noreset: the server would otherwise reset when its last client
        # goes, and refuse the next one while it does.
        process, number = start_server(
            ["Xvfb", "-screen", "0", f"{WIDTH}x{HEIGHT}x{DEPTH}", "-nolisten", "tcp", "-noreset"], log_path)
        return cls(process, f":{number}")

    def environment(self):
        return {"DISPLAY": self.display}

    def stop(self):
        if self._process.poll() is None:
            self._process.terminate()
            try:
                self._process.wait(timeout=START_TIMEOUT_S)
            except subprocess.TimeoutExpired:
                self._process.kill()
                self._process.wait()


def start_server(command, log_path):
    """Starts the X server of command (its program, then its options) on the
    first free display number; returns the process and that number, once it
    accepts connections."""
    # -displayfd makes the server take the first free display number and
    # report it once it accepts connections.
    read_end, write_end = os.pipe()
    with open(log_path, "wb") as log:
        process = subprocess.Popen([command[0], "-displayfd", str(write_end), *command[1:]], pass_fds=(write_end,),
                                   stdin=subprocess.DEVNULL, stdout=log, stderr=log)
    os.close(write_end)
    try:
        number = _read_display_number(read_end, log_path, command[0])
    except Exception:
        process.kill()
        process.wait()
        raise
    finally:
        os.close(read_end)
    return process, number


def _read_display_number(read_end, log_path, server):
    deadline = time.monotonic() + START_TIMEOUT_S
    text = b""
    while not text.endswith(b"\n"):
        remaining = deadline - time.monotonic()
        ready = select.select([read_end], [], [], max(remaining, 0))[0] if remaining > 0 else []
        chunk = os.read(read_end, 64) if ready else b""
        if not chunk:  # out of time, or the server closed the pipe without a number
            with open(log_path, "rb") as log:
                raise RuntimeError(f"{server} did not start: {log.read().decode(errors='replace').strip()}")
        text += chunk
    return int(text.strip())
