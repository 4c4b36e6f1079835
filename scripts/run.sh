#!/usr/bin/env bash
# Builds the installer and runs it under Wine on its embedded Quillpad payload, in the
# prefix build/wine (the tests have a prefix of their own).
# Without arguments: when DISPLAY names a reachable X server, the installer opens its
# window there and the script waits until it is closed; without a display it installs
# silently from a command shell, so its console lines show here. Any arguments are
# passed instead (for example: scripts/run.sh -silent, scripts/run.sh -start).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QP_BUILD:-$root/build/release}

"$root/scripts/build.sh"
source "$root/scripts/wine-env.sh"
interactive=0
if [ $# -eq 0 ]; then
  if qp_display_reachable; then interactive=1; else set -- -silent; fi
fi
trap qp_wine_stop EXIT
qp_wine_start
setup=$(winepath -w "$build/installer/QuillpadSetup.exe")
# Started from cmd.exe, as a user at a console would, so the status lines appear.
set +e
wine cmd /c "$setup" "$@" </dev/null
status=$?
if [ $interactive -eq 1 ]; then
  # "Open application" leaves Quillpad running; stopping Wine now would end it.
  while pgrep -f '[\\/]Quillpad\.exe' >/dev/null; do sleep 1; done
fi
where=$(wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillpad' /v InstallLocation 2>/dev/null </dev/null |
  tr -d '\r' | awk -F'REG_SZ' '/InstallLocation/{sub(/^[ \t]+/, "", $2); print $2}')
if [ -n "$where" ]; then
  echo "Quillpad Studio is installed in: $where"
  echo "  (on this machine: $(winepath -u "$where" 2>/dev/null </dev/null))"
fi
exit $status
