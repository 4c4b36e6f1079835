#!/usr/bin/env bash
# Builds the installer and runs it under Wine on its embedded Quillpad payload.
# Without arguments it installs silently from a command shell, so its console lines
# show here; any arguments replace "-silent" (for example: scripts/run.sh -start).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QP_BUILD:-$root/build/release}

"$root/scripts/build.sh"
source "$root/scripts/wine-env.sh"
trap qp_wine_stop EXIT
qp_wine_start
[ $# -gt 0 ] || set -- -silent
setup=$(winepath -w "$build/installer/QuillpadSetup.exe")
# Started from cmd.exe, as a user at a console would, so the status lines appear.
set +e
wine cmd /c "$setup" "$@" </dev/null
status=$?
where=$(wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillpad' /v InstallLocation 2>/dev/null </dev/null |
  tr -d '\r' | awk -F'REG_SZ' '/InstallLocation/{sub(/^[ \t]+/, "", $2); print $2}')
if [ -n "$where" ]; then
  echo "Quillpad Studio is installed in: $where"
  echo "  (on this machine: $(winepath -u "$where" 2>/dev/null </dev/null))"
fi
exit $status
