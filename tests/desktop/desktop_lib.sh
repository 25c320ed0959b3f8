# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# Shared by the desktop tests: a private X server with openbox, the calculator started with a
# private home, and the window's frame read back from the X server. Source it; it cleans up
# on exit. Nothing here sleeps blindly: every wait polls for its condition with a time limit.

# The tests look for the window's English texts: the developer's own language must not
# change them (a test of the translations sets its locale after sourcing this).
export LC_ALL=C.UTF-8
unset LANGUAGE LC_MESSAGES
DESKTOP_TIMEOUT=${DESKTOP_TIMEOUT:-20}
DESKTOP_WORK=$(mktemp -d "${TMPDIR:-/tmp}/brisalto-desktop.XXXXXX")
XVFB_PID=""
WM_PID=""
APP_PID=""
MAIN_TITLE='^Brisalto Calculator v 1.0.0$'

desktop_cleanup() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
  [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$DESKTOP_WORK"
}
trap desktop_cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  if [ -n "${DESKTOP_SHOTS:-}" ] && [ -n "${DISPLAY:-}" ]; then
    import -window root "$DESKTOP_SHOTS/failure-$(date +%s).png" 2>/dev/null
  fi
  exit 1
}

# Polls a command until it succeeds or the time limit passes.
wait_for() {
  local what="$1"
  shift
  local deadline=$((SECONDS + DESKTOP_TIMEOUT))
  until "$@"; do
    [ $SECONDS -ge $deadline ] && fail "timed out waiting for $what"
    sleep 0.05
  done
}

wm_running() { timeout 5 xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# start_display [WIDTHxHEIGHT]: Xvfb on a free display number, openbox on it.
start_display() {
  local size="${1:-1280x1024}"
  local fd_file="$DESKTOP_WORK/display"
  : >"$fd_file"
  Xvfb -displayfd 9 -screen 0 "${size}x24" -nolisten tcp 9>"$fd_file" \
    >"$DESKTOP_WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  wait_for "the X server" test -s "$fd_file"
  export DISPLAY=":$(head -n1 "$fd_file")"
  wait_for "the X server to answer" timeout 5 xprop -root
  # openbox, started again should it give up connecting while the machine is busy.
  local attempt deadline
  for attempt in 1 2 3; do
    HOME="$DESKTOP_WORK" XDG_CONFIG_HOME="$DESKTOP_WORK/wm-config" openbox \
      >"$DESKTOP_WORK/openbox.log" 2>&1 &
    WM_PID=$!
    deadline=$((SECONDS + DESKTOP_TIMEOUT))
    until wm_running || ! kill -0 "$WM_PID" 2>/dev/null || [ $SECONDS -ge $deadline ]; do
      sleep 0.05
    done
    wm_running && return 0
    kill "$WM_PID" 2>/dev/null
    wait "$WM_PID" 2>/dev/null
  done
  cat "$DESKTOP_WORK/openbox.log" >&2
  fail "openbox did not start after $attempt tries"
}

# A fresh home and configuration folder for the next starts of the calculator.
new_home() {
  export HOME="$DESKTOP_WORK/home.$RANDOM"
  export XDG_CONFIG_HOME="$HOME/.config"
  export XDG_STATE_HOME="$HOME/.local/state"
  mkdir -p "$XDG_CONFIG_HOME"
  SETTINGS="$XDG_CONFIG_HOME/Brisalto/Calculator.ini"
}

find_main_window() {
  WID=$(xdotool search --onlyvisible --name "$MAIN_TITLE" 2>/dev/null | head -n1)
  [ -n "$WID" ]
}

# The window is mapped, framed by the window manager and has the keyboard focus.
window_ready() {
  find_main_window || return 1
  [ "$(xdotool getactivewindow 2>/dev/null)" = "$WID" ] || return 1
  frame_id >/dev/null
}

# start_app [ARGS...]: starts the calculator and waits until its window is ready.
start_app() {
  "$CALCULATOR" "$@" >"$DESKTOP_WORK/app.out" 2>"$DESKTOP_WORK/app.err" &
  APP_PID=$!
  wait_for "the main window" window_ready
}

app_ended() { ! kill -0 "$APP_PID" 2>/dev/null; }

# Ends the calculator with Ctrl+Q and waits until the process is gone.
quit_app() {
  xdotool windowactivate --sync "$WID" key --clearmodifiers ctrl+q
  wait_for "the calculator to end" app_ended
  wait "$APP_PID" 2>/dev/null
  APP_PID=""
}

# The window manager's frame around the client window: the child of the root that holds it.
frame_id() {
  local id="$WID" parent
  while :; do
    parent=$(xwininfo -id "$id" -children 2>/dev/null | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p')
    [ -n "$parent" ] || return 1
    if xwininfo -id "$parent" 2>/dev/null | grep -q '(the root window)'; then
      echo "$id"
      return 0
    fi
    id="$parent"
  done
}

# "X Y W H" of a window on the screen.
window_geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /^  Width/ {w=$2} /^  Height/ {h=$2} END {print x, y, w, h}'
}

frame_geometry() { window_geometry "$(frame_id)"; }

ini_value() { sed -n "s/^$1=//p" "$SETTINGS" | tr -d '\r'; }
