#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# Shared by the end-to-end scripts of brisalto-calc; sourced once they have set calc.
failures=0

# fail MESSAGE...: one failed check.
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# check STATUS STDOUT STDERR ARGS...: brisalto-calc ARGS ends with that status and writes exactly
# that output and error; one row a case.
check() {
    local want_status="$1" want_out="$2" want_err="$3"
    shift 3
    local out err status err_file
    err_file="$(mktemp)"
    out="$("$calc" "$@" 2>"$err_file")"
    status=$?
    err="$(cat "$err_file")"
    rm -f "$err_file"
    if [[ "$status" != "$want_status" || "$out" != "$want_out" || "$err" != "$want_err" ]]; then
        fail "$* -> status $status, stdout [$out], stderr [$err];" \
            "wanted $want_status, [$want_out], [$want_err]"
    fi
}

# finish WHAT: the summary line, and status 1 when a check failed.
finish() {
    if ((failures > 0)); then
        echo "$failures check(s) of $1 failed"
        exit 1
    fi
    echo "all $1 passed"
}

# The window "calc" of the private tmux server $socket, blanks at line ends cut, with 200 lines
# of scroll-back.
screen() { tmux -L "$socket" capture-pane -p -J -S -200 -t calc 2>/dev/null | sed 's/ *$//'; }

# wait_for_screen REGEX: until a line of the screen matches (10 s at most).
wait_for_screen() {
    local i
    for ((i = 0; i < 200; i++)); do
        screen | grep -Eq -- "$1" && return 0
        sleep 0.05
    done
    fail "waited in vain for /$1/ on the terminal"
    screen | grep -v '^$' | tail -15
    return 1
}
