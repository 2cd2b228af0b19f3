"""Waiting for a condition with a deadline instead of sleeping.

Everything the suite waits for is something it can observe: a window
appears, a file changes, a process ends, the screen changes. A wait that
runs out says what it waited for and what it last saw.
"""

import time

# How often a condition is checked again; short against every deadline.
POLL_INTERVAL_S = 0.05


class WaitTimeout(AssertionError):
    """A condition that did not come true before its deadline."""


def wait_until(check, timeout, what, seen=None, interval=POLL_INTERVAL_S):
    """Calls check() until it returns a true value, and returns that value.

    what names the condition for the failure message; seen(), when given,
    describes what was observed instead, for the same message.
    """
    deadline = time.monotonic() + timeout
    while True:
        value = check()
        if value:
            return value
        if time.monotonic() >= deadline:
            observed = f"; saw {seen()}" if seen else ""
            raise WaitTimeout(f"no {what} within {timeout:g} s{observed}")
        time.sleep(interval)
