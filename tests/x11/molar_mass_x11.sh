#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# The molar mass dialog in the real program on an X display of its own with openbox: Ctrl+M opens
# it centred, typing and Enter insert at the caret of the command line, Esc inserts nothing and
# the formula is kept. The command line is read back through the clipboard.
# Usage: molar_mass_x11.sh PATH-TO-BRISALTO-CALCULATOR [SCREENSHOT-DIR]
# With a SCREENSHOT-DIR, ImageMagick's import saves the screen there while the dialog is open.
set -u
app="$1"
shots="${2:-}"
# shellcheck source=x11_lib.sh
source "$(dirname "$0")/x11_lib.sh"

start_app XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" "$app"

dialog_shown() { timeout 5 xdotool search --onlyvisible --name '^Molar Mass$' | grep .; }
dialog_gone() { is_active "$main" && ! dialog_shown; }

# Waits for the dialog, shown and active; its window id in $dialog.
open_dialog() {
    xdotool key --clearmodifiers ctrl+m
    wait_for 10 dialog_shown || { fail "Ctrl+M opened no dialog ($1)"; return 1; }
    dialog="$(dialog_shown | head -n1)"
    wait_for 10 is_active "$dialog" || fail "the dialog did not become active ($1)"
}

xdotool type --delay 20 "2*"
open_dialog "first" || exit 1

# Centred on the screen: the client area, as the other dialogs place theirs, within the title
# bar's height.
geometry="$(xwininfo -id "$dialog")"
x="$(awk '/Absolute upper-left X/ {print $NF}' <<<"$geometry")"
y="$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$geometry")"
w="$(awk '/Width:/ {print $NF}' <<<"$geometry")"
h="$(awk '/Height:/ {print $NF}' <<<"$geometry")"
cx=$((x + w / 2))
cy=$((y + h / 2))
((cx >= 632 && cx <= 648 && cy >= 496 && cy <= 540)) ||
    fail "the dialog's centre is at $cx,$cy on a 1280x1024 screen"

# The middle dot as a keyboard with it types it.
xdotool type --delay 20 "CuSO4"
xdotool key --delay 250 periodcentered
xdotool type --delay 20 "5H2O"
shoot molar_mass_typed
xdotool key Return
wait_for 10 dialog_gone || fail "Enter left the dialog open"
expect_line "2*249.686" "Enter"

# The formula is kept and selected; a bad one shows its message; Esc inserts nothing.
open_dialog "second"
xdotool key End
xdotool type --delay 20 "+"
shoot molar_mass_error
xdotool key Escape
wait_for 10 dialog_gone || fail "Esc left the dialog open"
expect_line "2*249.686" "Esc"

open_dialog "third"
xdotool key End BackSpace Return
wait_for 10 dialog_gone || fail "Enter left the dialog open the third time"
expect_line "2*249.686249.686" "the kept formula"

if ((failures > 0)); then
    echo "$failures case(s) failed"
    exit 1
fi
echo "all cases passed"
