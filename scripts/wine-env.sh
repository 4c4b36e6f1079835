# Sourced by the run, test and bench scripts: a private Wine prefix under build/, a
# virtual display, and a persistent wineserver so each Windows program starts in a few ms.
# Each script has a prefix of its own, so what one leaves behind (run.sh leaves a real
# Quillpad installation) never meets another:
#   build/wine        scripts/run.sh, the user's own installation
#   build/wine-test   scripts/test.sh
#   build/wine-bench  bench/run-install-bench.sh
# An inherited WINEPREFIX is deliberately ignored: the tests must never write into a
# prefix the user keeps for something else. QP_WINE_PREFIX overrides the choice.
# Leaves WINEPREFIX, WINEDEBUG, DISPLAY exported; call qp_wine_stop when done.

qp_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEDEBUG=${WINEDEBUG:--all}
# Wine keeps file names in the locale's character set: without a UTF-8 locale (a bare
# container's C locale) names such as "café.txt" cannot be created at all.
export LC_ALL=C.UTF-8
# No Mono or Gecko download prompts while the prefix is made, and no desktop menu
# entries for the shortcuts that installations create.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}
qp_xvfb_pid=""

# qp_use_prefix "" | test | bench: chooses build/wine, build/wine-test or build/wine-bench.
qp_use_prefix() {
  export WINEPREFIX=${QP_WINE_PREFIX:-$qp_root/build/wine${1:+-$1}}
}

qp_use_prefix ""

# True when DISPLAY names an X server that answers.
qp_display_reachable() {
  [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1
}

qp_start_display() {
  if qp_display_reachable; then return 0; fi
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1600x1000x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  qp_xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "wine-env: Xvfb did not start on $DISPLAY" >&2
  return 1
}

qp_init_prefix() {
  [ -f "$WINEPREFIX/.qp-ready" ] && return 0
  echo "wine-env: creating the Wine prefix in $WINEPREFIX" >&2
  mkdir -p "$WINEPREFIX"
  wineboot -i </dev/null >/dev/null 2>&1
  # Windows fonts are absent: map the UI font to one Debian has.
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Segoe UI' /t REG_SZ /d 'Liberation Sans' /f </dev/null >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Segoe UI Semibold' /t REG_SZ /d 'Liberation Sans Bold' /f </dev/null >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.qp-ready"
}

qp_wine_start() {
  qp_start_display || return 1
  qp_init_prefix || return 1
  # Every stream redirected: Wine's service processes would otherwise hold our pipes.
  wineserver -p </dev/null >/dev/null 2>&1 || true # already running for this prefix
  wine cmd /c exit </dev/null >/dev/null 2>&1
}

qp_wine_stop() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
  [ -n "$qp_xvfb_pid" ] && kill "$qp_xvfb_pid" 2>/dev/null || true
  qp_xvfb_pid=""
}
