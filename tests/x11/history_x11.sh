#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# The command history in the real program on an X display of its own with openbox: Up and Down
# (also on the keypad) recall the lines of a history file left by an earlier run, the line being
# typed comes back, and a line run is added to the file. The command line is read back through
# the clipboard.
# Usage: history_x11.sh PATH-TO-BRISALTO-CALCULATOR
set -u
app="$1"
# shellcheck source=x11_lib.sh
source "$(dirname "$0")/x11_lib.sh"

mkdir -p "$work/state/brisalto"
printf '1+1\nB=7*6\n' >"$work/state/brisalto/history"
start_app XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" "$app"

xdotool type --delay 20 "7*("
xdotool key Up
expect_line "B=7*6" "Up"
xdotool key KP_Up
expect_line "1+1" "Up on the keypad"
xdotool key Up
expect_line "1+1" "Up past the oldest"
xdotool key Down Down
expect_line "7*(" "Down back to the line being typed"

# An edited recalled line runs as edited and is added to the file.
xdotool key Up BackSpace
xdotool type --delay 20 "5"
xdotool key Return
history_has() { grep -qx "$1" "$work/state/brisalto/history"; }
wait_for 10 history_has 'B=7\*5' || fail "the line run is not in the history file"
xdotool key Up
expect_line "B=7*5" "Up after Enter"
[[ "$(cat "$work/state/brisalto/history")" == $'1+1\nB=7*6\nB=7*5' ]] ||
    fail "history file: $(cat "$work/state/brisalto/history")"
grep -q "history" "$work/app.log" && fail "a history problem was reported: $(cat "$work/app.log")"

if ((failures > 0)); then
    echo "$failures case(s) failed"
    exit 1
fi
echo "all cases passed"
