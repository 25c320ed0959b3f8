#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# brisalto-calc for scripts: command lines as arguments, option checks, and every failed read or
# write of the standard streams reported on standard error with status 1.
# Usage: arguments_e2e.sh PATH-TO-BRISALTO-CALC
set -u
calc="$1"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
export LC_ALL=C

# shellcheck source=tests/cli/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"

# Arguments are command lines, in order with -e; the transcript is the one of the same lines on
# standard input.
same_as_stdin() {
    local lines="$1"
    shift
    local want got
    want="$(printf '%s' "$lines" | "$calc")"
    got="$("$calc" "$@")"
    [[ "$want" == "$got" ]] || fail "arguments $* differ from standard input"
}
same_as_stdin $'2+3\nB=4!\n' '2+3' 'B=4!'
same_as_stdin $'1\n2\n3\n' -e 1 2 -e 3
same_as_stdin $'-2+3\n--\n-e\n' -- -2+3 -- -e
[[ "$(printf 'rad\nxtan(1)\n' | "$calc" --precision 4)" == "$("$calc" --precision 4 rad 'xtan(1)')" ]] ||
    fail "--precision with arguments"
same_as_stdin $'1\n' 1 </dev/null
# Arguments take the place of standard input, which is not read.
[[ "$(echo 7 | "$calc" 5 | grep -c '^> ')" == 1 ]] || fail "standard input read beside arguments"

# -f FILE: its lines in order with the others, "-" for standard input; a file that cannot be
# read stops the run before any line, with status 1.
printf '3*3\nB=2\n' >"$tmp/lines"
[[ "$(echo 'B*5' | "$calc" -q -e 1+1 -f "$tmp/lines" -f - 4+4)" == $'2\n9\n2\n10\n8' ]] ||
    fail "-f in order with -e, arguments and -f -"
same_as_stdin $'3*3\nB=2\n7\n' -f"$tmp/lines" 7
for bad in "$tmp/none" "$tmp"; do
    out="$("$calc" -q 1+1 -f "$bad" 2>"$tmp/err")"
    status=$?
    [[ $status == 1 && -z "$out" && "$(cat "$tmp/err")" == "brisalto-calc: $bad: "* ]] ||
        fail "-f $bad -> status $status, stdout [$out], stderr [$(cat "$tmp/err")]"
done

# --plain is read by bc as the value -q gives awk.
lines=(1.5e-20 '2^60' 0-1e-5 1/3 6.02214e23 '-2^200' 0.1)
via_bc="$("$calc" --plain -- "${lines[@]}" | BC_LINE_LENGTH=0 bc -l | awk '{ printf "%.14e\n", $1 }')"
via_awk="$("$calc" -q -- "${lines[@]}" | awk '{ printf "%.14e\n", $1 }')"
[[ "$via_bc" == "$via_awk" && "$(wc -l <<<"$via_bc")" == 7 &&
    "$("$calc" --plain -- "${lines[@]}")" != *[eE]* ]] ||
    fail "--plain through bc: [$via_bc], -q through awk: [$via_awk]"

# Requests of several kinds: the tools' run in order, never beside command lines.
[[ "$("$calc" --list-units Area Mass | grep -c '^[A-Z]')" == 2 ]] || fail "--list-units Area Mass"
[[ "$("$calc" --convert 1 km m --molar-mass H2O --convert 2 km m)" == $'1000\n18.01528\n2000' ]] ||
    fail "tools in order"

# Refused options: status 2, nothing on standard output, the message on standard error.
# refused MESSAGE ARGS...
refused() {
    local want="$1"
    shift
    local out status err
    out="$("$calc" "$@" 2>"$tmp/err")"
    status=$?
    err="$(head -1 "$tmp/err")"
    [[ $status == 2 && -z "$out" && "$err" == "brisalto-calc: $want" ]] ||
        fail "$* -> status $status, stdout [$out], stderr [$err]; wanted 2, [brisalto-calc: $want]"
}
refused "unknown option '-2+3'; write -- before a line that starts with -" -2+3
refused "unknown option '--bogus'" --bogus 1
refused "'1+1' is a command line, which cannot go with '--convert'; give them in separate calls" \
    -q 1+1 --convert 1 km m
refused "option '--convert' needs VALUE FROM TO" --convert 1 atm
for p in -1 21 25 100 2147483648 1.5 x ""; do
    refused "invalid precision '$p': give a whole number 0 to 20" --precision "$p" 1
done
refused "invalid precision '21': give a whole number 0 to 20" --precision=21 1
for v in abc "" "1,5" nan e 12x "1 2" inf; do
    refused "not a number: $v" --convert "$v" Meters Feet
done
# Every precision in range is taken: the fixed form shows that many decimals.
for p in $(seq 0 20); do
    got="$("$calc" --precision "$p" fix 1 | grep Answer)"
    want="Answer(A) = 1"
    ((p > 0)) && want+=".$(printf '0%.0s' $(seq "$p"))"
    [[ "$got" == "$want" ]] || fail "precision $p: [$got]"
done

# Output that cannot be written: status 1 and one line on standard error, whatever the output.
# unwritable TARGET ARGS...: TARGET full (/dev/full) or closed.
unwritable() {
    local target="$1" status err want
    shift
    if [[ $target == full ]]; then
        "$calc" "$@" >/dev/full 2>"$tmp/err" </dev/null
        status=$?
        want="brisalto-calc: write error: No space left on device"
    else
        "$calc" "$@" >&- 2>"$tmp/err" </dev/null
        status=$?
        want="brisalto-calc: write error: Bad file descriptor"
    fi
    err="$(cat "$tmp/err")"
    [[ $status == 1 && "$err" == "$want" ]] ||
        fail "$* >$target -> status $status, stderr [$err]; wanted 1, [$want]"
}
for target in full closed; do
    unwritable "$target" -e 2+3
    unwritable "$target" 2+3
    unwritable "$target"
    unwritable "$target" -e exit
    unwritable "$target" --help
    unwritable "$target" --version
    unwritable "$target" --list-units
    unwritable "$target" --list-units Energy
    unwritable "$target" --convert 1 Kilometers Miles
done
# A long run stops at the first failed write instead of computing on.
seq 1 200000 | "$calc" >/dev/full 2>"$tmp/err"
status=$?
[[ $status == 1 && "$(wc -l <"$tmp/err")" == 1 ]] || fail "long run into a full device: $status"
# The same run into a working pipe succeeds.
[[ "$(seq 1 2000 | "$calc" | grep -c Answer)" == 2000 ]] || fail "long run into a pipe"

# Standard input that cannot be read.
out="$("$calc" </ 2>"$tmp/err")"
status=$?
[[ $status == 1 && -z "$out" && "$(cat "$tmp/err")" == "brisalto-calc: standard input: Is a directory" ]] ||
    fail "directory as standard input -> status $status, stdout [$out], stderr [$(cat "$tmp/err")]"
# With lines as arguments standard input is not read, so it does not matter what it is.
"$calc" 1 </ >/dev/null 2>&1 || fail "arguments with a directory as standard input"
# A closed standard input cannot be read.
out="$("$calc" <&- 2>"$tmp/err")"
status=$?
[[ $status == 1 && "$(cat "$tmp/err")" == "brisalto-calc: standard input: Bad file descriptor" ]] ||
    fail "closed standard input -> status $status, stderr [$(cat "$tmp/err")]"

finish "argument checks"
