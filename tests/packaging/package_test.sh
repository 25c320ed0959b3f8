#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# The Debian package: built by cpack from this build (or the one in $BRISALTO_DEB), unpacked into
# a scratch root with dpkg -x; the files, the computed dependencies, the stripped programs, the
# desktop entry and metainfo as installed, and lintian without errors.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build="$1"
source "$(dirname "$0")/check_tree.sh"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

deb="${BRISALTO_DEB:-}"
if [ -z "$deb" ]; then
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/dist" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; exit 1; }
  deb="$(ls "$scratch"/dist/brisalto-calculator_*.deb)"
fi
echo "package: $(basename "$deb")"

dpkg -x "$deb" "$scratch/root"
check_tree "$scratch/root/usr"

depends="$(dpkg-deb -f "$deb" Depends)"
for lib in libc6 libstdc++6 libqt6widgets6 libqt6svg6 libedit2 libgmp10 qt6-qpa-plugins; do
  if ! grep -q "\b$lib\b" <<<"$depends"; then
    echo "Depends lacks $lib: $depends"
    exit 1
  fi
done
for program in brisalto-calc brisalto-calculator; do
  if ! file "$scratch/root/usr/bin/$program" | grep -q ", stripped"; then
    echo "$program is not stripped"
    exit 1
  fi
done

desktop-file-validate "$scratch/root/usr/share/applications/io.github.brisalto.calculator.desktop"
appstreamcli validate --pedantic --no-net \
  "$scratch/root/usr/share/metainfo/io.github.brisalto.calculator.metainfo.xml" >/dev/null

lintian --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1 || true
cat "$scratch/lintian.log"
if grep -q '^E:' "$scratch/lintian.log"; then
  echo "lintian reports errors"
  exit 1
fi
echo "package: ok"
