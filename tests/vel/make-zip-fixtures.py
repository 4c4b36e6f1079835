#!/usr/bin/env python3
"""Makes the ZIP reader's test archives and the trees they should extract to.

usage: make-zip-fixtures.py OUT_FOLDER

Ordinary archives come from Python's zipfile, so the reader is checked against a
writer other than our own. Where zipfile cannot make the case (ZIP64 records on
small data, CP437 names, wrong CRCs, cut data, hostile names, encryption flags) a
small raw writer below puts the bytes together.
"""
import os
import random
import shutil
import struct
import sys
import zipfile
import zlib

STAMP = (2024, 5, 17, 13, 45, 30)
SATURATED = 0xFFFFFFFF


def dos_time(stamp):
    year, month, day, hour, minute, second = stamp
    return ((hour << 11) | (minute << 5) | (second // 2),
            ((year - 1980) << 9) | (month << 5) | day)


def raw_deflate(data):
    packer = zlib.compressobj(6, zlib.DEFLATED, -15)
    return packer.compress(data) + packer.flush()


class Raw:
    """One entry for the raw writer; fields left alone come out right."""

    def __init__(self, name, data=b"", method=8, flags=0, extra=b"", crc=None,
                 size=None, packed=None, packed_size=None, zip64=False, attributes=0,
                 stamp=STAMP, offset=None, host=0):
        self.name = name.encode("utf-8") if isinstance(name, str) else name
        self.data = data
        self.method = method
        self.flags = flags
        self.extra = extra
        self.crc = zlib.crc32(data) if crc is None else crc
        self.size = len(data) if size is None else size
        self.packed = (raw_deflate(data) if method == 8 else data) if packed is None else packed
        self.packed_size = len(self.packed) if packed_size is None else packed_size
        self.zip64 = zip64
        self.attributes = attributes
        self.stamp = stamp
        self.offset = offset  # for tail_only archives, whose data is not written
        self.host = host  # high byte of "version made by": 0 DOS, 3 Unix


def zip64_field(*values):
    body = struct.pack("<" + "Q" * len(values), *values)
    return struct.pack("<HH", 1, len(body)) + body


def write_raw(path, entries, zip64_end=False, declared_count=None, base=0, tail_only=False):
    """Writes local headers, data, the central directory and the end records. With
    tail_only the file holds just the directory and end records, as if they began at
    offset base of a larger file."""
    body = bytearray()
    central = bytearray()
    for e in entries:
        offset = base + len(body) if not tail_only else e.offset
        time, date = dos_time(e.stamp)
        version = 45 if e.zip64 else 20
        local_sizes = (SATURATED, SATURATED) if e.zip64 else (e.packed_size, e.size)
        local_extra = (zip64_field(e.size, e.packed_size) if e.zip64 else b"") + e.extra
        if not tail_only:
            body += struct.pack("<IHHHHHIIIHH", 0x04034B50, version, e.flags, e.method, time, date,
                                e.crc, local_sizes[0], local_sizes[1], len(e.name), len(local_extra))
            body += e.name + local_extra + e.packed
        if e.zip64:
            central_sizes = (SATURATED, SATURATED, SATURATED)
            central_extra = zip64_field(e.size, e.packed_size, offset) + e.extra
        else:
            central_sizes = (e.packed_size, e.size, offset)
            central_extra = e.extra
        made_by = e.host << 8 | version
        central += struct.pack("<IHHHHHHIIIHHHHHII", 0x02014B50, made_by, version, e.flags,
                               e.method, time, date, e.crc, central_sizes[0], central_sizes[1],
                               len(e.name), len(central_extra), 0, 0, 0, e.attributes,
                               central_sizes[2])
        central += e.name + central_extra
    directory_offset = base + len(body)
    count = len(entries) if declared_count is None else declared_count
    end = bytearray()
    if zip64_end:
        record_offset = directory_offset + len(central)
        end += struct.pack("<IQHHIIQQQQ", 0x06064B50, 44, 45, 45, 0, 0, count, count,
                           len(central), directory_offset)
        end += struct.pack("<IIQI", 0x07064B50, 0, record_offset, 1)
        end += struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, 0xFFFF, 0xFFFF, SATURATED, SATURATED, 0)
    else:
        end += struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, count, count, len(central),
                           directory_offset, 0)
    with open(path, "wb") as f:
        f.write(bytes(body) + bytes(central) + bytes(end))


