"""What tells two builds of the same files apart, named file by file."""

import hashlib
import os

CHUNK = 1 << 20


def difference(first, second):
    """Why two files are not the same bytes, or None when they are."""
    if not os.path.isfile(first):
        return "missing from the first build"
    if not os.path.isfile(second):
        return "missing from the second build"
    first_size, second_size = os.path.getsize(first), os.path.getsize(second)
    offset = 0
    with open(first, "rb") as a, open(second, "rb") as b:
        while True:
            block_a, block_b = a.read(CHUNK), b.read(CHUNK)
            if block_a != block_b:
                at = offset + next((i for i, (x, y) in enumerate(zip(block_a, block_b)) if x != y),
                                   min(len(block_a), len(block_b)))
                return f"{first_size} bytes against {second_size}, first different at byte {at}"
            if not block_a:
                return None
            offset += len(block_a)


def differences(pairs):
    """(name, why) for each (name, first, second) whose files differ."""
    found = []
    for name, first, second in pairs:
        why = difference(first, second)
        if why is not None:
            found.append((name, why))
    return found


def sha256(path):
    digest = hashlib.sha256()
    with open(path, "rb") as file:
        for block in iter(lambda: file.read(CHUNK), b""):
            digest.update(block)
    return digest.hexdigest()


def write_sums(folder, names, path):
    """SHA256SUMS as sha256sum writes it (and `sha256sum -c` reads it)."""
    with open(path, "w", newline="\n") as sums:
        for name in sorted(names):
            sums.write(f"{sha256(os.path.join(folder, name))}  {name}\n")
