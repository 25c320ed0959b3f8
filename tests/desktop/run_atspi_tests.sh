#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# The main window and every dialog read from outside through AT-SPI, as a screen reader reads
# them: on a private X server with openbox and a private D-Bus session, each window is opened
# by its shortcut or menu with xdotool and checked by atspi_check.py. Every problem of every
# window is listed before the test fails.
# Usage: run_atspi_tests.sh CALCULATOR [WINDOW...]; without windows, all of them.
set -uo pipefail
if [ -z "${BRISALTO_ATSPI_SESSION:-}" ]; then
  BRISALTO_ATSPI_SESSION=1 exec dbus-run-session -- bash "$0" "$@"
fi
CALCULATOR="$1"
shift
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=desktop_lib.sh
source "$here/desktop_lib.sh"
export DESKTOP_SHOTS="${DESKTOP_SHOTS:-$PWD/desktop-shots}"
mkdir -p "$DESKTOP_SHOTS"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_ACCESSIBILITY
export LC_ALL=C.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# The windows: title, then the keys that open it from the main window (a leading "menu"
# opens the File menu first, as a click on its title).
WINDOWS=(
  "Brisalto Calculator v 1.0.0|"
  "Atomic Weight|shift+F2"
  "Molar Mass|ctrl+m"
  "Unit Conversions|F5"
  "Reaction|F6"
  "Solution|F7"
  "Brisalto Calculator Help|F1"
  "Background Colors|menu Right Right Right Down Down Return"
  "Precision|menu Right Right Right Down Down Down Down Down Down Return"
  "About|menu Right Right Right Right Right Right Right Right Down Return"
)

wanted() {
  [ $# -eq 0 ] && return 0
  local title="$1"
  shift
  for w in "${SELECTED[@]}"; do [ "$w" = "$title" ] && return 0; done
  return 1
}
SELECTED=("$@")

window_open() { xdotool search --all --onlyvisible --pid "$APP_PID" --name "^$1\$" >/dev/null 2>&1; }
window_closed() { ! window_open "$1"; }
menu_open() { [ "$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | wc -l)" -gt 1 ]; }

start_display
new_home
start_app
failed=()
for entry in "${WINDOWS[@]}"; do
  title="${entry%%|*}"
  keys="${entry#*|}"
  [ ${#SELECTED[@]} -eq 0 ] || wanted "$title" "${SELECTED[@]}" || continue
  echo "== $title"
  if [ -n "$keys" ]; then
    xdotool windowactivate --sync "$WID"
    if [ "${keys%% *}" = "menu" ]; then
      xdotool mousemove --window "$WID" 12 8 click 1
      wait_for "the File menu" menu_open
      keys="${keys#menu }"
    fi
    # shellcheck disable=SC2086
    xdotool key --delay 30 $keys
    wait_for "the window '$title'" window_open "$title"
  fi
  /usr/bin/python3 "$here/atspi_check.py" "$APP_PID" "$title" "$DESKTOP_TIMEOUT" || failed+=("$title")
  shot_name=$(tr -c 'A-Za-z0-9\n' '-' <<<"$title")
  import -window root "$DESKTOP_SHOTS/atspi-$shot_name.png" 2>/dev/null
  if [ -n "$keys" ]; then
    # Alt+F4, openbox's close: the Precision dialog keeps Esc for its field.
    dialog=$(xdotool search --all --onlyvisible --pid "$APP_PID" --name "^$title\$" | head -n1)
    xdotool windowactivate --sync "$dialog" key alt+F4
    wait_for "the window '$title' to close" window_closed "$title"
  fi
done
quit_app
if [ ${#failed[@]} -gt 0 ]; then
  fail "windows a screen reader cannot use: $(printf "'%s' " "${failed[@]}")"
fi
echo "== every window read through AT-SPI is named and placed as a listener needs"
