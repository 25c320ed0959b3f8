#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# brisalto-calc -q end to end: each line's value on standard output, errors on standard error,
# and the exit status of a run (both modes), through arguments, standard input and a terminal.
# Usage: quiet_e2e.sh PATH-TO-BRISALTO-CALC
set -u
calc="$(realpath "$1")"
tmp="$(mktemp -d)"
socket="brisalto-quiet-$$"
trap 'tmux -L "$socket" kill-server 2>/dev/null; rm -rf "$tmp"' EXIT
export LC_ALL=C

# shellcheck source=tests/cli/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"

# run INPUT ARGS...: INPUT on standard input; sets out, err, status.
run() {
    local input="$1"
    shift
    out="$(printf '%s' "$input" | "$calc" "$@" 2>"$tmp/err")"
    status=$?
    err="$(cat "$tmp/err")"
}

# expect WHAT WANT-OUT WANT-ERR WANT-STATUS
expect() {
    [[ "$out" == "$2" && "$err" == "$3" && "$status" == "$4" ]] ||
        fail "$1 -> stdout [$out] stderr [$err] status $status; wanted [$2] [$3] $4"
}

# One command line: line | stdout | stderr (after "brisalto-calc: LINE: ") | status.
# Each runs as an argument and on standard input, with the same result.
single=(
    "2+3|5||0"
    "1/3|0.333333333333333||0"
    "1.5e-20|1.5E-20||0"
    "-2^2+3|7||0"
    "2^0.5|1.4142135623731||0"
    "123456789*1000|123456789000||0"
    "123456789012345.6|123456789012346||0"
    "-100000000000000.25|-100000000000000||0"
    "999999999999999.9|1E15||0"
    "1e300*1e300|1E600||0"
    "B=2*sin(30)+4!|25||0"
    "B==3|3||0"
    "5!|120||0"
    "P|3.14159265358979||0"
    "P=3|||0"
    "var|A = 0
B = 0
C = 0
D = 0
F = 0
G = 0
H = 0
I = 0
J = 0
K = 0
L = 0
M = 0
N = 0||0"
    "mod|Mode : Degrees : Automatic||0"
    "MOD|Mode : Degrees : Automatic||0"
    "rad|||0"
    "deg|||0"
    "grd|||0"
    "cyc|||0"
    "sci|||0"
    "fix|||0"
    "auto|||0"
    "clear|||0"
    "cls|||0"
    "about|||0"
    "help|||0"
    "print|||0"
    "save|||0"
    "exit|||0"
    "1/0||Divide By Zero|1"
    "0/0||Invalid floating point operation|1"
    "1e4000*1e4000||Floating point overflow|1"
    "sqrt(-1)||Function Rong|1"
    "x||Function Rong|1"
    "2*(3||Statment Error|1"
    "3!2||Statment Error|1"
    "O+1||Function Error or Unable to invoke calculations|1"
    "1.2.3||'1.2.3' is not a valid floating point value|1"
)
for row in "${single[@]}"; do
    IFS='|' read -r -d '' line want_out want_err want_status <<<"$row"
    want_status="${want_status%$'\n'}"
    [[ -n "$want_err" ]] && want_err="brisalto-calc: $line: $want_err"
    run "" -q -- "$line"
    expect "argument $line" "$want_out" "$want_err" "$want_status"
    run "$line"$'\n' --quiet
    expect "input $line" "$want_out" "$want_err" "$want_status"
done

# Sessions: state carried from line to line. input | stdout | stderr | status.
sessions=(
    $'2+3\nA*2\nvar|5\n10\nA = 10\nB = 0\nC = 0\nD = 0\nF = 0\nG = 0\nH = 0\nI = 0\nJ = 0\nK = 0\nL = 0\nM = 0\nN = 0||0'
    $'B=4\ncls\nB|4\n4||0'
    $'B=4\nclear\nB|4\n0||0'
    $'sci\n1/3\nfix\n1/3|0.333333333333333\n0.333333333333333||0'
    $'rad\nmod\nsci\nmod\ncyc\nfix\nmod|Mode : Radian : Automatic\nMode : Radian : Scientific\nMode : Cycle : Fixed||0'
    $'rad\nsin(P/2)|1||0'
    $'1/0\n2+3|5|brisalto-calc: 1/0: Divide By Zero|1'
    $'2+3\n1/0|5|brisalto-calc: 1/0: Divide By Zero|1'
    $'1/0\nexit\n7||brisalto-calc: 1/0: Divide By Zero|1'
    $'exit\n1/0|||0'
    $'2+3\r\n\r\n\n4\r\n|5\n4||0'
    $'P=3\nP+0|3.14159265358979||0'
    $'x\n2*(3\n1|1|brisalto-calc: x: Function Rong\nbrisalto-calc: 2*(3: Statment Error|1'
)
for row in "${sessions[@]}"; do
    IFS='|' read -r -d '' input want_out want_err want_status <<<"$row"
    want_status="${want_status%$'\n'}"
    run "$input" -q
    expect "session $(printf '%q' "$input")" "$want_out" "$want_err" "$want_status"
