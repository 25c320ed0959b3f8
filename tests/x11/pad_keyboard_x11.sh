#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# The mouse pad from the keyboard in the real program on an X display of its own with openbox:
# Tab from the command line reaches Go, the results window and then the pad; the arrow keys
# move between keys, Space and Enter press them without running the line, and Tab leaves the
# pad for the command line again. The command line is read back through the clipboard.
# Usage: pad_keyboard_x11.sh PATH-TO-BRISALTO-CALCULATOR [SCREENSHOT-DIR]
# With a SCREENSHOT-DIR, ImageMagick's import saves the screen there with a pad key focused.
set -u
app="$1"
shots="${2:-}"
# shellcheck source=x11_lib.sh
source "$(dirname "$0")/x11_lib.sh"

start_app XDG_CONFIG_HOME="$work/config" QT_ACCESSIBILITY=1 "$app"

# The pad is shown on a first run. Tab: Go, results window, the pad's first key.
xdotool key --delay 100 Tab Tab Tab
# Down to "7", right to "8": pressed with Space; right to "9": pressed with Enter.
xdotool key --delay 100 Down Right
shoot pad_key_focused
xdotool key --delay 100 space Right Return
# Tab leaves the pad for the command line, where the two keys' digits stand.
xdotool key --delay 100 Tab
line="$(command_line)"
[[ "$line" == "89" ]] || fail "the pad's keys from the keyboard gave [$line], wanted [89]"

# Enter on a key did not run the line: Go runs it now, and the answer is in the results.
xdotool key --delay 100 Return
printf '%s' "$sentinel" | xclip -selection clipboard >/dev/null 2>&1
xdotool key --delay 100 shift+Tab shift+Tab ctrl+a ctrl+c
wait_for 5 clipboard_changed
results="$(clipboard)"
[[ "$(grep -c '^> 89$' <<<"$results")" == 1 ]] || fail "the line ran $(grep -c '^> 89$' <<<"$results") times, wanted once"

if ((failures > 0)); then
    echo "$failures case(s) failed"
    exit 1
fi
echo "all cases passed"
