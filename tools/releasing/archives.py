"""Archives whose bytes depend on nothing but what goes into them: members in
order of name, every member with the release's one time, no owners, fixed
modes, and a gzip header with neither a time nor a file name."""

import gzip
import io
import stat
import tarfile
import time
import zipfile

# A zip file's times are MS-DOS times, which start in 1980 and count every
# second second.
ZIP_EARLIEST = 315532800  # 1980-01-01 00:00:00 UTC
ZIP_FROM_MS_DOS = 0
# The archive attribute alone, as Windows sets it on a new file; a zero would
# be replaced by Unix permissions.
ZIP_ARCHIVE_ATTRIBUTE = 0x20
COMPRESSION_LEVEL = 9
FILE_MODE = 0o644
EXECUTABLE_MODE = 0o755
FOLDER_MODE = 0o755


def zip_time(epoch):
    """The zip date and time of a Unix time, in UTC so that the time zone of
    the machine that builds it plays no part."""
    return time.gmtime(max(epoch, ZIP_EARLIEST))[:6]


def write_zip(path, members, epoch):
    """Writes members (archive name -> bytes) as a zip file, in order of name."""
    with zipfile.ZipFile(path, "w") as archive:
        for name in sorted(members):
            info = zipfile.ZipInfo(name, date_time=zip_time(epoch))
            info.compress_type = zipfile.ZIP_DEFLATED
            # The system the zip says made it, and the attributes that go with
            # it, would otherwise be those of the machine it is made on.
            info.create_system = ZIP_FROM_MS_DOS
            info.external_attr = ZIP_ARCHIVE_ATTRIBUTE
            archive.writestr(info, members[name], compresslevel=COMPRESSION_LEVEL)


def write_tar_gz(path, members, epoch):
    """Writes members (archive name -> (bytes, executable)) as a gzipped tar,
    in order of name, with a folder entry before the files in it."""
    raw = io.BytesIO()
    with tarfile.open(fileobj=raw, mode="w", format=tarfile.GNU_FORMAT) as archive:
        for name in sorted(_with_folders(members)):
            info = tarfile.TarInfo(name)
            info.mtime = epoch
            info.uid = info.gid = 0
            info.uname = info.gname = ""
            if name not in members:
                info.type = tarfile.DIRTYPE
                info.mode = FOLDER_MODE
                archive.addfile(info)
                continue
            data, executable = members[name]
            info.size = len(data)
            info.mode = EXECUTABLE_MODE if executable else FILE_MODE
            archive.addfile(info, io.BytesIO(data))
    with open(path, "wb") as file:
        with gzip.GzipFile(filename="", mode="wb", fileobj=file, mtime=0, compresslevel=COMPRESSION_LEVEL) as packed:
            packed.write(raw.getvalue())


def _with_folders(members):
    names = set(members)
    for name in members:
        parts = name.split("/")[:-1]
        for depth in range(1, len(parts) + 1):
            names.add("/".join(parts[:depth]) + "/")
    return names


def windows_text(data):
    """Text with the line ends every Windows editor shows as lines."""
    return data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")


def is_executable(mode):
    return bool(mode & stat.S_IXUSR)
