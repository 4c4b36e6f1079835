#!/usr/bin/env bash
# Builds the installer and photographs its wizard under Wine on a virtual display: every
# page in the light and the dark theme, a themed message and the package information, as
# PNG files in build/screenshots/ (QP_SCREENSHOTS chooses another folder). Not part of
# the tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QP_BUILD:-$root/build/release}
out=${QP_SCREENSHOTS:-$root/build/screenshots}

"$root/scripts/build.sh"
source "$root/scripts/wine-env.sh"
# The test prefix: it has the fonts mapped as the wizard expects them.
qp_use_prefix test
unset DISPLAY # always on a virtual display of our own, never on the user's desktop
trap qp_wine_stop EXIT
qp_wine_start
"$root/tests/fixtures/install-test-fonts.sh"
# One virtual desktop holds the installer's windows, so the pictures show what they show.
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shots /t REG_SZ /d 1600x1000 /f </dev/null >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\AppDefaults\wizard_screenshots.exe\Explorer' /v Desktop /t REG_SZ /d shots /f </dev/null >/dev/null 2>&1
mkdir -p "$out"
scratch=$(mktemp -d)
wine "$build/tests/wizard_screenshots.exe" "$(winepath -w "$out")" "$(winepath -w "$scratch")" </dev/null
rm -rf "$scratch"
echo "screenshots: $out"
