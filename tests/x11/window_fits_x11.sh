#!/bin/bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# The window fits test under openbox at scale factor 2 on the 1280x1024 screen: every text fits at
# every font size, and the main window with its frame stays on the screen. $1: the test program;
# $2, if given: a folder for screenshots.
shots="${2:-}"
source "$(dirname "$0")/x11_lib.sh"
env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 BRISALTO_SHOTS="$shots" XDG_STATE_HOME="$work/state" \
    "$1" EveryTextFits MainWindowFollowsFontAndScreen >"$work/fits.log" 2>&1 ||
    { grep -E "FAIL|Loc|needs" "$work/fits.log"; fail "window_fits_test under openbox"; }
grep -E "^Totals" "$work/fits.log"
exit $((failures > 0))
