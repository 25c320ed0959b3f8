#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# The real program started under German and French locales on an X display of its own with
# openbox: the menu bar's accelerator of the language opens the File menu, and the results
# window's lines stay English. The command line is read back through the clipboard.
# Usage: language_x11.sh PATH-TO-BRISALTO-CALCULATOR [SCREENSHOT-DIR]
# With a SCREENSHOT-DIR, the screen is saved there in each language with the File menu open.
set -u
app="$1"
shots="${2:-}"
# shellcheck source=x11_lib.sh
source "$(dirname "$0")/x11_lib.sh"
# The language comes from LANG alone here.
unset LC_ALL LC_MESSAGES LANGUAGE

# The program's windows on screen: its main window, and a menu once one opens.
app_windows() { timeout 5 xdotool search --onlyvisible --pid "$1" 2>/dev/null | wc -l; }
more_windows() { (($(app_windows "$1") > $2)); }
fewer_windows() { (($(app_windows "$1") <= $2)); }

for case in "de_DE.UTF-8 d" "fr_FR.UTF-8 f"; do
    read -r locale key <<<"$case"
    start_app LANG="$locale" XDG_CONFIG_HOME="$work/config-$locale" \
        XDG_STATE_HOME="$work/state-$locale" "$app"
    pid="${pids[-1]}"
    xdotool type --delay 20 "sin(30)"
    expect_line "sin(30)" "$locale: typing"
    xdotool key --clearmodifiers Return
    before="$(app_windows "$pid")"
    xdotool key --clearmodifiers "alt+$key"
    if wait_for 10 more_windows "$pid" "$before"; then
        shoot "main-window-${locale%%.*}"
        xdotool key --clearmodifiers Escape
        wait_for 10 fewer_windows "$pid" "$before" || fail "$locale: the menu stayed open"
    else
        fail "$locale: Alt+$key opened no menu"
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null
    # The history of the run holds the English command line as typed.
    grep -rqx 'sin(30)' "$work/state-$locale" || fail "$locale: the history lacks the line"
done
exit $((failures > 0))
