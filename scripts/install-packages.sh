#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Quiet and quick when
# everything is already there; run as root (or through sudo).
set -euo pipefail

packages=(
  g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev
  wine wine64 xvfb xauth x11-utils cmake make dpkg-dev
  nlohmann-json3-dev googletest fonts-dejavu-core fonts-liberation zip unzip python3 procps
  python3-pil osslsigncode openssl
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

# The picture libraries are cross-built from Debian source packages: apt needs a
# deb-src line for the same archive as the binary lines.
need_src=0
if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  need_src=1
fi

if [ ${#missing[@]} -eq 0 ] && [ $need_src -eq 0 ]; then
  exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

if [ $need_src -eq 1 ]; then
  echo "Adding deb-src entries for the Debian archive"
  src=$(grep -l '^Types: deb' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n 1 || true)
  if [ -n "$src" ]; then
    # The first stanza is the main archive; the security archive does not keep
    # every source it once announced, so it is left out.
    awk 'BEGIN{RS="";ORS="\n\n"} NR==1' "$src" | sed 's/^Types: deb$/Types: deb-src/' |
      $sudo tee /etc/apt/sources.list.d/quillpad-src.sources >/dev/null
  else
    grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | $sudo tee /etc/apt/sources.list.d/quillpad-src.list >/dev/null
  fi
fi

echo "Installing: ${missing[*]:-(source index only)}"
$sudo apt-get update -qq
if [ ${#missing[@]} -gt 0 ]; then
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi
