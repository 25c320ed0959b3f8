#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# The calculator's window under a real X server (Xvfb) and window manager (openbox), driven by
# xdotool and xclip as a user would drive it: the frame's place across restarts, pasting lines
# and a very long line, the font dialog's keys, the menu titles at every font size and at
# scale 2, the centred "nothing to save" message, and an end by SIGTERM with an unwritable
# settings file. Screenshots go to $DESKTOP_SHOTS.
# Usage: run_desktop_tests.sh CALCULATOR BRISALTO_CALC MAIN_FORM_TEST
set -uo pipefail
CALCULATOR="$1"
BRISALTO_CALC="$2"
MAIN_FORM_TEST="$3"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=desktop_lib.sh
source "$here/desktop_lib.sh"
export DESKTOP_SHOTS="${DESKTOP_SHOTS:-$PWD/desktop-shots}"
mkdir -p "$DESKTOP_SHOTS"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
SCREEN_W=1280
SCREEN_H=1024

shot() { import -window root "$DESKTOP_SHOTS/$1.png"; }

frame_is() { [ "$(frame_geometry | cut -d' ' -f1-2)" = "$1 $2" ]; }

expect_frame_at() {
  local deadline=$((SECONDS + DESKTOP_TIMEOUT))
  until frame_is "$1" "$2"; do
    [ $SECONDS -ge $deadline ] && fail "$3: frame at $(frame_geometry), expected $1 $2"
    sleep 0.05
  done
}

frame_on_screen() {
  local x y w h
  read -r x y w h < <(frame_geometry)
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le $SCREEN_W ] && [ $((y + h)) -le $SCREEN_H ]
}

clipboard() { xclip -selection clipboard -o 2>/dev/null; }

# Puts text on the clipboard (xclip serves it from the background until replaced).
set_clipboard() {
  printf '%s' "$1" >"$DESKTOP_WORK/clip"
  xclip -selection clipboard -i "$DESKTOP_WORK/clip"
  wait_for "the clipboard" cmp -s <(clipboard) "$DESKTOP_WORK/clip"
}

clipboard_changed() { [ "$(clipboard)" != "@@nothing@@" ]; }

# Clicks at a point of the main window's client area.
click_at() {
  xdotool mousemove --window "$WID" "$1" "$2" click 1
}

# Copies the whole results window or command line and prints it.
copy_all_of() {
  local x y
  case "$1" in
    results) x=200 y=100 ;;
    # Above the hint line (22), the pad (240) and within the command panel (41).
    command) x=100 y=$(( $(window_geometry "$WID" | cut -d' ' -f4) - 22 - 240 - 41 + 20 )) ;;
  esac
  set_clipboard "@@nothing@@"
  click_at "$x" "$y"
  xdotool key --clearmodifiers ctrl+a ctrl+c
  wait_for "the copy" clipboard_changed
  clipboard
}

echo "== the frame stays where it was, run after run, also after a move"
start_display "${SCREEN_W}x${SCREEN_H}"
new_home
start_app
expect_frame_at 0 0 "first run"
shot first-run
quit_app
[ "$(ini_value Left) $(ini_value Right)" = "0 0" ] || fail "first run saved $(ini_value Left) $(ini_value Right)"
for run in 2 3 4; do
  start_app
  expect_frame_at 0 0 "run $run"
  quit_app
done
start_app
xdotool windowmove --sync "$WID" 300 200
read -r fx fy _ < <(frame_geometry)
[ "$fx $fy" != "0 0" ] || fail "the window did not move"
quit_app
[ "$(ini_value Left) $(ini_value Right)" = "$fx $fy" ] || fail "moved to $fx $fy, saved $(ini_value Left) $(ini_value Right)"
for run in 1 2 3; do
  start_app
  expect_frame_at "$fx" "$fy" "run $run after the move"
  quit_app
done

echo "== a position off every screen opens the window wholly on the screen"
for place in "2147483647 2147483647" "-5000 300" "100 -20"; do
  read -r left top <<<"$place"
  printf '[View]\nLeft=%s\nRight=%s\n' "$left" "$top" >"$SETTINGS"
  start_app
  wait_for "the window wholly on the screen from $place (at $(frame_geometry))" frame_on_screen
  quit_app
done

