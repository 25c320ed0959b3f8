#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# brisalto-calc end to end: the terminal calculator's contract on pipes and options.
set -u
calc="$1"
sep=$(printf -- '-%.0s' $(seq 91))
failures=0

banner="$sep
Brisalto Calculator v 1.0
$sep"

# check NAME EXPECTED ACTUAL
check() {
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1"
    diff <(printf '%s\n' "$2") <(printf '%s\n' "$3") | head -20
    failures=$((failures + 1))
  fi
}

export LC_ALL=C

# Pipe: banner, one block a command, CR dropped, empty line ignored.
out=$(printf '2+3\r\n\nB=2\nDEG\n1/0\nmod\n' | "$calc")
check "pipe session" "$banner
$sep
> 2+3
$sep
Answer(A) = 5.0000000000   (5.0000000000000000E+00)
$sep
$sep
> B=2
$sep
B = 2.0000000000   (2.0000000000000000E+00)
$sep
$sep
> DEG
$sep
Degrees mode
$sep
$sep
> 1/0
Divide By Zero
$sep
> mod
$sep
Mode : Degrees : Automatic
$sep" "$out"

# -e lines instead of standard input, --precision.
out=$(echo "9*9" | "$calc" --precision 2 -e fix -e 1/3)
check "-e and --precision" "$banner
$sep
> fix
$sep
Fixed format       0.00000000000
$sep
$sep
> 1/3
$sep
Answer(A) = 0.33
$sep" "$out"

out=$("$calc" --precision 20 -e fix -e 1)
check "precision 20" "Answer(A) = 1.00000000000000000000" "$(echo "$out" | grep Answer)"

# cls writes nothing and clears; the next command is written as usual.
out=$("$calc" -e 1+1 -e cls -e sci -e 2)
check "cls" "$banner
$sep
> 1+1
$sep
Answer(A) = 2.0000000000   (2.0000000000000000E+00)
$sep
$sep
> sci
$sep
Scintific format     0.00000e+00
$sep
$sep
> 2
$sep
Answer(A) = 2.0000000000000000E+00
$sep" "$out"

# exit ends at once with status 0; nothing after it runs.
out=$(printf '1\nexit\n2\n' | "$calc"); status=$?
check "exit status" "0" "$status"
check "exit stops" "" "$(echo "$out" | grep '^> 2')"
check "exit echoed last" "> exit" "$(echo "$out" | tail -1)"

# Shell keywords add no lines (help its summary: the golden keywords transcript).
out=$(printf 'about\nhelp\nprint\nsave\n' | "$calc" 2>/dev/null)
check "shell keywords" "$banner
$sep
> about
$sep
> help
$sep
> print
$sep
> save" "$(echo "$out" | sed '/^Type an expression/,/^Manual /d')"

# The evaluator's standard-output text comes before that command's lines.
out=$("$calc" -e '2*(3')
check "Statment Error" "$banner

 Function Error
$sep
> 2*(3
Statment Error" "$out"

# Any bytes: NUL is ignored by the tokenizer, invalid UTF-8 ends in one error line.
tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT
printf '1\0002+1\n\xff\xfe\n\xc3(\n' | "$calc" >"$tmp"
check "NUL echoed" "1" "$(python3 -c 'import sys; print(int(b"\n> 1\x002+1\n" in open(sys.argv[1], "rb").read()))' "$tmp")"
check "bytes answers" "Answer(A) = 13.0000000000   (1.3000000000000000E+01)
Function Rong
Function Rong" "$(tr -d '\0' <"$tmp" | grep -a -v -e '^-' -e '^>' -e 'Brisalto')"
check "bytes kept" "$(printf '> \xff\xfe')" "$(grep -a "^> $(printf '\xff')" "$tmp")"

# A long line: a million nested brackets around 1.
long=$(python3 -c 'print("(" * 1000000 + "1" + ")" * 1000000)')
out=$(echo "$long" | "$calc" | tail -2 | head -1)
check "long line" "Answer(A) = 1.0000000000   (1.0000000000000000E+00)" "$out"
# A long line's echo is written on its own; the lines around it keep their order.
sum=$(python3 -c 'print("+".join(["1"] * 100000))')
out=$(printf '2+3\n%s\n4*2\n' "$sum" | "$calc" | tail -n 15)
expected=$(printf '%s\n' "$sep" "> 2+3" "$sep" "Answer(A) = 5.0000000000   (5.0000000000000000E+00)" \
  "$sep" "$sep" "> $sum" "$sep" "Answer(A) = 100,000.0000000000   (1.0000000000000000E+05)" \
  "$sep" "$sep" "> 4*2" "$sep" "Answer(A) = 8.0000000000   (8.0000000000000000E+00)" "$sep")
check "long line in order" "$expected" "$out"

# Locale separators: the C locale gives "," and ".".
out=$("$calc" -e 1234567.5 | grep Answer)
check "C locale separators" "Answer(A) = 1,234,567.5000000000   (1.2345675000000000E+06)" "$out"

# Options.
check "--version" "brisalto-calc 1.0.0" "$("$calc" --version)"
"$calc" --help | grep -q -- '--precision N' || { echo "FAIL: --help"; failures=$((failures + 1)); }
"$calc" --bogus >/dev/null 2>&1; check "unknown option status" "2" "$?"
"$calc" --precision x >/dev/null 2>&1; check "bad precision status" "2" "$?"
"$calc" -e >/dev/null 2>&1; check "-e without line status" "2" "$?"
check "end of input status" "0" "$(printf '1\n' | "$calc" >/dev/null; echo $?)"
check "no input" "$banner" "$("$calc" </dev/null)"

# A peer that waits for each answer before it sends the next line gets it without delay.
coproc CALC { "$calc"; }
# Bash unsets CALC_PID as soon as the coprocess ends, which may be before the wait below.
calc_pid=$CALC_PID
for _ in 1 2 3; do read -r -t 5 _ <&"${CALC[0]}"; done  # the banner
printf '2+3\n' >&"${CALC[1]}"
answer=""
for _ in 1 2 3 4; do read -r -t 5 answer <&"${CALC[0]}" || break; done
check "answer before the next line" "Answer(A) = 5.0000000000   (5.0000000000000000E+00)" "$answer"
printf 'exit\n' >&"${CALC[1]}"
wait "$calc_pid" 2>/dev/null

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all brisalto-calc checks passed"
