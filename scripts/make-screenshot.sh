#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# Makes docs/screenshot.png: the calculator on a display of its own (Xvfb with openbox), a few
# lines typed into it, the window captured with its frame. Run it again after the look changes.
#   scripts/make-screenshot.sh [OUTPUT.png]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
out="${1:-$root/docs/screenshot.png}"
"$root/scripts/setup-deps.sh" build screenshot
[ -f "$build/CMakeCache.txt" ] ||
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRISALTO_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target brisalto-calculator >/dev/null

work="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# Waits up to 20 s for a command to succeed.
wait_for() {
  local i
  for i in $(seq 200); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  echo "make-screenshot.sh: timed out waiting for: $*" >&2
  return 1
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
wait_for test -s "$work/display"
export DISPLAY=":$(cat "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
wait_for sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'

export XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" QT_QPA_PLATFORM=xcb
LC_ALL=C.UTF-8 "$build/bin/brisalto-calculator" >/dev/null 2>&1 &
pids+=($!)
wid="$(xdotool search --sync --onlyvisible --name '^Brisalto Calculator v 1\.0\.0$' | head -1)"
xdotool windowactivate --sync "$wid"
for line in 'M=2*1.00794+15.9994' '9/M' '0-log(2.5e-4)' 'B=2*sin(30)+4!'; do
  printf "%s" "$line" | xdotool type --delay 15 --window "$wid" --file -
  xdotool key --window "$wid" Return
done

# The window manager's frame, title bar included: the client's ancestor just below the root.
root_id="$(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')"
parent_of() { xwininfo -children -id "$1" | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p'; }
frame="$wid"
while parent="$(parent_of "$frame")" && [ -n "$parent" ] && [ "$parent" != "$root_id" ]; do
  frame="$parent"
done
# The picture is taken once two captures in a row agree: the window has finished drawing.
# Away from the screen's corner, so that the whole frame is on the screen.
xdotool windowmove --sync "$wid" 40 40 || true
geometry() {
  xwininfo -id "$frame" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {printf "%dx%d+%d+%d", w, h, x, y}'
}
capture() { import -window root -crop "$(geometry)" +repage "$1" 2>/dev/null; }
capture "$work/a.png"
for i in $(seq 50); do
  sleep 0.2
  capture "$work/b.png"
  if cmp -s <(convert "$work/a.png" rgb:-) <(convert "$work/b.png" rgb:-); then break; fi
  mv "$work/b.png" "$work/a.png"
done
convert "$work/a.png" -strip "$out"
echo "wrote $out ($(identify -format '%wx%h' "$out"))"
