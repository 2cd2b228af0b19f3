"""The version resource of a Windows executable, read from the file's bytes:
the fixed version numbers and the version strings."""

import struct

_ROOT_KEY = "VS_VERSION_INFO"
_FIXED_SIGNATURE = 0xFEEF04BD
_TEXT = 1
_HEADER = struct.Struct("<HHH")


class VersionResource:
    def __init__(self, file_version, product_version, strings):
        self.file_version = file_version  # (major, minor, patch, build)
        self.product_version = product_version
        self.strings = strings  # the first string table's, by name


def read(data):
    """The executable's version resource, or None when it has none."""
    at = data.find(_ROOT_KEY.encode("utf-16-le") + b"\0\0")
    if at < _HEADER.size:
        return None
    start = at - _HEADER.size
    key, value, children = _node(data, start, start)
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", value)
    if key != _ROOT_KEY or signature != _FIXED_SIGNATURE:
        return None
    strings = {}
    for child_key, _, tables in children:
        if child_key == "StringFileInfo" and tables:
            strings = {name: text for name, text, _ in tables[0][2]}
    return VersionResource(_four(file_ms, file_ls), _four(product_ms, product_ls), strings)


def _four(most, least):
    return most >> 16, most & 0xFFFF, least >> 16, least & 0xFFFF


def _node(data, offset, base):
    """(key, value, children) of the block at offset; values of text blocks
    as text. Blocks are aligned to four bytes from the resource's start."""
    length, value_length, kind = _HEADER.unpack_from(data, offset)
    end = offset + length
    key_end = offset + _HEADER.size
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[offset + _HEADER.size:key_end].decode("utf-16-le")
    position = _aligned(key_end + 2, base)
    size = value_length * 2 if kind == _TEXT else value_length
    value = data[position:position + size]
    if kind == _TEXT:
        value = value.decode("utf-16-le").rstrip("\0")
    position = _aligned(position + size, base)
    children = []
    while position < end:
        child_length = _HEADER.unpack_from(data, position)[0]
        if child_length == 0:
            break
        children.append(_node(data, position, base))
        position = _aligned(position + child_length, base)
    return key, value, children


def _aligned(offset, base):
    return base + (offset - base + 3) // 4 * 4
