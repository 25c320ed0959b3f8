#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# The reaction and solution dialogs read from outside over AT-SPI, on a display and a D-Bus
# session of their own: every button, field and table has a name a screen reader says.
# Usage: workbench_atspi.sh PATH-TO-BRISALTO-CALCULATOR
set -u
here="$(cd "$(dirname "$0")" && pwd)"
for tool in dbus-run-session /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is missing"; exit 77; }
if [[ -z "${WORKBENCH_ATSPI_SESSION:-}" ]]; then
    exec env WORKBENCH_ATSPI_SESSION=1 dbus-run-session -- bash "$0" "$@"
fi
app="$1"
# shellcheck source=x11_lib.sh
source "$here/x11_lib.sh"

start_app QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_CONFIG_HOME="$work/config" \
    XDG_STATE_HOME="$work/state" "$app"

shown() { timeout 5 xdotool search --onlyvisible --name "^$1\$" | grep .; }
for dialog in "F6 Reaction" "F7 Solution"; do
    read -r key title <<<"$dialog"
    xdotool key --clearmodifiers "$key"
    wait_for 10 shown "$title" || { fail "$key opened no $title dialog"; continue; }
    /usr/bin/python3 "$here/workbench_atspi.py" "$title" || fail "$title has unnamed controls"
    xdotool key Escape
    wait_for 10 is_active "$main" || fail "Esc left the $title dialog open"
done

if ((failures > 0)); then
    echo "$failures case(s) failed"
    exit 1
fi
echo "all cases passed"
