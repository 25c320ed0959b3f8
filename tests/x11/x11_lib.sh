# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# Sourced by the window tests here: an X display of their own (Xvfb) with openbox running, a
# scratch folder $work removed at the end, fail and wait_for. Skips (77) when a tool is missing.
# The tests look for the window's English texts: the developer's own language must not
# change them (a test of the translations sets its locale after sourcing this).
export LC_ALL=C.UTF-8
unset LANGUAGE LC_MESSAGES
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

is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
# A search that meets a window going away (the splash) fails; the next one does not.
main_shown() { timeout 5 xdotool search --onlyvisible --name '^Brisalto Calculator' | grep -q .; }

# start_app [NAME=VALUE...] APP: the program on this display with that environment; waits for its
# main window, activates it and leaves its id in main.
start_app() {
    env QT_QPA_PLATFORM=xcb "$@" >"$work/app.log" 2>&1 &
    pids+=($!)
    wait_for 30 main_shown || { echo "FAIL: the main window did not appear"; cat "$work/app.log"; exit 1; }
    main="$(timeout 5 xdotool search --onlyvisible --name '^Brisalto Calculator' | head -n1)"
    xdotool windowactivate "$main"
    wait_for 10 is_active "$main" || fail "the main window did not become active"
}

# The command line's text, through Ctrl+A and Ctrl+C once the main window is active again.
clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }
clipboard_changed() { [ "$(clipboard)" != "$sentinel" ]; }
sentinel="(nothing copied)"
command_line() {
    wait_for 10 is_active "$main" || echo "the main window is not active again"
    # xclip stays behind to serve the selection: it must not hold this function's output open.
    printf '%s' "$sentinel" | xclip -selection clipboard >/dev/null 2>&1
    xdotool key --clearmodifiers ctrl+a ctrl+c End
    wait_for 5 clipboard_changed
    clipboard
}
# expect_line TEXT WHAT: the command line holds TEXT.
expect_line() {
    local got
    got="$(command_line)"
    [[ "$got" == "$1" ]] || fail "$2: the command line is [$got], wanted [$1]"
}
# shoot NAME: a screenshot into the folder given as the script's second argument, if any.
shoot() { [[ -n "${shots:-}" ]] && mkdir -p "$shots" && timeout 20 import -window root "$shots/$1.png"; }
