#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# Runs one golden transcript through brisalto-calc and compares the output exactly.
# Usage: run_golden.sh PATH-TO-BRISALTO-CALC FILE
#
# A golden file is the results window's transcript, written short:
#   > LINE      LINE is typed; expected: the separator line, then "> LINE"
#   < LINE      LINE is typed and writes nothing (cls, an empty line)
#   -- TEXT     expected: the separator, TEXT, the separator (an answer, an assignment, ...)
#   --          expected: the separator alone
#   \TEXT       expected: TEXT exactly (\ alone is an empty line)
#   #! ARGS     options for brisalto-calc (first lines only), e.g. #! --precision 0
#   # ...       a comment; blank lines are ignored
#   any other   expected exactly as written (error lines, "Counter = " lines, listings)
# The banner is not part of the file. The program's standard-output text ("\n Function Error\n")
# comes before the lines of its command, so in a file it stands before that "> LINE".
set -u
calc="$1"
golden="$2"
name="$(basename "$golden")"
separator="$(printf -- '-%.0s' $(seq 91))"
banner_lines=3

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

inputs=()
args=()
# The file line each expected line comes from, to name the case of a difference.
origin=()
: >"$work/expected"

expect() {
    printf '%s\n' "$1" >>"$work/expected"
    origin+=("$2")
}

number=0
while IFS= read -r line || [[ -n "$line" ]]; do
    number=$((number + 1))
    case "$line" in
    '#!'*)
        read -r -a more <<<"${line#'#!'}"
        args+=("${more[@]}")
        ;;
    '#'* | '') ;;
    '> '*)
        inputs+=("${line#'> '}")
        expect "$separator" "$number"
        expect "$line" "$number"
        ;;
    '< '* | '<')
        inputs+=("${line#'<'}")
        inputs[-1]="${inputs[-1]# }"
        ;;
    '-- '*)
        expect "$separator" "$number"
        expect "${line#'-- '}" "$number"
        expect "$separator" "$number"
        ;;
    '--') expect "$separator" "$number" ;;
    '\'*) expect "${line#'\'}" "$number" ;;
    *) expect "$line" "$number" ;;
    esac
done <"$golden"

if ((${#inputs[@]} == 0)); then
    echo "FAIL: $name has no input lines"
    exit 1
fi

printf '%s\n' "${inputs[@]}" | LC_ALL=C "$calc" "${args[@]}" >"$work/output" 2>"$work/errors"
status=$?
tail -n +"$((banner_lines + 1))" "$work/output" >"$work/actual"

if cmp -s "$work/expected" "$work/actual"; then
    if [[ -s "$work/errors" ]]; then
        echo "FAIL: $name: standard error was not empty:"
        cat "$work/errors"
        exit 1
    fi
    exit 0
fi

# The first expected line that differs names the case.
first="$(cmp "$work/expected" "$work/actual" 2>/dev/null | sed -n 's/.* line \([0-9]*\).*/\1/p')"
if [[ -z "$first" ]]; then
    first="$(wc -l <"$work/expected")"
    first=$((first > ${#origin[@]} ? ${#origin[@]} : first + 1))
fi
index=$((first - 1))
((index >= ${#origin[@]})) && index=$((${#origin[@]} - 1))
at="${origin[$index]}"
case_line="$(head -n "$at" "$golden" | grep -n '^[<>]' | tail -n 1)"
echo "FAIL: $name, case at line ${case_line%%:*}: ${case_line#*:}"
echo "(brisalto-calc exit status $status; diff of expected and actual output, banner left out)"
diff -u --label expected --label actual "$work/expected" "$work/actual" | head -n 60
[[ -s "$work/errors" ]] && {
    echo "standard error:"
    cat "$work/errors"
}
exit 1
