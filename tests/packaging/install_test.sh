#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# cmake --install honours DESTDIR and --prefix, installs exactly the expected files, and the
# uninstall target removes all of them again.
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

DESTDIR="$scratch/root" cmake --install "$build" --prefix /opt/brisalto >/dev/null
if [ -n "$(ls -A "$scratch/root" | grep -v '^opt$')" ] || [ -n "$(ls -A "$scratch/root/opt" | grep -v '^brisalto$')" ]; then
  echo "files were installed outside DESTDIR/prefix:"
  find "$scratch/root" -maxdepth 2
  exit 1
fi
check_tree "$scratch/root/opt/brisalto"

DESTDIR="$scratch/root" cmake --build "$build" --target uninstall >/dev/null
left="$(find "$scratch/root" -type f)"
if [ -n "$left" ]; then
  echo "uninstall left: $left"
  exit 1
fi
echo "install and uninstall: ok"
