#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# Builds the Debian package of both programs (with the manual, manual pages, desktop entry,
# metainfo and icons) into dist/, from a Release build in build-package/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build-package}"
"$root/scripts/setup-deps.sh" build package
# Debian's hardening flags (fortify, stack protector, relro and bindnow), as a Debian build has them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
export CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
export LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBRISALTO_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$root/dist" >/dev/null
rm -rf "$root/dist/_CPack_Packages"
ls "$root"/dist/brisalto-calculator_*.deb
