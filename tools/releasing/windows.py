"""The Windows release files: the zip of both builds with a readme and the
licences, and the setup program made by makensis."""

import os

from . import archives, welcome_picture

# The two builds, by the folder each has in the zip.
BUILDS = (("64-bit", "win64"), ("32-bit", "win32"))
SAVER = "quibac.scr"
INSTALLER_SCRIPT = os.path.join("packaging", "windows", "installer.nsi")
README = os.path.join("packaging", "windows", "README.txt")
ICON = os.path.join("assets", "quibac.ico")
VERSION_MARK = b"@VERSION@"


def zip_name(version):
    return f"quibac-{version}-windows.zip"


def installer_name(version):
    return f"quibac-setup-{version}.exe"


def file_names(version):
    """The release files made from the Windows builds alone."""
    return (zip_name(version), installer_name(version))


def licences(root):
    """(name in the release, source file) of every licence, the program's first."""
    folder = os.path.join(root, "assets", "licences")
    fonts = sorted(name for name in os.listdir(folder) if name.endswith(".txt"))
    return [("LICENSE.txt", os.path.join(root, "LICENSE"))] + [(name, os.path.join(folder, name)) for name in fonts]


def _read(path):
    with open(path, "rb") as file:
        return file.read()


def write_zip(root, savers, version, epoch, path):
    """savers: the .scr file of each build, by the build's folder name."""
    top = f"quibac-{version}-windows/"
    members = {top + "README.txt": archives.windows_text(_read(os.path.join(root, README)).replace(
        VERSION_MARK, version.encode()))}
    for name, source in licences(root):
        members[top + ("" if name == "LICENSE.txt" else "licences/") + name] = archives.windows_text(_read(source))
    for folder, _ in BUILDS:
        members[f"{top}{folder}/{SAVER}"] = _read(savers[folder])
    archives.write_zip(path, members, epoch)


def write_installer(builder, root, savers, version, path):
    """Runs makensis on the installer's script, with the licences as Windows
    text in a folder of their own, an include that names them, and the
    picture of the first and last pages."""
    staged = os.path.join(builder.work, "installer")
    os.makedirs(os.path.join(staged, "licences"), exist_ok=True)
    install, remove = [], []
    for name, source in licences(root):
        copy = os.path.join(staged, "licences", name)
        with open(copy, "wb") as file:
            file.write(archives.windows_text(_read(source)))
        install.append(f'  File "/oname={name}" "{copy}"')
        remove.append(f'  Delete "$INSTDIR\\licences\\{name}"')
    welcome = os.path.join(staged, "welcome.bmp")
    with open(welcome, "wb") as file:
        file.write(welcome_picture.cut(_read(os.path.join(root, *welcome_picture.SOURCE))))
    include = os.path.join(staged, "licences.nsh")
    with open(include, "w", newline="\n") as file:
        file.write("; Written by tools/release: the licence files the installer puts in place and\n"
                   "; the uninstaller takes away again.\n"
                   "!macro InstallLicences\n  SetOutPath \"$INSTDIR\\licences\"\n" + "\n".join(install) +
                   "\n  SetOutPath \"$INSTDIR\"\n!macroend\n"
                   "!macro un.RemoveLicences\n" + "\n".join(remove) + "\n  RMDir \"$INSTDIR\\licences\"\n!macroend\n")
    builder.say("making the installer")
    builder.run("installer", [
        "makensis", "-V2", "-WX",
        f"-DVERSION={version}", f"-DSCR64={savers['64-bit']}", f"-DSCR32={savers['32-bit']}",
        f"-DFILES={include}", f"-DICON={os.path.join(root, ICON)}", f"-DWELCOME={welcome}", f"-DOUTFILE={path}",
        os.path.join(root, INSTALLER_SCRIPT)])
