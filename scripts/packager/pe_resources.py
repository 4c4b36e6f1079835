"""The resources of a built Windows program: read them, and write the program again with
a new resource section.

A resource set maps type -> name -> language -> bytes; a type or name is a number or an
upper-case string (the form windres stores). The new section takes the place of the old
one; the sections after it (only the base relocations, in the programs MinGW links) move
behind it. Everything else of the file stays byte for byte, apart from the header fields
that describe those sections, the link time stamp (zero, so the same inputs give the same
file) and the checksum.
"""
import array
import struct
import sys

from .errors import PackageError

RT_ICON = 3
RT_RCDATA = 10
RT_GROUP_ICON = 14
RT_VERSION = 16

_RESOURCE_DIRECTORY = 2
_SECURITY_DIRECTORY = 4
_RELOCATION_DIRECTORY = 5
_SECTION_HEADER_SIZE = 40


def _align(value, alignment):
    return (value + alignment - 1) // alignment * alignment


class _Image:
    """The headers of a PE32+ file that the rewrite reads and changes."""

    def __init__(self, data):
        if data[:2] != b"MZ":
            raise PackageError("the installer stub is not a Windows program")
        self.pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[self.pe:self.pe + 4] != b"PE\0\0":
            raise PackageError("the installer stub is not a Windows program")
        self.section_count, = struct.unpack_from("<H", data, self.pe + 6)
        optional_size, = struct.unpack_from("<H", data, self.pe + 20)
        self.optional = self.pe + 24
        if struct.unpack_from("<H", data, self.optional)[0] != 0x20B:
            raise PackageError("the installer stub is not a 64-bit Windows program")
        self.section_alignment, self.file_alignment = struct.unpack_from(
            "<II", data, self.optional + 32)
        self.sections_at = self.optional + optional_size
        self.data = data

    def directory(self, index):
        return struct.unpack_from("<II", self.data, self.optional + 112 + 8 * index)

    def section(self, index):
        at = self.sections_at + index * _SECTION_HEADER_SIZE
        name = self.data[at:at + 8].rstrip(b"\0").decode("ascii", "replace")
        virtual_size, address, raw_size, raw_at = struct.unpack_from("<IIII", self.data, at + 8)
        return name, virtual_size, address, raw_size, raw_at

    def section_holding(self, rva):
        for i in range(self.section_count):
            _, virtual_size, address, _, _ = self.section(i)
            if address <= rva < address + max(virtual_size, 1):
                return i
        raise PackageError("the installer stub's resources lie outside its sections")


def _read_directory(data, section, offset, level):
    _, _, address, _, raw_at = section
    named, numbered = struct.unpack_from("<HH", data, raw_at + offset + 12)
    result = {}
    for i in range(named + numbered):
        name_field, target = struct.unpack_from("<II", data, raw_at + offset + 16 + 8 * i)
        if name_field & 0x80000000:
            at = raw_at + (name_field & 0x7FFFFFFF)
            length, = struct.unpack_from("<H", data, at)
            key = data[at + 2:at + 2 + 2 * length].decode("utf-16-le")
        else:
            key = name_field
        if target & 0x80000000:
            result[key] = _read_directory(data, section, target & 0x7FFFFFFF, level + 1)
        else:
            rva, size = struct.unpack_from("<II", data, raw_at + target)
            start = raw_at + rva - address
            result[key] = data[start:start + size]
    return result


def read_resources(data):
    """The program's resources."""
    image = _Image(data)
    rva, size = image.directory(_RESOURCE_DIRECTORY)
    if not size:
        return {}
    section = image.section(image.section_holding(rva))
    return _read_directory(data, section, rva - section[2], 0)


def _ordered(entries):
    """Named entries first, by name; then numbered ones, by number."""
    names = sorted(k for k in entries if isinstance(k, str))
    numbers = sorted(k for k in entries if isinstance(k, int))
    return [(k, entries[k]) for k in names + numbers]


