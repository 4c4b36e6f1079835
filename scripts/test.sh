#!/usr/bin/env bash
# Builds everything and runs every test under Wine on a virtual display, in the prefix
# build/wine-test, which nothing but the tests uses (run.sh leaves a real installation in
# build/wine). Extra arguments go to ctest (for example -R registry).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QP_BUILD:-$root/build/release}

"$root/scripts/build.sh"
source "$root/scripts/wine-env.sh"
qp_use_prefix test
trap qp_wine_stop EXIT
qp_wine_start
cd "$build"
ctest --output-on-failure --timeout 300 "$@"
