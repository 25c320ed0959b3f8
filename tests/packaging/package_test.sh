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

check_prefix_paths "$scratch/root/usr" /usr

# Depends holds the package of every library the programs link, and what they open themselves
# (libedit at a terminal, GMP for balancing reactions, the platform plugins); Wayland is recommended.
depends="$(dpkg-deb -f "$deb" Depends)"
# The owner of a library by the path ldd gives or, on a merged /usr, the path it stands for.
owner() { { dpkg -S "$1" 2>/dev/null || dpkg -S "$(realpath "$1")" 2>/dev/null; } | cut -d: -f1 | head -1; }
# The libraries each program names itself (NEEDED), found where ldd finds them.
linked="$(for program in brisalto-calc brisalto-calculator; do
  binary="$scratch/root/usr/bin/$program"
  ldd "$binary" | awk -v needed="$(objdump -p "$binary" | awk '/NEEDED/ { print $2 }')" '
    BEGIN { split(needed, names, "\n"); for (i in names) want[names[i]] = 1 }
    $1 in want && $3 ~ /^\// { print $3 }'
done | sort -u | while read -r lib; do owner "$lib"; done | sort -u)"
[ -n "$linked" ] || { echo "no library package found for the programs"; exit 1; }
for lib in $linked libedit2 libgmp10 qt6-qpa-plugins; do
  if ! grep -q "\b$lib\b" <<<"$depends"; then
    echo "Depends lacks $lib: $depends"
    exit 1
  fi
done
recommends="$(dpkg-deb -f "$deb" Recommends)"
grep -q '\bqt6-wayland\b' <<<"$recommends" || { echo "Recommends lacks qt6-wayland: $recommends"; exit 1; }
for program in brisalto-calc brisalto-calculator; do
  if ! file "$scratch/root/usr/bin/$program" | grep -q ", stripped"; then
    echo "$program is not stripped"
    exit 1
  fi
done

desktop-file-validate "$scratch/root/usr/share/applications/io.github.brisalto.calculator.desktop"
appstreamcli validate --pedantic --no-net \
  "$scratch/root/usr/share/metainfo/io.github.brisalto.calculator.metainfo.xml" >/dev/null

lintian -EvIL +pedantic --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1 || true
cat "$scratch/lintian.log"
# Errors, and the remarks that were mended, stay away.
if grep -E '^E:|binary-has-unneeded-section|no-doc-base-registration|spelling-error-in-binary' \
  "$scratch/lintian.log"; then
  echo "lintian reports the above"
  exit 1
fi
echo "package: ok"
