#!/usr/bin/env bash
# Install speed side by side, in one run: the silent installer with a ~330 MB payload
# (whole run and its stages), miniunz and a plain Win32 tree copy under the same warm
# Wine server, and native cp, bsdtar and unzip as context. The cases alternate, each
# round in a rotated order; the table shows min/median/max and the ratios.
#
#   bench/run-install-bench.sh [ROUNDS]      (default 3)
#
#   QP_BUILD       the build folder (default build/release); QP_DEPS_CACHE as for
#                  scripts/build.sh. Payloads, miniunz and the work folders live in build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QP_BUILD:-$root/build/release}
rounds=${1:-3}
tools=$root/build/bench
work=$root/build/bench-run
results=$work/results.txt
log=$work/build.log

rm -rf "$work"
mkdir -p "$work" "$tools"

# --- Build: the installers with the two payloads, the tree copier, the launcher, miniunz.
build_or_fail() {
  "$@" >>"$log" 2>&1 || { echo "run-install-bench: '$*' failed; see $log" >&2; tail -n 30 "$log" >&2; exit 1; }
}
build_or_fail "$root/scripts/build.sh" -DQP_BUILD_BENCH=ON
build_or_fail cmake --build "$build" -j "$(nproc)" --target QuillpadSetupBench300 QuillpadSetupBench100 tree_copy run_measured
miniunz=$("$root/bench/build-miniunz.sh" "$tools" | tail -n 1)
if ! command -v bsdtar >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq libarchive-tools >/dev/null
fi
bench_bin=$build/bench
payload=$bench_bin/payload-300.zip

# --- Wine, warm. Wine's desktop integration (winemenubuilder) would turn each new shortcut
# into a Linux menu entry: work that Windows never does, so it is left out.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
source "$root/scripts/wine-env.sh"
qp_use_prefix bench
trap qp_wine_stop EXIT
qp_wine_start
win() { winepath -w "$1" 2>/dev/null; }
shell_folder() {
  local value
  value=$(wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' /v "$1" </dev/null 2>/dev/null |
    tr -d '\r' | awk -F'REG_SZ' "/$1/{sub(/^[ \\t]+/, \"\", \$2); print \$2}")
  winepath -u "$value" 2>/dev/null
}
links=("$(shell_folder Programs)/Quillpad.lnk" "$(shell_folder Desktop)/Quillpad.lnk")
run_measured=$bench_bin/run_measured.exe

# The payload as files, the source of the copies (made natively, once per archive).
source_tree=$tools/payload-300-files
if [ ! -f "$source_tree.stamp" ] || [ "$payload" -nt "$source_tree.stamp" ]; then
  rm -rf "$source_tree" && mkdir -p "$source_tree"
  unzip -q "$payload" -d "$source_tree"
  touch "$source_tree.stamp"
fi

# --- One measurement each. Every case starts with its target gone and the disk synced,
# so no earlier run's write-back lands in it.
out=$work/out
fresh() { rm -rf "$out"; sync; }

# run_windows CASE PROGRAM ARGS...: times a Windows program through the launcher.
run_windows() {
  local case=$1 line
  shift
  # The launcher's line comes last, after whatever the program itself printed.
  # Wine's note that Z:\ has no volume label is noise here.
  line=$(wine "$run_measured" "$(win "$1")" "${@:2}" </dev/null 2> >(grep -v 'FS volume label' >&2) |
    tr -d '\r' | tail -n 1)
  [[ $line == *" exit=0 "* ]] || { echo "run-install-bench: $case failed: $line" >&2; exit 1; }
  line=${line#seconds=}
  echo "$case ${line%% *} ${line#* exit=0 }" >>"$results"
}

run_native() {
  local case=$1 start
  shift
  start=$EPOCHREALTIME
  "$@"
  echo "$case $(python3 -c "print($EPOCHREALTIME - $start)")" >>"$results"
}

# The silent installer; the stages' times come from the installer itself. Afterwards
# everything the installation made is removed, so the next run is not an update.
install() { # CASE INSTALLER
  local stages=$work/stages.txt
  rm -f "$stages"
  QUILLPAD_SETUP_STAGE_TIMES=$(win "$stages") run_windows "$1" "$2" -silent -installpath "$(win "$out")"
  [ -f "$out/Quillpad.exe" ] || { echo "run-install-bench: $1 installed nothing" >&2; exit 1; }
  awk -v case="$1" '{print case "." tolower($1), $2}' "$stages" >>"$results"
  wine reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillpad' /f </dev/null >/dev/null 2>&1
  rm -f "${links[@]}"
}

run_case() {
  fresh
  case $1 in
  setup) install setup "$bench_bin/QuillpadSetupBench300.exe" ;;
  setup-small) install setup-small "$bench_bin/QuillpadSetupBench100.exe" ;;
  miniunz) mkdir "$out" && run_windows miniunz "$miniunz" -x -o "$(win "$payload")" -d "$(win "$out")" ;;
  tree-copy) run_windows tree-copy "$bench_bin/tree_copy.exe" "$(win "$source_tree")" "$(win "$out")" ;;
  native-cp) run_native native-cp cp -r "$source_tree" "$out" ;;
  native-bsdtar) mkdir "$out" && run_native native-bsdtar bsdtar -xf "$payload" -C "$out" ;;
  native-unzip) run_native native-unzip unzip -q "$payload" -d "$out" ;;
  esac
}

cases=(setup miniunz tree-copy native-cp setup-small native-bsdtar native-unzip)
echo "Load before: $(uptime)"
for round in $(seq 1 "$rounds"); do
  for i in "${!cases[@]}"; do
    run_case "${cases[$(((i + round - 1) % ${#cases[@]}))]}"
  done
done
fresh
echo "Load after:  $(uptime)"

for name in QuillpadSetupBench300 QuillpadSetupBench100; do
  echo "size $name $(stat -c %s "$bench_bin/$name.exe")" >>"$results"
done
echo "size QuillpadSetup $(stat -c %s "$build/installer/QuillpadSetup.exe")" >>"$results"
echo "size program $(stat -c %s "$build/resources/program.zip")" >>"$results"
for size in 300 100; do
  echo "size payload-$size $(stat -c %s "$bench_bin/payload-$size.zip")" >>"$results"
done
files=$(find "$source_tree" -type f | wc -l)
bytes=$(find "$source_tree" -type f -printf '%s\n' | awk '{s += $1} END {print s}')
echo "Payload: $files files, $((bytes / 1000000)) MB, archive $(($(stat -c %s "$payload") / 1000000)) MB; $rounds rounds"
python3 "$root/bench/summarise-install-bench.py" "$results" "$bytes"
