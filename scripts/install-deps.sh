#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, and those named as
# arguments.
# Quick when everything is already there: it asks dpkg first and calls apt-get only for what is missing.
set -euo pipefail

PKGS=(
  g++ cmake ninja-build pkg-config ccache
  libboost-dev
  libwxgtk3.2-dev
  libgl-dev libglu1-mesa-dev libosmesa6-dev mesa-common-dev
  xvfb xauth x11-utils xdotool xclip imagemagick
  googletest libgtest-dev libgmock-dev libbenchmark-dev
)
# Packages a caller needs besides (scripts/fuzz.sh: clang and its libFuzzer runtime).
PKGS+=("$@")

missing=()
for p in "${PKGS[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