done

# Values before an error stay before it when both streams go to one file.
got="$(printf '1\n1/0\n2\n' | "$calc" -q 2>&1)"
[[ "$got" == $'1\nbrisalto-calc: 1/0: Divide By Zero\n2' ]] || fail "order of values and errors: [$got]"

# The transcript is unchanged by the status: the same lines, status 1 after an error.
for input in $'2+3\n' $'1/0\n' $'2*(3\n2+3\n' $'1\nexit\n'; do
    want_status=0
    [[ "$input" == *'/0'* || "$input" == *'(3'* ]] && want_status=1
    out="$(printf '%s' "$input" | "$calc" 2>"$tmp/err")"
    status=$?
    [[ $status == "$want_status" && ! -s "$tmp/err" ]] ||
        fail "transcript $(printf '%q' "$input") -> status $status; wanted $want_status"
    [[ "$out" == *"Brisalto Calculator v 1.0"* && "$out" == *"> "* ]] || fail "transcript lost its lines"
    mapfile -t args <<<"${input%$'\n'}"
    "$calc" -- "${args[@]}" >/dev/null 2>&1
    status=$?
    [[ $status == "$want_status" ]] || fail "transcript arguments ${args[*]} -> status $status"
done
# Bad options still end with status 2 before anything runs.
"$calc" -q --bogus 1 >/dev/null 2>&1
[[ $? == 2 ]] || fail "bad option with -q"
"$calc" --help | grep -q -- '--quiet' || fail "--help does not name --quiet"

# A value read back by awk is the transcript's scientific value, to 15 significant digits, for
# values over the whole range of magnitudes and signs.
lines="$tmp/lines"
awk 'BEGIN { srand(12); for (i = 0; i < 400; i++) {
    m = rand() * 10; e = int(rand() * 600) - 300; s = rand() < 0.5 ? "-" : "";
    printf "%s%.17ge%d/%.6g\n", s, m, e, 1 + rand() * 100 } }' >"$lines"
"$calc" -q <"$lines" >"$tmp/quiet" 2>&1
(echo sci && cat "$lines") | "$calc" --precision 20 | sed -n 's/^Answer(A) = //p' >"$tmp/sci"
[[ "$(wc -l <"$tmp/quiet")" == 400 && "$(wc -l <"$tmp/sci")" == 400 ]] ||
    fail "property: $(wc -l <"$tmp/quiet") quiet values, $(wc -l <"$tmp/sci") transcript values"
bad="$(paste -d' ' "$tmp/quiet" "$tmp/sci" | awk '{ q = $1 + 0; s = $2 + 0; d = q - s;
    if (d < 0) d = -d; if (s < 0) s = -s; if (d > s * 1e-14 || $1 !~ /^-?[0-9.]+(E[-+]?[0-9]+)?$/) print }')"
[[ -z "$bad" ]] || fail "property: quiet and transcript differ: $(head -3 <<<"$bad")"

# At a terminal: the prompt, values only, errors on standard error, status 0 after an error.
if command -v tmux >/dev/null; then
    mkdir -p "$tmp/home"
    tmux -L "$socket" -f /dev/null new-session -d -s calc -x 80 -y 30 -c "$tmp" \
        "env -i PATH=/usr/bin:/bin TERM=xterm HOME=$tmp/home XDG_STATE_HOME=$tmp/state \
         $calc -q 2>$tmp/terminal-err; echo \"EXITED \$?\"; sleep 60"
    wait_for_screen '^>$'
    tmux -L "$socket" send-keys -t calc '2+3' Enter
    wait_for_screen '^5$'
    tmux -L "$socket" send-keys -t calc '1/0' Enter 'var' Enter
    wait_for_screen '^N = 0$'
    tmux -L "$socket" send-keys -t calc C-d
    wait_for_screen '^EXITED'
    screen | grep -q '^EXITED 0$' || fail "terminal: status after an error: $(screen | grep EXITED)"
    screen | grep -Eq -- '---|Answer|Brisalto' && fail "terminal: more than values: $(screen)"
    [[ "$(cat "$tmp/terminal-err")" == "brisalto-calc: 1/0: Divide By Zero" ]] ||
        fail "terminal: standard error [$(cat "$tmp/terminal-err")]"
else
    fail "tmux is missing"
fi

finish "-q checks"
