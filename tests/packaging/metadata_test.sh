#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# The desktop entry and the AppStream metainfo pass their validators without a remark, and the
# manual pages format without a warning; both carry the name, comment and summary in every
# language the window speaks.
# Usage: metadata_test.sh SOURCE_DIR
set -euo pipefail
src="$1"
status=0
out="$(desktop-file-validate "$src/packaging/io.github.brisalto.calculator.desktop" 2>&1)" || status=1
if [ -n "$out" ]; then echo "desktop-file-validate: $out"; status=1; fi
out="$(appstreamcli validate --pedantic --no-net "$src/packaging/brisalto-calculator.metainfo.xml" 2>&1)" || status=1
if grep -q '^[EWIP]:' <<<"$out"; then echo "appstreamcli: $out"; status=1; fi
desktop="$src/packaging/io.github.brisalto.calculator.desktop"
metainfo="$src/packaging/brisalto-calculator.metainfo.xml"
for lang in de es fr; do
  for key in Name GenericName Comment Keywords; do
    english="$(grep -m1 "^$key=" "$desktop" | cut -d= -f2-)"
    translated="$(grep -m1 "^$key\[$lang\]=" "$desktop" | cut -d= -f2- || true)"
    if [ -z "$translated" ] || [ "$translated" = "$english" ]; then
      echo "desktop entry: no $key[$lang]"; status=1
    fi
  done
  for tag in name summary p; do
    if ! grep -q "<$tag xml:lang=\"$lang\">" "$metainfo"; then
      echo "metainfo: no <$tag xml:lang=\"$lang\">"; status=1
    fi
  done
done
# The screenshot's declared size is the picture's own.
declared="$(grep -o 'width="[0-9]*" height="[0-9]*"' "$src/packaging/brisalto-calculator.metainfo.xml" |
  tr -dc '0-9 ' | sed 's/ *$//;s/ \+/ x /')"
actual="$(file -b "$src/docs/screenshot.png" | grep -o '[0-9]* x [0-9]*')"
if [ "$declared" != "$actual" ]; then
  echo "metainfo declares the screenshot $declared, the picture is $actual"; status=1
fi
for page in "$src"/docs/man/*.1; do
  out="$(groff -man -ww -z "$page" 2>&1)"
  if [ -n "$out" ]; then echo "groff $(basename "$page"): $out"; status=1; fi
  rendered="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>"$page.err.tmp" || true)"
  warnings="$(cat "$page.err.tmp")"; rm -f "$page.err.tmp"
  if [ -n "$warnings" ]; then echo "man -l $(basename "$page"): $warnings"; status=1; fi
  if ! grep -q '^NAME' <<<"$rendered" || ! grep -q 'EXIT STATUS\|FILES' <<<"$rendered"; then
    echo "man -l $(basename "$page") renders no page"; status=1
  fi
done
[ "$status" -eq 0 ] && echo "metadata and manual pages: ok"
exit "$status"