def _section_bytes(resources, address):
    """The resource tree laid out as a section that starts at this RVA: directories,
    then the names, then the data entries, then the data (each 8-byte aligned)."""
    directories = []  # (offset, [(key, child)]) in breadth-first order
    pending = [resources]
    offset = 0
    while pending:
        node = pending.pop(0)
        entries = _ordered(node)
        directories.append((offset, entries))
        offset += 16 + 8 * len(entries)
        pending += [child for _, child in entries if isinstance(child, dict)]
    child_offsets = {}
    i = 1
    for _, entries in directories:
        for _, child in entries:
            if isinstance(child, dict):
                child_offsets[id(child)] = directories[i][0]
                i += 1

    strings = {}
    for _, entries in directories:
        for key, _ in entries:
            if isinstance(key, str) and key not in strings:
                strings[key] = offset
                offset += 2 + 2 * len(key)
    offset = _align(offset, 8)

    leaves = [child for _, entries in directories for _, child in entries
              if not isinstance(child, dict)]
    entry_at = {}
    for leaf in leaves:
        entry_at[id(leaf)] = offset
        offset += 16
    data_at = {}
    for leaf in leaves:
        offset = _align(offset, 8)
        data_at[id(leaf)] = offset
        offset += len(leaf)

    out = bytearray(offset)
    for at, entries in directories:
        named = sum(1 for k, _ in entries if isinstance(k, str))
        struct.pack_into("<IIHHHH", out, at, 0, 0, 0, 0, named, len(entries) - named)
        for n, (key, child) in enumerate(entries):
            name_field = strings[key] | 0x80000000 if isinstance(key, str) else key
            target = (child_offsets[id(child)] | 0x80000000 if isinstance(child, dict)
                      else entry_at[id(child)])
            struct.pack_into("<II", out, at + 16 + 8 * n, name_field, target)
    for key, at in strings.items():
        encoded = key.encode("utf-16-le")
        struct.pack_into("<H", out, at, len(key))
        out[at + 2:at + 2 + len(encoded)] = encoded
    for leaf in leaves:
        struct.pack_into("<IIII", out, entry_at[id(leaf)], address + data_at[id(leaf)],
                         len(leaf), 0, 0)
        out[data_at[id(leaf)]:data_at[id(leaf)] + len(leaf)] = leaf
    return bytes(out)


def _checksum(data, checksum_at):
    """The PE checksum: the 16-bit one's-complement sum of the file without the checksum
    field, plus the file's length."""
    words = array.array("H", data + b"\0" * (len(data) % 2))
    if sys.byteorder == "big":
        words.byteswap()
    total = sum(words) - words[checksum_at // 2] - words[checksum_at // 2 + 1]
    while total >> 16:
        total = (total & 0xFFFF) + (total >> 16)
    return total + len(data)


def write_resources(data, resources):
    """The program with these resources in place of its own."""
    image = _Image(data)
    if image.directory(_SECURITY_DIRECTORY)[1]:
        raise PackageError("the installer stub is signed; package an unsigned build")
    rva, _ = image.directory(_RESOURCE_DIRECTORY)
    first = image.section_holding(rva)
    following = range(first + 1, image.section_count)
    for i in following:
        if image.section(i)[0] != ".reloc":
            raise PackageError(f"the installer stub has the section {image.section(i)[0]} "
                               f"after its resources, which cannot be moved")
    last = image.section(image.section_count - 1)
    if len(data) != last[4] + last[3]:
        raise PackageError("the installer stub has data after its last section")

    _, _, address, _, raw_at = image.section(first)
    section = _section_bytes(resources, address)
    out = bytearray(data[:raw_at])
    out += section + b"\0" * (_align(len(section), image.file_alignment) - len(section))
    header = image.sections_at + first * _SECTION_HEADER_SIZE
    struct.pack_into("<III", out, header + 8, len(section), address,
                     _align(len(section), image.file_alignment))
    next_address = _align(address + len(section), image.section_alignment)
    relocation_rva, relocation_size = image.directory(_RELOCATION_DIRECTORY)
    for i in following:
        _, virtual_size, old_address, raw_size, old_raw_at = image.section(i)
        header = image.sections_at + i * _SECTION_HEADER_SIZE
        struct.pack_into("<IIII", out, header + 8, virtual_size, next_address, raw_size, len(out))
        if old_address <= relocation_rva < old_address + virtual_size:
            relocation_rva += next_address - old_address
        out += data[old_raw_at:old_raw_at + raw_size]
        next_address = _align(next_address + virtual_size, image.section_alignment)

    old_raw_size = image.section(first)[3]
    new_raw_size = _align(len(section), image.file_alignment)
    initialized, = struct.unpack_from("<I", out, image.optional + 8)
    struct.pack_into("<I", out, image.optional + 8, initialized + new_raw_size - old_raw_size)
    struct.pack_into("<I", out, image.optional + 56, next_address)  # SizeOfImage
    struct.pack_into("<II", out, image.optional + 112 + 8 * _RESOURCE_DIRECTORY, address,
                     len(section))
    struct.pack_into("<II", out, image.optional + 112 + 8 * _RELOCATION_DIRECTORY,
                     relocation_rva, relocation_size)
    struct.pack_into("<I", out, image.pe + 8, 0)  # link time stamp
    checksum_at = image.optional + 64
    struct.pack_into("<I", out, checksum_at, _checksum(bytes(out), checksum_at))
    return bytes(out)
