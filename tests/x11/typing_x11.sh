#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# Help while typing in the real program on an X display of its own with openbox: the completion
# list takes a function with its brackets, a failed line comes back with Up marked, and F8 then
# Enter on an answer brings its value into the command line. Screenshots go to the folder given
# as the second argument, if any.
# Usage: typing_x11.sh PATH-TO-BRISALTO-CALCULATOR [SHOTS-FOLDER]
set -u
app="$1"
shots="${2:-}"
# A session bus of its own, so the accessibility bus is this test's alone.
if [[ -z "${TYPING_X11_SESSION:-}" ]] && command -v dbus-run-session >/dev/null; then
    TYPING_X11_SESSION=1 exec dbus-run-session -- bash "$0" "$@"
fi
# shellcheck source=x11_lib.sh
source "$(dirname "$0")/x11_lib.sh"

atspi=""
if [[ -n "${TYPING_X11_SESSION:-}" && -x /usr/libexec/at-spi-bus-launcher ]] &&
    /usr/bin/python3 -c "import pyatspi" 2>/dev/null; then
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
    pids+=($!)
    atspi=1
fi
start_app QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_CONFIG_HOME="$work/config" \
    XDG_STATE_HOME="$work/state" "$app"

# A screen reader finds the list, its names and the hint as the line's description.
if [[ -n "$atspi" ]]; then
    xdotool type --delay 20 "sin"
    /usr/bin/python3 "$(dirname "$0")/typing_atspi.py" 30 || fail "at-spi names"
    shoot hint
    xdotool key Escape ctrl+a BackSpace
else
    echo "at-spi check left out: no at-spi2-core or python3-pyatspi"
fi

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

# F8 moves into the results window, on the newest line to take; Enter brings it back.
xdotool key ctrl+a BackSpace
xdotool type --delay 20 "1/3"
xdotool key Return
xdotool type --delay 20 "2*"
xdotool key F8 Return
expect_line "2*0.333333333333333" "F8 and Enter on an answer"
shoot recalled

if ((failures > 0)); then
    echo "$failures case(s) failed"
    exit 1
fi
echo "all cases passed"
