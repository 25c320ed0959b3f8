#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# Checks that the Debian packages of the named groups are installed and, run as root, installs
# the missing ones. Groups: build (building and running both programs, the default), test (the
# tests, the package checks and the benchmarks), fuzz (the libFuzzer run), package (cpack's
# Debian package), screenshot (scripts/make-screenshot.sh). Does nothing, and needs no root,
# when everything is there.
#   scripts/setup-deps.sh [build] [test] [fuzz] [package] [screenshot]
set -euo pipefail

# One package a line, so that lists merge cleanly. Real package names only: dpkg never reports
# a virtual package (such as libqt6svg6-dev) as installed.
build_packages=(
  g++
  cmake
  make
  pkg-config
  libedit-dev
  libgmp-dev
  qt6-base-dev
  qt6-svg-dev
  qt6-qpa-plugins
  qt6-tools-dev
  qt6-l10n-tools
  qt6-translations-l10n
  fonts-liberation
  librsvg2-bin
)
test_packages=(
  libgtest-dev
  libgmock-dev
  xvfb
  xauth
  openbox
  xdotool
  xclip
  x11-utils
  imagemagick
  bc
  groff
  man-db
  desktop-file-utils
  appstream
  dpkg-dev
  file
  python3
  lintian
  tmux
  strace
  clang-format
  locales
  dbus
  at-spi2-core
  python3-pyatspi
  python3-gi
  gir1.2-atspi-2.0
)
fuzz_packages=(
  clang
  libclang-rt-14-dev
)
package_packages=(
  dpkg-dev
  file
)
screenshot_packages=(
  xvfb
  xauth
  x11-utils
  openbox
  xdotool
  imagemagick
)

groups=("$@")
[ ${#groups[@]} -eq 0 ] && groups=(build)
wanted=()
for group in "${groups[@]}"; do
  case "$group" in
    build) wanted+=("${build_packages[@]}") ;;
    test) wanted+=("${test_packages[@]}") ;;
    fuzz) wanted+=("${fuzz_packages[@]}") ;;
    package) wanted+=("${package_packages[@]}") ;;
    screenshot) wanted+=("${screenshot_packages[@]}") ;;
    *)
      echo "setup-deps.sh: unknown group '$group' (build, test, fuzz, package, screenshot)" >&2
      exit 2
      ;;
  esac
done

if ! command -v dpkg-query >/dev/null 2>&1; then
  echo "setup-deps.sh: not a Debian system; make sure these are installed: ${wanted[*]}" >&2
  exit 0
fi

missing=()
for p in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}; install them with: sudo apt-get install ${missing[*]}" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get -o DPkg::Lock::Timeout=600 update -qq
apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
