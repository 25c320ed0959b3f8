#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# Runs a command under a locale compiled into a folder of its own, so that a test does not need
# the locale installed: with_locale.sh LOCALE CHARMAP COMMAND... (LOCALE e.g. de_DE, CHARMAP UTF-8).
# Exits 77 (skipped) when the locale's source is not on this system.
set -euo pipefail
locale_name="$1"
charmap="$2"
shift 2
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
localedef -i "$locale_name" -f "$charmap" "$dir/$locale_name.$charmap" >/dev/null 2>&1 || true
if [[ ! -e "$dir/$locale_name.$charmap/LC_NUMERIC" ]]; then
  echo "locale $locale_name.$charmap cannot be made here; skipped"
  exit 77
fi
LOCPATH="$dir" LC_ALL="$locale_name.$charmap" "$@"
