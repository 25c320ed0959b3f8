#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# The reaction and solution dialogs in the real program on an X display of its own with openbox:
# F6 opens the reaction dialog, a reaction and two amounts typed, a mass chosen in the table and
# Enter put it at the caret; F7 and a solution's mass the same way; Esc inserts nothing.
# Usage: workbench_x11.sh PATH-TO-BRISALTO-CALCULATOR [SCREENSHOT-DIR]
set -u
app="$1"
shots="${2:-}"
# shellcheck source=x11_lib.sh
source "$(dirname "$0")/x11_lib.sh"

start_app XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" "$app"

shown() { timeout 5 xdotool search --onlyvisible --name "^$1\$" | grep .; }
gone() { is_active "$main" && ! shown "$1"; }

# open_dialog KEY TITLE: waits for the dialog, shown and active.
open_dialog() {
    xdotool key --clearmodifiers "$1"
    wait_for 10 shown "$2" || { fail "$1 opened no dialog"; return 1; }
    dialog="$(shown "$2" | head -n1)"
    wait_for 10 is_active "$dialog" || fail "the $2 dialog did not become active"
}

xdotool type --delay 20 "2*"
open_dialog F6 Reaction || exit 1
xdotool type --delay 20 "C8H18 + O2 = CO2 + H2O"
xdotool key Tab
xdotool type --delay 20 "C8H18=10 g; O2=30 g"
xdotool key Tab
xdotool type --delay 20 "H2O=10 g"
# Into the table, at its current cell (the first row's grams), then down to the water's.
xdotool key Tab Down Down Down
shoot reaction_dialog
xdotool key Return
wait_for 10 gone Reaction || fail "Enter left the reaction dialog open"
expect_line "2*12.1607700288761" "the water's grams"

open_dialog F7 Solution || exit 1
xdotool type --delay 20 "NaCl"
xdotool key Tab
xdotool type --delay 20 "0.15 M"
xdotool key Tab Tab
xdotool type --delay 20 "500 mL"
shoot solution_dialog
xdotool key Escape
wait_for 10 gone Solution || fail "Esc left the solution dialog open"
expect_line "2*12.1607700288761" "Esc"

open_dialog F7 Solution || exit 1
xdotool key Return
wait_for 10 gone Solution || fail "Enter left the solution dialog open"
expect_line "2*12.16077002887614.3831851" "the kept solution's mass"

if ((failures > 0)); then
    echo "$failures case(s) failed"
    exit 1
fi
echo "all cases passed"
