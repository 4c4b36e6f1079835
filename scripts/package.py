#!/usr/bin/python3
"""Builds a publisher's installer from a package folder and a built installer (the stub,
QuillpadSetup.exe): the stub's program stays as it is, its resources are replaced.

usage: package.py --stub QuillpadSetup.exe PACKAGE_DIR OUTPUT.exe

The package folder holds:
  package.conf     the configuration (docs/package.conf describes every field)
  files/           the application's files, or instead
  files.zip        a ready ZIP archive of them
  logo.png         optional: the logo on the welcome page, and the installer's icon
  cover.png        optional: the wizard's cover picture, 343 x 615
  license.txt      optional: the licence text (UTF-8)
  certificate.pem  optional, with certificate.key: the code-signing certificate and its
                   key (a key with a password reads it from QP_SIGNING_PASSWORD)
Whatever is missing keeps the stub's own. On any error the message names the field or
file, and no output file is written.
"""
import argparse
import os
import subprocess
import sys
import tempfile

from packager import config, icon, pictures, payload, version_info
from packager.errors import PackageError
from packager.pe_resources import (RT_GROUP_ICON, RT_ICON, RT_RCDATA, RT_VERSION,
                                   read_resources, write_resources)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def optional(folder, name):
    path = os.path.join(folder, name)
    return path if os.path.exists(path) else None


def application_files(folder):
    files, archive = optional(folder, "files"), optional(folder, "files.zip")
    if files and archive:
        raise PackageError(f"{folder}: holds both files/ and files.zip; keep one")
    if archive:
        return payload.ready_archive(archive)
    if files:
        return payload.folder_archive(files)
    raise PackageError(f"{folder}: no files/ folder and no files.zip with the application")


def check_executable(merged, names):
    if merged["CanBeRun"] != "true":
        return
    wanted = merged["ExeOfPath"].lower()
    if not any(name.lower() == wanted for name in names):
        raise PackageError(f"ExeOfPath: {merged['ExeOfPath']} is not among the application's "
                           f"files")


def license_text(path):
    data = read(path)
    try:
        data.decode("utf-8-sig")
    except UnicodeDecodeError as error:
        raise PackageError(f"{path}: not UTF-8 text (byte {error.start})") from None
    if not data.strip():
        raise PackageError(f"{path}: the licence text is empty")
    return data


def language_of(resources, kind, name):
    return next(iter(resources[kind][name]))


def replace(resources, kind, name, data):
    """Puts data in place of the resource, in the language the stub has it in."""
    languages = resources.setdefault(kind, {}).setdefault(name, {})
    language = next(iter(languages), 1033)
    languages.clear()
    languages[language] = data


def set_icon(resources, logo):
    images = icon.icon_images(logo)
    language = language_of(resources, RT_GROUP_ICON, "MAINICON")
    resources[RT_ICON] = {n + 1: {language: image} for n, image in enumerate(images)}
    resources[RT_GROUP_ICON]["MAINICON"] = {language: icon.group_icon(images, 1)}


def set_version(resources, merged, output):
    old = resources[RT_VERSION][1]
    file_version = version_info.fixed_file_version(next(iter(old.values())))
    strings = [
        ("CompanyName", merged["Publisher"]),
        ("FileDescription", merged["AppFullName"] + " Setup"),
        ("FileVersion", file_version),
        ("OriginalFilename", os.path.basename(output)),
        ("ProductName", merged["AppFullName"]),
        ("ProductVersion", merged["ProgramVersion"]),
    ]
    replace(resources, RT_VERSION, 1,
            version_info.version_resource(file_version, merged["ProgramVersion"], strings))


def build(stub, folder, output):
    """The installer's bytes; raises PackageError."""
    conf = os.path.join(folder, "package.conf")
    if not os.path.isfile(conf):
        raise PackageError(f"{conf}: the package has no configuration file")
    merged = config.complete(config.parse(read(conf), conf))
    archive, names = application_files(folder)
    check_executable(merged, names)

    resources = read_resources(read(stub))
    replace(resources, RT_RCDATA, "PROGRAM", archive)
    replace(resources, RT_RCDATA, "SETUPCONFIG", config.stored_text(merged))
    if logo_path := optional(folder, "logo.png"):
        logo = pictures.load_png(logo_path, logo_path)
        pictures.check_logo(logo, logo_path)
        replace(resources, RT_RCDATA, "APPLOGO", read(logo_path))
        set_icon(resources, logo)
    if cover_path := optional(folder, "cover.png"):
        pictures.check_cover(pictures.load_png(cover_path, cover_path), cover_path)
        replace(resources, RT_RCDATA, "COVER.PNG", read(cover_path))
    if license_path := optional(folder, "license.txt"):
        replace(resources, RT_RCDATA, "LICENSETEXT", license_text(license_path))
    set_version(resources, merged, output)
    return write_resources(read(stub), resources), merged


def signing_files(folder):
    certificate, key = optional(folder, "certificate.pem"), optional(folder, "certificate.key")
    if bool(certificate) != bool(key):
        raise PackageError(f"{folder}: certificate.pem and certificate.key go together")
    return (certificate, key) if certificate else None


def sign(unsigned, signed, files, merged):
    certificate, key = files
    command = ["osslsigncode", "sign", "-certs", certificate, "-key", key, "-h", "sha256",
               "-n", merged["AppFullName"], "-in", unsigned, "-out", signed]
    if merged["HelpLink"]:
        command[-4:-4] = ["-i", merged["HelpLink"]]
    if password := os.environ.get("QP_SIGNING_PASSWORD"):
        # From a file only the packager can read, not on a command line others can see.
        password_file = os.path.join(os.path.dirname(unsigned), "password")
        with open(os.open(password_file, os.O_WRONLY | os.O_CREAT | os.O_EXCL, 0o600), "w") as f:
            f.write(password)
        command[-4:-4] = ["-readpass", password_file]
    # No terminal to ask for a password on: a key that needs one fails instead of waiting.
    result = subprocess.run(command, capture_output=True, text=True, stdin=subprocess.DEVNULL)
    if result.returncode != 0:
        # osslsigncode's own lines, without OpenSSL's error stack.
        said = [line for line in (result.stderr + result.stdout).splitlines()
                if line.strip() and ":error:" not in line and "pass phrase" not in line]
        raise PackageError(f"{certificate}: signing failed: {'; '.join(said)}")


def main(argv):
    parser = argparse.ArgumentParser(description="Builds an installer from a package folder.")
    parser.add_argument("--stub", required=True, help="the built QuillpadSetup.exe")
    parser.add_argument("package")
    parser.add_argument("output")
    args = parser.parse_args(argv[1:])
    output = os.path.abspath(args.output)
    try:
        signing = signing_files(args.package)
        data, merged = build(args.stub, args.package, output)
        with tempfile.TemporaryDirectory(dir=os.path.dirname(output)) as scratch:
            unsigned = os.path.join(scratch, "unsigned.exe")
            with open(unsigned, "wb") as f:
                f.write(data)
            final = unsigned
            if signing:
                final = os.path.join(scratch, "signed.exe")
                sign(unsigned, final, signing, merged)
            os.replace(final, output)
    except PackageError as error:
        sys.stderr.write(f"package: {error}\n")
        return 1
    print(f"package: {output}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