echo "== pasted lines run one by one, the rest stays in the command line"
new_home
start_app
set_clipboard $'1+1\n2+2\r\nB=3*3\nB+1'
xdotool key --clearmodifiers ctrl+v
results=$(copy_all_of results)
expected=$(printf '1+1\n2+2\nB=3*3\n' | "$BRISALTO_CALC")
shot pasted-lines
[ "$results" = "$expected" ] || fail "pasted lines: results differ from brisalto-calc:
$(diff <(echo "$expected") <(echo "$results"))"
line=$(copy_all_of command)
[ "$line" = "B+1" ] || fail "the command line holds '$line', expected 'B+1'"
quit_app

echo "== a pasted line of 100,001 characters is evaluated whole"
new_home
start_app
long="1000000$(printf '+1%.0s' $(seq 49997))"
[ ${#long} -eq 100001 ] || fail "the long line has ${#long} characters"
set_clipboard "$long"
xdotool key --clearmodifiers ctrl+v Return
results=$(copy_all_of results)
expected=$("$BRISALTO_CALC" -e "$long" | grep '^Answer')
[ "$(grep '^Answer' <<<"$results")" = "$expected" ] || fail "long line: $(grep '^Answer' <<<"$results"), expected $expected"
quit_app

echo "== Esc cancels the font dialog, Enter confirms it"
font_dialog_open() { xdotool search --onlyvisible --name '^Font$' >/dev/null 2>&1; }
font_dialog_gone() { ! font_dialog_open; }
menu_open() { [ "$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | wc -l)" -gt 1 ]; }
open_font_dialog() {
  # File is the first title; Right three times reaches Format, whose first item is the font.
  click_at 12 8
  wait_for "the File menu" menu_open
  xdotool key Right Right Right
  shot format-menu
  xdotool key Return
  wait_for "the font dialog" font_dialog_open
}
new_home
start_app
open_font_dialog
shot font-dialog
xdotool key Down Escape
wait_for "Esc to close the font dialog" font_dialog_gone
open_font_dialog
xdotool key Down Return
wait_for "Enter to close the font dialog" font_dialog_gone
quit_app
chosen=$(ini_value ResultsFontName)
[ -n "$chosen" ] && [ "$chosen" != "Arial" ] || fail "Enter kept the font '$chosen'; Esc must change nothing and Enter must take the choice"
new_home
start_app
open_font_dialog
xdotool key Down Escape
wait_for "Esc to close the font dialog" font_dialog_gone
quit_app
[ "$(ini_value ResultsFontName)" = "Arial" ] || fail "Esc changed the font to $(ini_value ResultsFontName)"

echo "== \"Nothing in result to be saved\" is centred on the screen"
new_home
start_app
xdotool type --delay 20 cls
xdotool key Return ctrl+s
message_open() { MSG=$(xdotool search --onlyvisible --name '^Brisalto Calculator$' 2>/dev/null | head -n1); [ -n "$MSG" ]; }
wait_for "the message box" message_open
centred() {
  read -r x y w h < <(window_geometry "$MSG")
  local dx=$((x + w / 2 - SCREEN_W / 2)) dy=$((y + h / 2 - SCREEN_H / 2))
  [ ${dx#-} -le 30 ] && [ ${dy#-} -le 30 ]
}
wait_for "the message centred on the screen (at $(window_geometry "$MSG"))" centred
shot nothing-to-save
xdotool key Return
quit_app

echo "== every menu title is visible at 8 to 14 points and at scale 2"
for scale in 1 2; do
  QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$MAIN_FORM_TEST" EveryMenuTitleFits \
    >"$DESKTOP_WORK/menus.log" 2>&1 || fail "menu titles at scale $scale:
$(grep -E 'FAIL|Loc' "$DESKTOP_WORK/menus.log")"
done
new_home
QT_SCALE_FACTOR=2 start_app
shot scale-2
quit_app

echo "== SIGTERM with a settings file that cannot be replaced ends at once, error on stderr"
new_home
mkdir -p "$(dirname "$SETTINGS")"
mkfifo "$SETTINGS"
start_app
kill -TERM "$APP_PID"
wait_for "the calculator to end after SIGTERM" app_ended
wait "$APP_PID" 2>/dev/null
APP_PID=""
grep -q "Unable to write to $SETTINGS" "$DESKTOP_WORK/app.err" || fail "no write error on stderr: $(cat "$DESKTOP_WORK/app.err")"
grep -q "not a regular file" "$DESKTOP_WORK/app.err" || fail "the unread settings file was not reported: $(cat "$DESKTOP_WORK/app.err")"
[ -p "$SETTINGS" ] || fail "the FIFO was replaced"

echo "== all desktop tests passed; screenshots in $DESKTOP_SHOTS"
