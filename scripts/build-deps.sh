#!/usr/bin/env bash
# Cross-builds the picture libraries (libpng, giflib, libjpeg-turbo) for the target
# from their Debian source packages into a prefix that is cached by package version.
# A second run with the same versions does nothing.
#
#   QP_DEPS_CACHE  where the cache lives (default: build/deps in this checkout); point
#                  it outside the clone to share it between fresh clones.
# Prints the prefix on its last line.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cache=${QP_DEPS_CACHE:-$root/build/deps}
toolchain=$root/cmake/mingw-w64-x86_64.cmake
jobs=$(nproc)

version_of() { apt-cache showsrc "$1" 2>/dev/null | awk '/^Version:/{print $2}' | sort -V | tail -n 1; }

key=""
for p in libpng1.6 giflib libjpeg-turbo; do
  v=$(version_of "$p")
  [ -n "$v" ] || { echo "build-deps: no Debian source package '$p' (is a deb-src line configured?)" >&2; exit 1; }
  key+="$p-$v;"
done
stamp=$(printf '%s' "$key" | sha1sum | cut -c1-12)
prefix=$cache/prefix-$stamp

if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

work=$cache/work-$stamp
rm -rf "$work" "$prefix"
mkdir -p "$work" "$prefix"
cd "$work"
echo "build-deps: fetching Debian sources" >&2
# A mirror that drops a connection now and then should not fail the whole build.
fetched=0
for attempt in 1 2 3; do
  if apt-get source -qq libpng1.6 giflib libjpeg-turbo >"$work/fetch.log" 2>&1; then
    fetched=1
    break
  fi
  echo "build-deps: apt-get source failed (attempt $attempt of 3)" >&2
  rm -rf "$work"/libpng1.6-* "$work"/giflib-* "$work"/libjpeg-turbo-* "$work"/*.dsc "$work"/*.tar.* "$work"/*.diff.*
  sleep 5
done
[ $fetched -eq 1 ] || { echo "build-deps: apt-get source failed; see $work/fetch.log" >&2; tail -n 5 "$work/fetch.log" >&2; exit 1; }

cmake_build() { # source-dir build-dir options...
  local src=$1 bld=$2; shift 2
  cmake -S "$src" -B "$bld" -G "Unix Makefiles" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" "$@" >"$bld.log" 2>&1 &&
    cmake --build "$bld" -j "$jobs" >>"$bld.log" 2>&1 &&
    cmake --install "$bld" >>"$bld.log" 2>&1 ||
    { echo "build-deps: building $(basename "$src") failed; see $bld.log" >&2; tail -n 20 "$bld.log" >&2; exit 1; }
}

echo "build-deps: libpng" >&2
cmake_build "$(ls -d libpng1.6-*/ | head -n 1)" "$work/png-build" \
  -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF -DSKIP_INSTALL_PROGRAMS=ON

echo "build-deps: libjpeg-turbo" >&2
cmake_build "$(ls -d libjpeg-turbo-*/ | head -n 1)" "$work/jpeg-build" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF

# giflib's Makefile does not cross-compile; its library is eight plain C files.
echo "build-deps: giflib" >&2
gif=$(ls -d giflib-*/ | head -n 1)
mkdir -p gif-build
for f in dgif_lib egif_lib gifalloc gif_err gif_font gif_hash openbsd-reallocarray quantize; do
  x86_64-w64-mingw32-gcc-posix -O2 -c "$gif/$f.c" -I"$gif" -o "gif-build/$f.o"
done
x86_64-w64-mingw32-ar rcs "$prefix/lib/libgif.a" gif-build/*.o
cp "$gif/gif_lib.h" "$prefix/include/"

printf '%s\n' "$key" >"$prefix/.complete"
rm -rf "$work"
echo "$prefix"
