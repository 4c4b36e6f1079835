#!/usr/bin/env python3
"""Builds a deflate ZIP archive reproducibly (fixed time stamps, sorted names).

usage: make-zip.py OUT.zip [NAME=FILE ...] [--dir FOLDER ...]
  NAME=FILE   store FILE under the archive name NAME
  --dir DIR   store every file below DIR under its path relative to DIR
"""
import os
import sys
import zipfile

STAMP = (2026, 1, 1, 0, 0, 0)


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
    tmp = out + ".tmp"
    with zipfile.ZipFile(tmp, "w", zipfile.ZIP_DEFLATED, compresslevel=6) as z:
        folders = set()
        for name in sorted(entries):
            parts = name.split("/")[:-1]
            for i in range(1, len(parts) + 1):
                folder = "/".join(parts[:i]) + "/"
                if folder not in folders:
                    folders.add(folder)
                    z.writestr(zipfile.ZipInfo(folder, STAMP), b"")
            info = zipfile.ZipInfo(name, STAMP)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            with open(entries[name], "rb") as f:
                z.writestr(info, f.read(), compresslevel=6)
    os.replace(tmp, out)


if __name__ == "__main__":
    main(sys.argv)
