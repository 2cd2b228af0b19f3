"""The Linux and web release files: the .deb that CPack makes from the
program's build, and the web site as a tarball when the project has a web
preset whose install rules name the site's files."""

import glob
import os

from . import archives

DEB_PRESET = "linux-run"
WEB_PRESET = "web"


def web_tarball_name(version):
    return f"quibac-{version}-web.tar.gz"


def make_deb(builder):
    """Builds the program and packs it; returns the .deb's path."""
    folder = builder.build(DEB_PRESET)
    builder.say("packing the .deb")
    builder.run(DEB_PRESET, ["cpack", "-G", "DEB"], cwd=folder)
    made = glob.glob(os.path.join(folder, "packages", "*.deb"))
    if len(made) != 1:
        raise RuntimeError(f"CPack made {len(made)} .deb files in {folder}/packages, not one")
    return made[0]


def make_web(builder, version, epoch, path):
    """Builds the web preset and packs what it installs."""
    folder = builder.build(WEB_PRESET)
    site = os.path.join(builder.work, "web-site")
    builder.run(WEB_PRESET, ["cmake", "--install", folder, "--prefix", site])
    top = f"quibac-{version}-web/"
    members = {}
    for here, folders, files in os.walk(site):
        folders.sort()
        for name in files:
            source = os.path.join(here, name)
            if os.path.islink(source):
                raise RuntimeError(f"the web site holds a link, which a tarball for anyone would carry: {source}")
            with open(source, "rb") as file:
                members[top + os.path.relpath(source, site).replace(os.sep, "/")] = (
                    file.read(), archives.is_executable(os.stat(source).st_mode))
    archives.write_tar_gz(path, members, epoch)
