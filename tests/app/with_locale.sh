#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# Runs a command under a locale compiled into a folder of its own, so that a test does not need
# the locale installed: with_locale.sh LOCALE CHARMAP COMMAND... (LOCALE e.g. de_DE, CHARMAP UTF-8).
# Fails when the locale cannot be made (its source comes with the locales package).
set -euo pipefail
locale_name="$1"
charmap="$2"
shift 2
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
localedef -i "$locale_name" -f "$charmap" "$dir/$locale_name.$charmap" >/dev/null 2>&1 || true
if [[ ! -e "$dir/$locale_name.$charmap/LC_NUMERIC" ]]; then
  echo "locale $locale_name.$charmap cannot be made here (localedef, the locales package)"
  exit 1
fi
LOCPATH="$dir" LC_ALL="$locale_name.$charmap" "$@"
