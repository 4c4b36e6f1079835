#!/usr/bin/python3
"""The packager as a publisher meets it: every mistake in a package is refused with a
message naming the field or file, and leaves no installer behind; the same package gives
the same bytes; a package with a certificate gives a signed installer."""
import os
import re
import subprocess
import sys
import tempfile
import unittest

from PIL import Image

import packages


def set_field(package, line):
    """Puts the "Field = value" line in place of the field's own, or adds it."""
    path = os.path.join(package, "package.conf")
    with open(path, encoding="utf-8") as f:
        text = f.read()
    field = line.split("=")[0].strip()
    text, found = re.subn(rf"^{field} *=.*$", lambda _: line, text, flags=re.M)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text if found else text + line + "\n")


def write(package, name, data):
    with open(os.path.join(package, name), "wb") as f:
        f.write(data)


def picture(package, name, size, mode="RGB"):
    Image.new(mode, size, (10, 20, 30)).save(os.path.join(package, name), "PNG")


def truncated_logo(package):
    with open(os.path.join(package, "logo.png"), "rb") as f:
        data = f.read()
    write(package, "logo.png", data[:len(data) // 2])


# (what is wrong, how to make it so, what the message says)
MISTAKES = [
    ("empty short name", lambda p: set_field(p, "AppName ="), "AppName is empty"),
    ("empty complete name", lambda p: set_field(p, "AppFullName = "), "AppFullName is empty"),
    ("empty publisher", lambda p: set_field(p, "Publisher ="), "Publisher is empty"),
    ("version with a word", lambda p: set_field(p, "ProgramVersion = 2.1 beta"),
     'line 8: ProgramVersion: "2.1 beta" is not a version'),
    ("version with five numbers", lambda p: set_field(p, "ProgramVersion = 1.2.3.4.5"),
     "is not a version"),
    ("version beyond Windows' numbers", lambda p: set_field(p, "ProgramVersion = 2.70000"),
     "each number of a Windows version is at most 65535"),
    ("executable not among the files", lambda p: set_field(p, "ExeOfPath = Helo.exe"),
     "ExeOfPath: Helo.exe is not among the application's files"),
    ("executable in a folder", lambda p: set_field(p, "ExeOfPath = bin\\Hello.exe"),
     "ExeOfPath: the file name cannot be stored: Windows does not allow \\ in file names"),
    ("unknown field", lambda p: set_field(p, "Colour = blue"), 'unknown field "Colour"'),
    ("line without a value", lambda p: set_field(p, "HasEULA"), 'expected "Field = value"'),
    ("field set twice", lambda p: set_field(p, "HasEULA = true\nHasEULA = false"),
     "HasEULA is set twice"),
    ("flag that is not a flag", lambda p: set_field(p, "HasEULA = yes"),
     '"yes" is neither true nor false'),
    ("unknown install type", lambda p: set_field(p, "InstallSupport = Everyone"),
     "not one of Both, AllUser, ThisUser"),
    ("name with a path delimiter", lambda p: set_field(p, "AppName = Hello/World"),
     "AppName: the name cannot be stored: Windows does not allow / in file names"),
    ("name of a device", lambda p: set_field(p, "AppFullName = CON"),
     "AppFullName: the name cannot be stored: CON is a device name"),
    ("name with a trailing dot", lambda p: set_field(p, "AppName = Hello."),
     "Windows drops a leading space and trailing dots"),
    ("text with a control character", lambda p: set_field(p, "Publisher = Acme\x07 Ltd"),
     "Publisher: the text cannot be stored: it holds the control character U+0007"),
    ("configuration not UTF-8", lambda p: write(p, "package.conf", b"AppName = Caf\xe9\n"),
     "package.conf: not UTF-8 text"),
    ("no configuration", lambda p: os.remove(os.path.join(p, "package.conf")),
     "the package has no configuration file"),
    ("logo that does not decode", truncated_logo, "logo.png: the picture does not decode"),
    ("logo that is no PNG", lambda p: Image.new("RGB", (64, 64)).save(
        os.path.join(p, "logo.png"), "BMP"), "logo.png: not a PNG picture (BMP)"),
    ("logo that is not square", lambda p: picture(p, "logo.png", (64, 48)),
     "logo.png: the logo is 64 x 48 pixels; it must be square"),
    ("cover of the wrong size", lambda p: picture(p, "cover.png", (343, 600)),
     "cover.png: the cover picture is 343 x 600 pixels; it must be 343 x 615"),
    ("licence not UTF-8", lambda p: write(p, "license.txt", b"Licence \xff\n"),
     "license.txt: not UTF-8 text"),
    ("file name Windows cannot hold", lambda p: write(p, "files/a:b.txt", b"x"),
     "a:b.txt: the file name cannot be stored: Windows does not allow :"),
    ("files twice", lambda p: write(p, "files.zip", b""), "holds both files/ and files.zip"),
    ("no files", lambda p: os.rename(os.path.join(p, "files"), os.path.join(p, "other")),
     "no files/ folder and no files.zip"),
    ("archive that is no ZIP", lambda p: (packages.zip_the_files(p, {}),
                                          write(p, "files.zip", b"not a zip")),
     "files.zip: not a ZIP archive"),
    ("certificate without its key", lambda p: write(p, "certificate.pem", b""),
     "certificate.pem and certificate.key go together"),
]


class Packaging(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.TemporaryDirectory()
        self.addCleanup(self.scratch.cleanup)

    def path(self, *names):
        return os.path.join(self.scratch.name, *names)

    def test_each_mistake_names_its_field_or_file_and_writes_nothing(self):
        for what, make, message in MISTAKES:
            with self.subTest(what):
                package = packages.copy_sample(self.path(what))
                make(package)
                output = self.path(what, "Setup.exe")
                code, errors = packages.run_packager(package, output)
                self.assertEqual(code, 1, errors)
                self.assertIn(message, errors)
                self.assertFalse(os.path.exists(output))
                self.assertEqual(os.listdir(self.path(what)), ["package"], "no leftovers")

    def test_the_same_package_gives_the_same_bytes(self):
        outputs = []
        for run in ("first", "second"):
            os.makedirs(self.path(run))
            outputs.append(self.path(run, "HelloSetup.exe"))
            self.assertEqual(packages.run_packager(packages.sample_package(), outputs[-1])[0], 0)
        with open(outputs[0], "rb") as a, open(outputs[1], "rb") as b:
            first, second = a.read(), b.read()
        self.assertEqual(first, second)
        with open(packages.stub(), "rb") as f:
            self.assertNotEqual(first, f.read())

    def test_the_documented_configuration_names_every_field_with_its_default(self):
        sys.path.insert(0, os.path.join(packages.ROOT, "scripts"))
        from packager import config
        with open(os.path.join(packages.ROOT, "docs", "package.conf"), "rb") as f:
            documented = config.parse(f.read(), "docs/package.conf")
        self.assertEqual(documented, config.complete({}))

    def test_a_package_with_a_certificate_gives_a_signed_installer(self):
        # A key without a password, and one whose password comes from the environment.
        for password in ("", "s3cret"):
            with self.subTest(password=password):
                package = packages.copy_sample(self.path(password or "plain"))
                key = ["-passout", "pass:" + password] if password else ["-nodes"]
                subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-days", "2",
                                "-subj", "/CN=Hello Sample Test Publisher",
                                "-addext", "extendedKeyUsage=codeSigning", *key,
                                "-keyout", os.path.join(package, "certificate.key"),
                                "-out", os.path.join(package, "certificate.pem")],
                               check=True, capture_output=True)
                output = self.path(password or "plain", "HelloSetup.exe")
                os.environ["QP_SIGNING_PASSWORD"] = password
                self.addCleanup(os.environ.pop, "QP_SIGNING_PASSWORD", None)
                code, errors = packages.run_packager(package, output)
                self.assertEqual(code, 0, errors)
                verify = subprocess.run(["osslsigncode", "verify", "-CAfile",
                                         os.path.join(package, "certificate.pem"), "-in", output],
                                        capture_output=True, text=True)
                self.assertEqual(verify.returncode, 0, verify.stdout + verify.stderr)
                self.assertIn("Signature verification: ok", verify.stdout)
                self.assertIn("Hello Sample Test Publisher", verify.stdout)

    def test_a_wrong_signing_password_is_refused_without_output(self):
        package = packages.copy_sample(self.scratch.name)
        subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-days", "2",
                        "-subj", "/CN=Hello", "-passout", "pass:right",
                        "-keyout", os.path.join(package, "certificate.key"),
                        "-out", os.path.join(package, "certificate.pem")],
                       check=True, capture_output=True)
        os.environ["QP_SIGNING_PASSWORD"] = "wrong"
        self.addCleanup(os.environ.pop, "QP_SIGNING_PASSWORD", None)
        output = self.path("HelloSetup.exe")
        code, errors = packages.run_packager(package, output)
        self.assertEqual(code, 1)
        self.assertIn("certificate.pem: signing failed: Failed to decode private key", errors)
        self.assertFalse(os.path.exists(output))
        self.assertEqual(os.listdir(self.scratch.name), ["package"])

if __name__ == "__main__":
    unittest.main()
