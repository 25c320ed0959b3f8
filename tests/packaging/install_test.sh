#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# cmake --install honours DESTDIR and --prefix, installs exactly the expected files, which name
# the manual where it went, and the uninstall target removes all of them again with the folders
# the install made, and no folder that was there before.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build="$1"
source "$(dirname "$0")/check_tree.sh"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
# A copy of the manifest the user may already have, restored afterwards.
manifest="$build/install_manifest.txt"
[ -f "$manifest" ] && cp "$manifest" "$scratch/manifest.saved"
restore() { [ -f "$scratch/manifest.saved" ] && cp "$scratch/manifest.saved" "$manifest" || rm -f "$manifest"; }
trap 'restore; rm -rf "$scratch"' EXIT

mkdir -p "$scratch/root/opt/brisalto/share/man/man1"  # there before: stays
DESTDIR="$scratch/root" cmake --install "$build" --prefix /opt/brisalto >/dev/null
if [ -n "$(ls -A "$scratch/root" | grep -v '^opt$')" ] || [ -n "$(ls -A "$scratch/root/opt" | grep -v '^brisalto$')" ]; then
  echo "files were installed outside DESTDIR/prefix:"
  find "$scratch/root" -maxdepth 2
  exit 1
fi
check_tree "$scratch/root/opt/brisalto"

check_prefix_paths "$scratch/root/opt/brisalto" /opt/brisalto

DESTDIR="$scratch/root" cmake --build "$build" --target uninstall >/dev/null
left="$(cd "$scratch/root" && find . -mindepth 1 | sort)"
if [ "$left" != $'./opt\n./opt/brisalto\n./opt/brisalto/share\n./opt/brisalto/share/man\n./opt/brisalto/share/man/man1' ]; then
  echo "uninstall left, or removed what was there before:" $left
  exit 1
fi
# An install into a fresh folder leaves nothing at all.
DESTDIR="$scratch/fresh" cmake --install "$build" --prefix /opt/brisalto >/dev/null
DESTDIR="$scratch/fresh" cmake --build "$build" --target uninstall >/dev/null
left="$(find "$scratch/fresh" -mindepth 1)"
[ -z "$left" ] || { echo "uninstall left:" $left; exit 1; }
echo "install and uninstall: ok"
