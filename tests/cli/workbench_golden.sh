#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# Runs the golden files of the chemist's options through brisalto-calc. A file holds cases:
#   $ ARGS    the options, as shell words
#   ! TEXT    a line expected on standard error
#   ? N       the exit status expected (0 when absent)
#   # ...     a comment; blank lines are ignored
#   any other a line expected on standard output
# Usage: workbench_golden.sh PATH-TO-BRISALTO-CALC FILE...
set -u
calc="$1"
shift
failures=0
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

run_case() {
    [[ -z "$args" ]] && return
    local -a words
    eval "words=($args)"
    "$calc" "${words[@]}" >"$work/out" 2>"$work/err"
    local status=$?
    if [[ "$status" != "$want_status" ]] || ! diff -u "$work/want_out" "$work/out" >"$work/diff" ||
        ! diff -u "$work/want_err" "$work/err" >>"$work/diff"; then
        echo "FAIL: $file:$line_of_case: $args (status $status, wanted $want_status)"
        cat "$work/diff"
        failures=$((failures + 1))
    fi
}

for file in "$@"; do
    args=""
    number=0
    while IFS= read -r line || [[ -n "$line" ]]; do
        number=$((number + 1))
        case "$line" in
        '$ '*)
            run_case
            args="${line#'$ '}"
            line_of_case=$number
            want_status=0
            : >"$work/want_out"
            : >"$work/want_err"
            ;;
        '#'* | '') ;;
        '! '*) printf '%s\n' "${line#'! '}" >>"$work/want_err" ;;
        '? '*) want_status="${line#'? '}" ;;
        *) printf '%s\n' "$line" >>"$work/want_out" ;;
        esac
    done <"$file"
    run_case
done
if ((failures > 0)); then
    echo "$failures golden case(s) failed"
    exit 1
fi
echo "all golden cases passed"
