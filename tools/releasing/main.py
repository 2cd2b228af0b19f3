"""tools/release: every release file, in build/release/."""

import argparse
import os
import shutil
import subprocess
import sys

from . import builds, comparison, environment, linux, windows

SUMS = "SHA256SUMS"
OUTPUT = os.path.join("build", "release")
WORK = os.path.join("build", "release-work")
# The second build of --check: a copy of the sources in a folder of its own.
CHECK = os.path.join("build", "release-check")
CHECK_SOURCES = "quibac-sources"
SOURCE_DATE_EPOCH = "SOURCE_DATE_EPOCH"


def say(text):
    print(f"release: {text}", flush=True)


def arguments(argv):
    parser = argparse.ArgumentParser(
        prog="tools/release",
        description="Makes every release file in build/release/: the Windows installer and zip, the .deb, the web "
                    "site when there is a web preset, and SHA256SUMS.")
    parser.add_argument("--check", action="store_true",
                        help="then build them all again from a copy of the sources in another folder, and fail, "
                             "naming the file, unless every byte is the same")
    parser.add_argument("--check-windows", action="store_true",
                        help="like --check, but the second build makes and compares the Windows files alone (the "
                             ".scr files, the zip and the installer), in about a third of the time")
    parser.add_argument("--windows-only", action="store_true", help="make the Windows files alone")
    return parser.parse_args(argv)


def make_release(root, windows_only, epoch):
    """Builds the release files; returns (version, {name: path}, the builds' .scr files)."""
    output, work = os.path.join(root, OUTPUT), os.path.join(root, WORK)
    for folder in (output, work):
        shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(output)
    builder = builds.Builder(root, work, environment.clean_environment(os.environ, epoch), say)
    say(f"{SOURCE_DATE_EPOCH}={epoch}, building in {work}")

    savers = {}
    for folder, preset in windows.BUILDS:
        savers[folder] = os.path.join(builder.build(preset, ["quibac"]), windows.SAVER)
    version = builder.version(os.path.join(work, windows.BUILDS[0][1]))
    files = {name: os.path.join(output, name) for name in (windows.zip_name(version), windows.installer_name(version))}
    windows.write_zip(root, savers, version, epoch, files[windows.zip_name(version)])
    windows.write_installer(builder, root, savers, version, files[windows.installer_name(version)])

    if not windows_only:
        deb = linux.make_deb(builder)
        files[os.path.basename(deb)] = shutil.copy(deb, output)
        if linux.WEB_PRESET in builder.presets():
            name = linux.web_tarball_name(version)
            files[name] = os.path.join(output, name)
            linux.make_web(builder, version, epoch, files[name])
        else:
            say(f"no {linux.WEB_PRESET} preset: no web site")
    comparison.write_sums(output, files, os.path.join(output, SUMS))
    return version, files, savers


def check(root, files, savers, windows_only, epoch, compare_sums=True):
    """Builds the same files again from a copy of the sources, with the first
    build's time (a commit made since must not count); returns the
    differences as (name, why). The sums are compared only when both builds
    made the same set of files."""
    folder = os.path.join(root, CHECK)
    shutil.rmtree(folder, ignore_errors=True)
    copy = os.path.join(folder, CHECK_SOURCES)
    say(f"--check: building again in {copy}")
    environment.copy_sources(root, copy)
    second = subprocess.run([sys.executable, os.path.join(copy, "tools", "release"),
                             *(["--windows-only"] if windows_only else [])], cwd=copy,
                            env={**os.environ, SOURCE_DATE_EPOCH: str(epoch)})
    if second.returncode != 0:
        raise builds.StepFailed(f"--check: the second build failed ({second.returncode})")
    pairs = [(f"{windows.SAVER} ({name})", path, os.path.join(copy, os.path.relpath(path, root)))
             for name, path in savers.items()]
    pairs += [(name, path, os.path.join(copy, OUTPUT, name)) for name, path in sorted(files.items())]
    if compare_sums:
        pairs.append((SUMS, os.path.join(root, OUTPUT, SUMS), os.path.join(copy, OUTPUT, SUMS)))
    found = comparison.differences(pairs)
    for name, _, _ in pairs:
        if not any(name == differing for differing, _ in found):
            say(f"--check: {name}: the same bytes")
    for name, why in found:
        say(f"--check: {name} differs between the two builds: {why}")
    # The second build's sums stay beside the first's for anyone to compare;
    # its tree goes, unless something differs and wants looking at.
    shutil.copy(os.path.join(copy, OUTPUT, SUMS), folder)
    if not found:
        shutil.rmtree(copy, ignore_errors=True)
    return found


def main(argv):
    options = arguments(argv)
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    missing = environment.missing_tools(with_linux=not options.windows_only)
    if missing:
        say(f"not installed: {', '.join(missing)}")
        return 1
    os.umask(0o022)
    try:
        epoch = environment.source_date_epoch(root, os.environ)
        version, files, savers = make_release(root, options.windows_only, epoch)
        say(f"version {version}, in {os.path.join(root, OUTPUT)}:")
        for name in sorted(files):
            say(f"  {os.path.getsize(files[name]):>10} bytes  {name}")
        if options.check and check(root, files, savers, options.windows_only, epoch):
            return 1
        if options.check_windows and not options.check:
            compared = {name: files[name] for name in windows.file_names(version)}
            if check(root, compared, savers, True, epoch, compare_sums=options.windows_only):
                return 1
    except (builds.StepFailed, RuntimeError, ValueError, OSError) as error:
        say(str(error))
        return 1
    return 0
