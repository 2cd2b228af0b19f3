"""An object the whole run shares: made on first use, closed when Python
exits or by close(). One that could not be made is not tried again for
every test, which would only repeat the same failure slowly."""

import atexit


class PerRun:
    def __init__(self, make):
        self._make = make
        self._made = None
        self._failure = None

    def __call__(self):
        if self._failure is not None:
            raise RuntimeError(f"could not start what the run shares: {self._failure}")
        if self._made is None:
            try:
                self._made = self._make()
            except Exception as error:
                self._failure = error
                raise
            atexit.register(self.close)
        return self._made

    def close(self):
        """Closes it now, if it was made; at exit this does nothing more."""
        made, self._made = self._made, None
        if made is not None:
            made.close()
