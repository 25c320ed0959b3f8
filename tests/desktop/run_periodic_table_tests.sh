#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# The periodic table on a real X server with openbox: its texts at every font size, its
# information lines' pixels in light and dark, its keys and its place on the screen, at scale
# factors 1 and 2 (the screenshots go to $DESKTOP_SHOTS). desktop_atspi reads it through AT-SPI.
# Usage: run_periodic_table_tests.sh MOL_WT_FORM_TEST
set -uo pipefail
MOL_WT_FORM_TEST="$1"
here="$(cd "$(dirname "$0")" && pwd)"
(
  # shellcheck source=desktop_lib.sh
  source "$here/desktop_lib.sh"
  export DESKTOP_SHOTS="${DESKTOP_SHOTS:-$PWD/desktop-shots}"
  mkdir -p "$DESKTOP_SHOTS"
  start_display
  # At scale 2 the table is larger than the screen: it scrolls, and every element comes into view.
  for run in "1 ButtonsSitInsideWindowWithoutOverlap" "2 EveryElementComesIntoViewOnTheScreen"; do
    read -r scale own <<<"$run"
    mkdir -p "$DESKTOP_SHOTS/scale-$scale"
    echo "== the periodic table under X at scale $scale"
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale MOL_WT_SHOTS="$DESKTOP_SHOTS/scale-$scale" \
      "$MOL_WT_FORM_TEST" EveryTextFitsAtEveryFontSize InformationLinesReadInEveryPalette \
      KeysMoveOnTheGridAndEnterInserts "$own" >"$DESKTOP_WORK/table.log" 2>&1 ||
      fail "the periodic table at scale $scale:
$(grep -E 'FAIL|Loc|Actual|Expected' "$DESKTOP_WORK/table.log")"
  done
) || exit 1
