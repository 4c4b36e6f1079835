"""The application's files as the PROGRAM archive: a folder zipped reproducibly, or a
ready ZIP archive, whose entry names are read the way the installer reads them."""
import importlib.machinery
import io
import os
import struct
import types
import zipfile
import zlib

from .config import check_file_name
from .errors import PackageError

_FLAG_UTF8 = 0x0800
_EXTRA_UNICODE_PATH = 0x7075
_HOST_UNIX = 3


def _make_zip():
    here = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    # make-zip.py is a script (a dash in its name), so it is loaded from its file.
    loader = importlib.machinery.SourceFileLoader("make_zip", os.path.join(here, "make-zip.py"))
    module = types.ModuleType(loader.name)
    loader.exec_module(module)
    return module


def _unicode_path(info, raw):
    extra = info.extra
    at = 0
    while at + 4 <= len(extra):
        kind, size = struct.unpack_from("<HH", extra, at)
        field = extra[at + 4:at + 4 + size]
        at += 4 + size
        if kind == _EXTRA_UNICODE_PATH and len(field) >= 5 and field[0] == 1:
            if struct.unpack_from("<I", field, 1)[0] == zlib.crc32(raw):
                try:
                    return field[5:].decode("utf-8")
                except UnicodeDecodeError:
                    return None
    return None


def entry_name(info):
    """The entry's name as the installer decodes it: UTF-8 when flagged or given in an
    Info-ZIP Unicode path field, or made on Unix and valid UTF-8; else code page 437."""
    utf8 = bool(info.flag_bits & _FLAG_UTF8)
    raw = info.orig_filename.encode("utf-8" if utf8 else "cp437")
    if utf8:
        return info.orig_filename
    unicode_path = _unicode_path(info, raw)
    if unicode_path is not None:
        return unicode_path
    if info.create_system == _HOST_UNIX:
        try:
            return raw.decode("utf-8")
        except UnicodeDecodeError:
            pass
    return raw.decode("cp437")


def _check_names(names, where):
    for name in names:
        for part in name.rstrip("/").split("/"):
            try:
                check_file_name(f"{where}: {name}", part, "file name")
            except PackageError as error:
                raise PackageError(str(error)) from None


def folder_archive(folder):
    """(archive bytes, file names) of every file below the folder: sorted names, fixed
    times, so the same files give the same archive."""
    entries = {}
    for top, folders, files in os.walk(folder):
        folders.sort()
        for name in files:
            path = os.path.join(top, name)
            entries[os.path.relpath(path, folder).replace(os.sep, "/")] = path
    if not entries:
        raise PackageError(f"{folder}: the folder holds no files")
    _check_names(entries, folder)
    out = io.BytesIO()
    with zipfile.ZipFile(out, "w") as archive:
        _make_zip().write_entries(archive, ((name, _read(entries[name])) for name in sorted(entries)))
    return out.getvalue(), list(entries)


def ready_archive(path):
    """(archive bytes, file names) of a ready ZIP archive, carried as it is."""
    data = _read(path)
    try:
        with zipfile.ZipFile(io.BytesIO(data)) as archive:
            names = [entry_name(info) for info in archive.infolist()]
    except zipfile.BadZipFile as error:
        raise PackageError(f"{path}: not a ZIP archive ({error})") from None
    _check_names(names, path)
    return data, [n for n in names if not n.endswith("/")]


def _read(path):
    with open(path, "rb") as f:
        return f.read()
