#!/usr/bin/env bash
# Cross-builds miniunz, the example extractor of minizip that ships inside Debian's zlib
# source package (contrib/minizip), for Windows, as the benchmark's peer. It is built
# as its authors ship it, against the same MinGW zlib the installer links. The result
# is cached by source version; a second run only prints the path.
#
#   build-miniunz.sh [CACHE]   CACHE defaults to build/bench in this checkout
# Prints the path of miniunz.exe on its last line.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cache=${1:-$root/build/bench}

version=$(apt-cache showsrc zlib 2>/dev/null | awk '/^Version:/{print $2}' | sort -V | tail -n 1)
[ -n "$version" ] || { echo "build-miniunz: no Debian source package 'zlib' (is a deb-src line configured?)" >&2; exit 1; }
out=$cache/miniunz-${version//[:~]/_}
exe=$out/miniunz.exe
if [ -f "$exe" ]; then
  echo "$exe"
  exit 0
fi

mkdir -p "$cache"
work=$(mktemp -d "$cache/miniunz-work.XXXXXX")
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get source -qq zlib >/dev/null 2>&1) ||
  { echo "build-miniunz: apt-get source zlib failed" >&2; exit 1; }
minizip=$(ls -d "$work"/zlib-*/contrib/minizip)
mkdir -p "$out"
x86_64-w64-mingw32-gcc-posix -O2 -static -o "$exe.tmp" \
  "$minizip/miniunz.c" "$minizip/unzip.c" "$minizip/ioapi.c" "$minizip/iowin32.c" -lz
mv "$exe.tmp" "$exe"
echo "$exe"
