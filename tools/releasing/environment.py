"""Where a release is built from and with what: the sources' folder, the time
every release file carries, and an environment that no cache or locale of the
machine's can reach into."""

import os
import shutil
import subprocess

# Each with the Debian package that brings it, for the message about it.
REQUIRED = {
    "git": "git",
    "cmake": "cmake",
    "ninja": "ninja-build",
    "x86_64-w64-mingw32-g++-win32": "g++-mingw-w64-x86-64-win32",
    "i686-w64-mingw32-g++-win32": "g++-mingw-w64-i686-win32",
    "makensis": "nsis",
}
LINUX_REQUIRED = {
    "cpack": "cmake",
    "dpkg-deb": "dpkg",
    "dpkg-shlibdeps": "dpkg-dev",
}
# Variables that would let a compiler cache, or a developer's own settings,
# decide what is built.
LEFT_OUT = ("CMAKE_C_COMPILER_LAUNCHER", "CMAKE_CXX_COMPILER_LAUNCHER", "CMAKE_BUILD_PARALLEL_LEVEL",
            "CFLAGS", "CXXFLAGS", "CPPFLAGS", "LDFLAGS", "MAKEFLAGS")
LEFT_OUT_PREFIXES = ("CCACHE_",)


def missing_tools(with_linux):
    """The programs a release needs that are not installed, as 'name (package)'."""
    required = {**REQUIRED, **(LINUX_REQUIRED if with_linux else {})}
    return [f"{name} ({package})" for name, package in required.items() if shutil.which(name) is None]


def source_date_epoch(root, environment):
    """The time every release file carries: SOURCE_DATE_EPOCH when it is set,
    otherwise the time of the last commit."""
    given = environment.get("SOURCE_DATE_EPOCH")
    if given:
        if not given.isdigit():
            raise ValueError(f"SOURCE_DATE_EPOCH is not a number of seconds: {given!r}")
        return int(given)
    found = subprocess.run(["git", "log", "-1", "--format=%ct"], cwd=root, capture_output=True, text=True)
    if found.returncode != 0 or not found.stdout.strip().isdigit():
        raise ValueError("no SOURCE_DATE_EPOCH, and no commit to take it from: "
                         f"{found.stderr.strip() or 'git log printed nothing'}")
    return int(found.stdout.strip())


def clean_environment(environment, epoch):
    """The build's environment: the caller's without what could change the
    bytes, with the release's time, and the C locale and UTC."""
    clean = {name: value for name, value in environment.items()
             if name not in LEFT_OUT and not name.startswith(LEFT_OUT_PREFIXES)}
    clean.update(SOURCE_DATE_EPOCH=str(epoch), LC_ALL="C.UTF-8", TZ="UTC")
    return clean


def tracked_files(root):
    """The files of the working tree git knows or would add, as they are now."""
    listed = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"], cwd=root,
                            capture_output=True, check=True)
    return sorted(name for name in listed.stdout.decode().split("\0") if name)


def copy_sources(root, target):
    """A copy of the sources in another folder, for building a second time."""
    for name in tracked_files(root):
        source = os.path.join(root, name)
        if not os.path.lexists(source):  # deleted in the working tree
            continue
        destination = os.path.join(target, name)
        os.makedirs(os.path.dirname(destination), exist_ok=True)
        if os.path.islink(source):
            os.symlink(os.readlink(source), destination)
        else:
            # Content and mode only: the copy's own file times are one more
            # thing that must not reach the release files.
            shutil.copy(source, destination)
