#!/usr/bin/env bash
# Installs what the build needs, cross-builds the dependencies (cached) and builds
# the installer and the tests into $QP_BUILD (default build/release).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QP_BUILD:-$root/build/release}

"$root/scripts/install-packages.sh"
deps=$("$root/scripts/build-deps.sh" | tail -n 1)
cmake -S "$root" -B "$build" -G "Unix Makefiles" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DQP_DEPS_PREFIX="$deps" "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
