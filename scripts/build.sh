#!/usr/bin/env bash
# Installs what the build needs, cross-builds the dependencies (cached) and builds
# the installer and the tests into $QP_BUILD (default build/release); QP_BUILD_TARGETS
# names the targets when only some are wanted.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QP_BUILD:-$root/build/release}

"$root/scripts/install-packages.sh"
deps=$("$root/scripts/build-deps.sh" | tail -n 1)
cmake -S "$root" -B "$build" -G "Unix Makefiles" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DQP_DEPS_PREFIX="$deps" "$@" >/dev/null
targets=()
for target in ${QP_BUILD_TARGETS:-}; do targets+=(--target "$target"); done
cmake --build "$build" -j "$(nproc)" "${targets[@]}"
