#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# Help while typing in the real program on an X display of its own with openbox: the completion
# list takes a function with its brackets, a failed line comes back with Up marked, and F6 then
# Enter on an answer brings its value into the command line. Screenshots go to the folder given
# as the second argument, if any.
# Usage: typing_x11.sh PATH-TO-BRISALTO-CALCULATOR [SHOTS-FOLDER]
set -u
app="$1"
shots="${2:-}"
# shellcheck source=x11_lib.sh
source "$(dirname "$0")/x11_lib.sh"

start_app XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" "$app"

# The list opens on xs; Tab takes the first name with its brackets, the caret between them.
xdotool type --delay 20 "xs"
shoot completion
xdotool key Down Down Down Down Up Tab
xdotool type --delay 20 "1"
expect_line "xsin(1)" "Tab takes the chosen name"
xdotool key Return

# Enter with the list open but nothing chosen runs the line as typed.
xdotool type --delay 20 "cl"
xdotool key Escape
xdotool type --delay 20 "s"
xdotool key Return
xdotool type --delay 20 "2*(3+"
xdotool key Return
xdotool key Up
expect_line "2*(3+" "Up brings the failed line back"
shoot error_place

# F6 moves into the results window, on the newest line to take; Enter brings it back.
xdotool key ctrl+a BackSpace
xdotool type --delay 20 "1/3"
xdotool key Return
xdotool type --delay 20 "2*"
xdotool key F6 Return
expect_line "2*0.333333333333333" "F6 and Enter on an answer"
shoot recalled

if ((failures > 0)); then
    echo "$failures case(s) failed"
    exit 1
fi
echo "all cases passed"
