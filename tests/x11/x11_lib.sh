# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# Sourced by the window tests here: an X display of their own (Xvfb) with openbox running, a
# scratch folder $work removed at the end, fail and wait_for. Skips (77) when a tool is missing.
failures=0
work="$(mktemp -d)"
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# wait_for SECONDS COMMAND...: polls until the command succeeds.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        ((SECONDS >= deadline)) && return 1
        sleep 0.1
    done
}

for tool in Xvfb openbox xdotool xclip xprop; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done

# Xvfb picks a display number nobody uses and writes it once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
wait_for 30 grep -q '[0-9]' "$work/display" || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
wait_for 20 timeout 5 xprop -root || { echo "FAIL: the display does not answer"; exit 1; }

# openbox, started again should it fail to connect while several servers start at once.
wm_running() { timeout 5 xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; }
wm_running_or_gone() { wm_running || ! kill -0 "$wm_pid" 2>/dev/null; }
for attempt in 1 2 3; do
    openbox >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    wait_for 20 wm_running_or_gone
    wm_running && break
    kill "$wm_pid" 2>/dev/null
done
pids+=("$wm_pid")
wm_running || { echo "FAIL: openbox did not start"; cat "$work/openbox.log"; exit 1; }
