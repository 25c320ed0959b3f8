#!/usr/bin/env bash
# Installs with apt-get whatever the build and the tests need and is not there yet.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  libgtest-dev libgmock-dev
  libedit-dev
  clang libclang-rt-14-dev
  qt6-base-dev qt6-svg-dev libqt6svg6-dev qt6-qpa-plugins
  fonts-liberation
  xvfb xauth openbox xdotool xclip x11-utils imagemagick
  bc
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
