#!/usr/bin/env python3
"""Builds a deflate ZIP archive reproducibly (fixed time stamps, sorted names).

usage: make-zip.py OUT.zip [NAME=FILE ...] [--dir FOLDER ...]
  NAME=FILE   store FILE under the archive name NAME
  --dir DIR   store every file below DIR under its path relative to DIR

write_archive() is also used by bench/make-payload.py, write_entries() by the packager.
"""
import os
import sys
import zipfile

STAMP = (2026, 1, 1, 0, 0, 0)


def write_entries(z, entries):
    """Writes (name, bytes) pairs into an open archive, in their order, deflated at level 6,
    each folder entry before its first file."""
    folders = set()
    for name, data in entries:
        parts = name.split("/")[:-1]
        for i in range(1, len(parts) + 1):
            folder = "/".join(parts[:i]) + "/"
            if folder not in folders:
                folders.add(folder)
                z.writestr(zipfile.ZipInfo(folder, STAMP), b"")
        info = zipfile.ZipInfo(name, STAMP)
        info.compress_type = zipfile.ZIP_DEFLATED
        info.external_attr = 0o644 << 16
        z.writestr(info, data, compresslevel=6)


def write_archive(out, entries):
    """write_entries into a new archive file, which appears under its name only when complete."""
    tmp = out + ".tmp"
    with zipfile.ZipFile(tmp, "w", zipfile.ZIP_DEFLATED, compresslevel=6) as z:
        write_entries(z, entries)
    os.replace(tmp, out)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def main(argv):
    out, rest = argv[1], argv[2:]
    entries = {}
    it = iter(rest)
    for arg in it:
        if arg == "--dir":
            top = next(it)
            for folder, _, files in os.walk(top):
                for f in files:
                    path = os.path.join(folder, f)
                    entries[os.path.relpath(path, top).replace(os.sep, "/")] = path
        else:
            name, path = arg.split("=", 1)
            entries[name] = path
    write_archive(out, ((name, read(entries[name])) for name in sorted(entries)))


if __name__ == "__main__":
    main(sys.argv)
