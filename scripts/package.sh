#!/usr/bin/env bash
# Builds an installer for your application from a package folder:
#   scripts/package.sh PACKAGE_DIR OUTPUT.exe
# It first builds what it needs, as scripts/build.sh does (the Debian packages, the
# cross-built libraries, the installer), then writes the package into a copy of the built
# installer (scripts/package.py). README.md, "Package your own application", shows how.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QP_BUILD:-$root/build/release}

if [ $# -ne 2 ]; then
  echo "usage: scripts/package.sh PACKAGE_DIR OUTPUT.exe" >&2
  exit 2
fi
QP_BUILD_TARGETS="QuillpadSetup hello_package" "$root/scripts/build.sh" >&2
# Debian's interpreter: the packager needs Pillow (python3-pil) to read the pictures.
/usr/bin/python3 "$root/scripts/package.py" --stub "$build/installer/QuillpadSetup.exe" "$1" "$2"
