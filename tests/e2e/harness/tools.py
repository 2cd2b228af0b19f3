"""The programs of the build machine that the suite drives."""

import functools
import os
import shutil
import subprocess
import sys

# Debian keeps the 64-bit loader out of PATH; /usr/bin/wine would pick the
# 32-bit one, which cannot run where the kernel executes no 32-bit programs.
WINE_DIRECTORY = "/usr/lib/wine"
DUMMY_DRIVER = "/usr/lib/xorg/modules/drivers/dummy_drv.so"


def _wine_tool(name):
    path = os.path.join(WINE_DIRECTORY, name)
    return path if os.access(path, os.X_OK) else shutil.which(name)


def wine64():
    return _wine_tool("wine64")


def wineserver():
    return _wine_tool("wineserver")


def wine32():
    """The 32-bit loader, which the 32-bit build would need."""
    path = os.path.join(WINE_DIRECTORY, "wine")
    return path if os.access(path, os.X_OK) else None


@functools.cache
def thirty_two_bit_loader_problem():
    """Why the 32-bit build cannot run under Wine here, or None when it can."""
    loader = wine32()
    if loader is None:
        return "Wine's 32-bit loader is not installed"
    try:
        subprocess.run([loader, "--version"], capture_output=True, check=True, timeout=30)
    except (OSError, subprocess.CalledProcessError) as error:
        return f"this kernel cannot run Wine's 32-bit loader ({error})"
    return None


# Each with the Debian package that brings it, for the message about it.
REQUIRED = {
    "wine64": ("wine64", wine64),
    "wineserver": ("wine", wineserver),
    "Xvfb": ("xvfb", lambda: shutil.which("Xvfb")),
    "xdotool": ("xdotool", lambda: shutil.which("xdotool")),
    "import": ("imagemagick", lambda: shutil.which("import")),
    "convert": ("imagemagick", lambda: shutil.which("convert")),
    # Several monitors (test_monitors): Xorg with its dummy video driver.
    "Xorg": ("xserver-xorg-core", lambda: shutil.which("Xorg")),
    "dummy_drv.so": ("xserver-xorg-video-dummy", lambda: os.path.exists(DUMMY_DRIVER)),
}


def missing_tools():
    """The required programs that cannot be found, as 'name (package)'."""
    return [f"{name} ({package})" for name, (package, find) in REQUIRED.items() if not find()]


# A run without its tools is a failure unless a person asks for a skip, with
# the option on a runner's command line or the variable in its environment;
# a run that checked nothing must never look like one that passed.
SKIP_OPTION = "--skip-missing"
SKIP_VARIABLE = "QUIBAC_SKIP_MISSING"


def skip_asked(arguments):
    """Whether a skip was asked for, and the arguments without the option. The
    answer is also left in the environment, for the programs the run starts."""
    asked = SKIP_OPTION in arguments or bool(os.environ.get(SKIP_VARIABLE))
    if asked:
        os.environ[SKIP_VARIABLE] = "1"
    return asked, [argument for argument in arguments if argument != SKIP_OPTION]


def refuse_or_skip(suite, problems, asked):
    """None when nothing is missing. Otherwise says what is missing and
    returns the run's exit code: 0 when the skip was asked for, else 1."""
    if not problems:
        return None
    if asked:
        print(f"{suite}: SKIPPED, as {SKIP_OPTION} or {SKIP_VARIABLE} asked, because: {'; '.join(problems)}")
        return 0
    print(f"{suite}: FAILED, cannot run: {'; '.join(problems)} (./test installs what is missing; "
          f"{SKIP_OPTION} or {SKIP_VARIABLE}=1 skips instead)", file=sys.stderr)
    return 1