def write_tree(root, files):
    """The tree an archive should give: {relative path: bytes}, None for a folder."""
    shutil.rmtree(root, ignore_errors=True)
    os.makedirs(root)
    for name, data in files.items():
        path = os.path.join(root, *name.strip("/").split("/"))
        if data is None:
            os.makedirs(path, exist_ok=True)
        else:
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as f:
                f.write(data)


def write_zipfile(path, files, stored=()):
    with zipfile.ZipFile(path, "w") as z:
        for name, data in files.items():
            info = zipfile.ZipInfo(name, STAMP)
            if data is None:
                z.writestr(info, b"")
                continue
            info.compress_type = zipfile.ZIP_STORED if name in stored else zipfile.ZIP_DEFLATED
            z.writestr(info, data)


def letters(rng, size):
    """Text-like bytes that deflate to about half their size."""
    table = bytes(b"abcdefghijklmnop"[i % 16] for i in range(256))
    return rng.randbytes(size).translate(table)


def main(out):
    os.makedirs(out, exist_ok=True)
    expected = os.path.join(out, "expected")
    rng = random.Random(1234)

    # Stored and deflated files, folder entries, nested paths without folder entries,
    # an empty file and a UTF-8 name (zipfile sets flag bit 11 for it).
    basic = {
        "readme.txt": b"Quillpad Studio\r\n" * 200,
        "bin/": None,
        "bin/tool.dat": bytes(range(256)) * 4,
        "bin/plugins/spell/en/words.txt": b"quill\npad\n" * 50,
        "empty.txt": b"",
        "docs/empty/": None,
        "data/\u00fcn\u00efcode-\u540d\u524d.txt": "Gr\u00fc\u00dfe".encode("utf-8"),
    }
    write_zipfile(os.path.join(out, "basic.zip"), basic, stored={"bin/tool.dat"})
    write_tree(os.path.join(expected, "basic"), basic)

    # Entries bigger than every buffer of the reader: read and written in many blocks.
    large = {
        "big/deflated.bin": letters(rng, 9 << 20),
        "big/stored.bin": rng.randbytes(5 << 20),
    }
    write_zipfile(os.path.join(out, "large.zip"), large, stored={"big/stored.bin"})
    write_tree(os.path.join(expected, "large"), large)

    # Names in code page 437 without the UTF-8 flag, and one whose Info-ZIP Unicode
    # path field gives the real name.
    unicode_path = "\u540d\u524d.txt".encode("utf-8")
    raw_name = b"??.txt"
    unicode_field = struct.pack("<BI", 1, zlib.crc32(raw_name)) + unicode_path
    write_raw(os.path.join(out, "cp437.zip"), [
        Raw(b"caf\x82.txt", b"cafe"),
        Raw(b"\x8e\x99\x9a/\x94\xe1.txt", b"umlauts"),
        Raw(raw_name, b"named", extra=struct.pack("<HH", 0x7075, len(unicode_field)) + unicode_field),
    ])

    # Names as Info-ZIP's zip on Linux writes them: UTF-8 bytes without the flag, made by
    # Unix. A Unix name that is not UTF-8, and a DOS one that happens to be, stay CP437.
    write_raw(os.path.join(out, "unix-names.zip"), [
        Raw("Gr\u00f6\u00dfe/\u65e5\u672c.txt", b"utf-8", host=3),
        Raw(b"caf\x82.txt", b"legacy", host=3),
        Raw(b"dos-\xc3\xa9.txt", b"dos", host=0),
        Raw(b"flag-\xc3\xa9.txt", b"flag", host=0, flags=0x800),
    ])

    # ZIP64: sizes and offsets in the extra field, ZIP64 end record and locator.
    zip64 = {"one.txt": b"first entry\n" * 10, "two/two.bin": rng.randbytes(3000)}
    write_raw(os.path.join(out, "zip64.zip"),
              [Raw("one.txt", zip64["one.txt"], zip64=True),
               Raw("two/two.bin", zip64["two/two.bin"], method=0, zip64=True)], zip64_end=True)
    write_tree(os.path.join(expected, "zip64"), zip64)

    # Only the directory and end records of an archive whose entries lie beyond 4 GiB;
    # the test places it at FAR_BASE of an otherwise empty source.
    far_base = 0x1_8000_0000
    write_raw(os.path.join(out, "zip64-far.tail"), [
        Raw("small.txt", b"small", offset=16),
        Raw("huge.bin", size=0x2_0000_0005, packed=b"", packed_size=0x4000_0000, crc=0x12345678,
            zip64=True, offset=0x1_0000_0000),
    ], zip64_end=True, base=far_base, tail_only=True)

    # Last-write times: DOS fields only, an NTFS field, an extended-timestamp field.
    ntfs_time = 132223934450000000  # 2020-01-02 03:04:05 UTC
    ntfs = struct.pack("<IHHQQQ", 0, 1, 24, ntfs_time, ntfs_time, ntfs_time)
    unix = struct.pack("<BI", 1, 1600000000)  # 2020-09-13 12:26:40 UTC
    write_raw(os.path.join(out, "times.zip"), [
        Raw("dos.txt", b"dos", stamp=(2021, 3, 4, 5, 6, 8)),
        Raw("ntfs.txt", b"ntfs", extra=struct.pack("<HH", 0x000A, len(ntfs)) + ntfs),
        Raw("unix.txt", b"unix", extra=struct.pack("<HH", 0x5455, len(unix)) + unix),
    ])

    # A bad CRC in the third entry, after a file and a folder were written.
    write_raw(os.path.join(out, "badcrc.zip"), [
        Raw("first.txt", b"first"),
        Raw("sub/second.txt", b"second"),
        Raw("sub/deeper/third.bin", letters(rng, 6 << 20), crc=0xDEADBEEF),
        Raw("fourth.txt", b"fourth"),
    ])

    # Damage found while extracting: wrong size, broken or cut deflate data.
    good = Raw("good.txt", b"good")
    body = letters(rng, 100000)
    packed = raw_deflate(body)
    broken = bytearray(packed)
    broken[0] |= 0x06  # block type 3, which deflate reserves
    write_raw(os.path.join(out, "toolong.zip"), [good, Raw("data/x.bin", body, size=len(body) - 10)])
    write_raw(os.path.join(out, "tooshort.zip"), [good, Raw("data/x.bin", body, size=len(body) + 10)])
    write_raw(os.path.join(out, "baddeflate.zip"), [good, Raw("data/x.bin", body, packed=bytes(broken))])
    write_raw(os.path.join(out, "cutdeflate.zip"), [good, Raw("data/x.bin", body, packed=packed[:len(packed) // 2])])

    # Damage found on opening.
    with open(os.path.join(out, "basic.zip"), "rb") as f:
        whole = f.read()
    with open(os.path.join(out, "truncated.zip"), "wb") as f:
        f.write(whole[:len(whole) * 3 // 5])
    with open(os.path.join(out, "notazip.zip"), "wb") as f:
        f.write(b"This is a text file, not an archive.\r\n" * 20)
    open(os.path.join(out, "zerobytes.zip"), "wb").close()
    write_raw(os.path.join(out, "count.zip"), [good, Raw("b.txt", b"b")], declared_count=3)
    outside = Raw("x.bin", b"x" * 100, method=0)
    write_raw(os.path.join(out, "outside.zip"), [good, outside])
    patch_central_offset(os.path.join(out, "outside.zip"), 1, 0x7FFF0000)
    write_raw(os.path.join(out, "encrypted.zip"), [good, Raw("secret.txt", b"secret", flags=1)])
    write_raw(os.path.join(out, "bzip2.zip"), [good, Raw("b.txt", b"bz", method=12, packed=b"BZh9")])
    write_raw(os.path.join(out, "twice.zip"), [Raw("Dup.txt", b"1"), Raw("dup.TXT", b"2")])
    write_raw(os.path.join(out, "fileandfolder.zip"), [Raw("a", b"file"), Raw("a/b.txt", b"b")])
    write_raw(os.path.join(out, "badutf8.zip"), [Raw(b"bad\xc0\xafname.txt", b"x", flags=0x800)])

    # Hostile names, each after a harmless entry that must not be written either.
    hostile = {
        "parent": "../evil.txt",
        "parentback": "a\\..\\..\\evil.txt",
        "absolute": "/evil.txt",
        "drive": "C:/evil.txt",
        "stream": "good.txt:evil",
    }
    for label, name in hostile.items():
        write_raw(os.path.join(out, "hostile-%s.zip" % label), [good, Raw(name, b"evil")])

    with open(os.path.join(out, "stamp"), "w") as f:
        f.write("done\n")


def patch_central_offset(path, index, offset):
    """Points the index-th central header at another local header offset."""
    with open(path, "r+b") as f:
        data = bytearray(f.read())
        at = -1
        for _ in range(index + 1):
            at = data.index(b"PK\x01\x02", at + 1)
        data[at + 42:at + 46] = struct.pack("<I", offset)
        f.seek(0)
        f.write(data)


if __name__ == "__main__":
    main(sys.argv[1])
