#!/usr/bin/python3
"""Packages the sample twice for the installer's end-to-end tests: from its folder
(HelloSetup.exe) and from a ready ZIP made by Info-ZIP's zip with names beyond ASCII
(HelloZipSetup.exe), both into OUT_FOLDER."""
import os
import sys
import tempfile

import packages


def main(out):
    os.makedirs(out, exist_ok=True)
    code, errors = packages.run_packager(packages.sample_package(),
                                         os.path.join(out, "HelloSetup.exe"))
    if code:
        sys.exit(errors)
    with tempfile.TemporaryDirectory() as scratch:
        package = packages.copy_sample(scratch)
        packages.zip_the_files(package, packages.NON_ASCII_FILES)
        code, errors = packages.run_packager(package, os.path.join(out, "HelloZipSetup.exe"))
        if code:
            sys.exit(errors)


if __name__ == "__main__":
    main(sys.argv[1])
