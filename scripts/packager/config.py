"""The package's configuration file: its fields, their defaults (the Quillpad build's own
values) and the checks a value must pass before the installer may carry it.

The file is UTF-8 text, one "Field = value" line per field; blank lines and lines that
start with '#' are comments. Fields that are left out keep their default.
"""
import re

from .errors import PackageError

SITE = "https://velmarsoftware.com"

# Field -> (kind, default). Kinds: name (a text that becomes a folder, file or registry
# key name), file (a file name), text, bool, version, support.
FIELDS = {
    "AppName": ("name", "Quillpad"),
    "AppFullName": ("name", "Quillpad Studio"),
    "ExeOfPath": ("file", "Quillpad.exe"),
    "ProgramVersion": ("version", "1.3.0.0"),
    "Publisher": ("text", "Velmar Software"),
    "HelpLink": ("text", SITE + "/apps/"),
    "UpdateLink": ("text", SITE + "/apps/"),
    "SupportLink": ("text", SITE + "/contact/"),
    "CanBeRun": ("bool", "true"),
    "InstallSupport": ("support", "ThisUser"),
    "EnableUninstaller": ("bool", "true"),
    "AddRecordToRegistry": ("bool", "true"),
    "AllowCustomPath": ("bool", "true"),
    "AllowCreateShortcut": ("bool", "true"),
    "AllowOptions": ("bool", "false"),
    "AllowExtensions": ("bool", "false"),
    "HasEULA": ("bool", "true"),
    "Option1": ("bool", "false"),
    "Option2": ("bool", "false"),
    "Option3": ("bool", "false"),
    "Extension1": ("bool", "false"),
    "Extension2": ("bool", "false"),
    "Extension3": ("bool", "false"),
    "Option1Label": ("text", ""),
    "Option2Label": ("text", ""),
    "Option3Label": ("text", ""),
    "Extension1Label": ("text", ""),
    "Extension2Label": ("text", ""),
    "Extension3Label": ("text", ""),
}

# Texts that must not be empty.
REQUIRED = ("AppName", "AppFullName", "ExeOfPath", "Publisher")

# Not in file or folder names on Windows, nor "\" in a registry key name.
FORBIDDEN_IN_NAMES = set('\\/:*?"<>|')
RESERVED_NAMES = {"CON", "PRN", "AUX", "NUL"} | {f"{d}{n}" for d in ("COM", "LPT")
                                                  for n in range(1, 10)}
# A name becomes a folder below Program Files or AppData and the registry key's name.
MAX_NAME = 120
MAX_TEXT = 1000


def control_character(text):
    """The first character that a one-line value cannot hold, or None."""
    for c in text:
        if ord(c) < 0x20 or 0x7F <= ord(c) < 0xA0 or c in "\u2028\u2029\ufeff":
            return c
    return None


def check_text(field, value):
    bad = control_character(value)
    if bad is not None:
        raise PackageError(f"{field}: the text cannot be stored: it holds the control "
                           f"character U+{ord(bad):04X}")
    if len(value) > MAX_TEXT:
        raise PackageError(f"{field}: the text cannot be stored: longer than {MAX_TEXT} characters")


def check_file_name(field, value, what):
    bad = sorted(set(value) & FORBIDDEN_IN_NAMES)
    if bad:
        raise PackageError(f"{field}: the {what} cannot be stored: Windows does not allow "
                           f"{' '.join(bad)} in file names")
    if value != value.rstrip(". ") or value != value.lstrip(" "):
        raise PackageError(f"{field}: the {what} cannot be stored: Windows drops a leading "
                           f"space and trailing dots and spaces of file names")
    if value.split(".")[0].upper() in RESERVED_NAMES:
        raise PackageError(f"{field}: the {what} cannot be stored: {value} is a device name "
                           f"on Windows")


def normal_version(field, value):
    parts = value.split(".")
    if not 1 <= len(parts) <= 4 or not all(re.fullmatch(r"[0-9]{1,5}", p) for p in parts):
        raise PackageError(f"{field}: \"{value}\" is not a version: one to four numbers "
                           f"separated by dots, such as 1.2.0")
    numbers = [int(p) for p in parts] + [0] * (4 - len(parts))
    if max(numbers) > 0xFFFF:
        raise PackageError(f"{field}: \"{value}\" cannot be stored: each number of a Windows "
                           f"version is at most 65535")
    return ".".join(str(n) for n in numbers)


def check_value(field, kind, value):
    """The value as the installer stores it; raises PackageError when it cannot be."""
    if not value and field in REQUIRED:
        raise PackageError(f"{field} is empty")
    check_text(field, value)
    if kind == "name":
        if len(value) > MAX_NAME:
            raise PackageError(f"{field}: the name cannot be stored: longer than {MAX_NAME} "
                               f"characters")
        check_file_name(field, value, "name")
    elif kind == "file":
        check_file_name(field, value, "file name")
    elif kind == "bool":
        if value not in ("true", "false"):
            raise PackageError(f"{field}: \"{value}\" is neither true nor false")
    elif kind == "version":
        value = normal_version(field, value)
    elif kind == "support":
        if value not in ("Both", "AllUser", "ThisUser"):
            raise PackageError(f"{field}: \"{value}\" is not one of Both, AllUser, ThisUser")
    return value


def parse(data, file_name):
    """The fields the file sets, checked; raises PackageError naming the line."""
    try:
        text = data.decode("utf-8-sig")
    except UnicodeDecodeError as error:
        raise PackageError(f"{file_name}: not UTF-8 text (byte {error.start})") from None
    values = {}
    for number, raw in enumerate(text.split("\n"), start=1):
        line = raw.strip(" \t\r")
        if not line or line.startswith("#"):
            continue
        where = f"{file_name} line {number}"
        name, equals, value = line.partition("=")
        name, value = name.strip(" \t"), value.strip(" \t")
        if not equals:
            raise PackageError(f"{where}: expected \"Field = value\", found \"{line}\"")
        if name not in FIELDS:
            raise PackageError(f"{where}: unknown field \"{name}\"")
        if name in values:
            raise PackageError(f"{where}: {name} is set twice")
        try:
            values[name] = check_value(name, FIELDS[name][0], value)
        except PackageError as error:
            raise PackageError(f"{where}: {error}") from None
    return values


def complete(values):
    """Every field: the file's values over the defaults."""
    return {name: values.get(name, default) for name, (_, default) in FIELDS.items()}


def stored_text(merged):
    """The configuration as the installer reads it from its resource."""
    lines = ["# Written by scripts/package.py"]
    lines += [f"{name} = {merged[name]}".rstrip() for name in FIELDS]
    return ("\n".join(lines) + "\n").encode("utf-8")


if __name__ == "__main__":
    # python3 -m packager.config: the configuration an empty package.conf gives, as stored.
    import sys
    sys.stdout.buffer.write(stored_text(complete({})))
