#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# brisalto-calc at a terminal, driven through tmux as a user would: no second echo, separators
# fitting the width, history between two runs, Tab completion, Ctrl+C, Ctrl+D, the help summary.
# Every step waits for what it needs on the screen. A private tmux server, HOME and history.
# Usage: terminal_e2e.sh PATH-TO-BRISALTO-CALC
set -u
calc="$(realpath "$1")"
if ! command -v tmux >/dev/null; then
    echo "tmux is missing"
    exit 1
fi
work="$(mktemp -d)"
runs=0
socket="brisalto-test-$$-0"
trap 'tmux -L "$socket" kill-server 2>/dev/null; rm -rf "$work"' EXIT
columns=80
# shellcheck source=tests/cli/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"

# start [ENV...]: a new run in a fresh window of the given width.
start() {
    tmux -L "$socket" kill-server 2>/dev/null
    runs=$((runs + 1))
    socket="brisalto-test-$$-$runs"
    tmux -L "$socket" -f /dev/null new-session -d -s calc -x "$columns" -y 50 -c "$work" \
        "env -i PATH=/usr/bin:/bin TERM=xterm HOME=$work/home XDG_STATE_HOME=$work/state $* \
         $calc 2>$work/stderr; echo \"EXITED \$?\"; sleep 60"
    wait_for_screen '^>$'
}

keys() { tmux -L "$socket" send-keys -t calc "$@" 2>/dev/null; }

history_file="$work/state/brisalto/history"
mkdir -p "$work/home"
sep=$(printf -- '-%.0s' $(seq "$columns"))

# First run.
start
keys '2+3' Enter
wait_for_screen '^Answer\(A\) = 5\.'
[[ "$(screen | grep -c '^> 2+3$')" == 1 ]] || fail "the typed line is shown more than once"
screen | grep -q -- '-----------------------------------------------------------------------------------------' &&
    fail "a separator wider than the terminal"
[[ "$(screen | grep -c -- "^$sep\$")" -ge 5 ]] || fail "separators not cut to $columns columns"
# The window's block, with the prompt line in place of the echo.
block="$(screen | grep -A4 '^> 2+3$')"
[[ "$block" == "> 2+3
$sep
Answer(A) = 5.0000000000   (5.0000000000000000E+00)
$sep
$sep" ]] || fail "block of 2+3: [$block]"

keys ' 7*7' Enter
wait_for_screen '^Answer\(A\) = 49\.'
keys 'B=7' Enter
wait_for_screen '^B = 7\.'

# Tab: a shared prefix lists the candidates, a unique one completes, file names never.
keys 'si' Tab
wait_for_screen '^sin +sinh *$'
wait_for_screen '^> sin$'
keys C-u 'xcosh(1)+ab' Tab
wait_for_screen '^> xcosh\(1\)\+abs$'
keys C-u 'ra' Tab
wait_for_screen '^> rad$'
touch "$work/sinfile" "$work/radfile"
keys C-u 'sinf' Tab '#' 
wait_for_screen '^> sinf#$'
keys C-u

# Ctrl+C drops the line and prompts again; the program goes on.
keys '1+' C-c
wait_for_screen '^> 1\+\^C$'
keys '2*4' Enter
wait_for_screen '^Answer\(A\) = 8\.'
screen | grep -q '^Answer(A) = 3\.' && fail "the dropped line ran"

# help: one screen of at most 80 columns naming every function.
keys 'help' Enter
wait_for_screen '^Manual '
summary="$(screen | sed -n '/^> help$/,/^Manual /p' | sed 1d)"
[[ "$(wc -l <<<"$summary")" -le 24 ]] || fail "help is longer than a screen"
awk 'length >= 80 { exit 1 }' <<<"$summary" || fail "help as wide as 80 columns"
for name in hex cos sin tan cot cosh coth sinh tanh log xlog exp lin sech sec xcos xcosh xcot \
    xcoth xcsc xcsch xsec xsech xsin xtan xsinh xtanh csc csch dtor dtoc dtog rtod rtoc rtog \
    gtod gtoc gtor ctor ctog ctod logn abs; do
    grep -Eq "(^| )$name( |$)" <<<"$summary" || fail "help does not name $name"
done
for word in rad deg grd cyc sci fix auto mod var clear cls exit; do
    grep -Eq "(^| )$word( |$)" <<<"$summary" || fail "help does not name $word"
done

# cls clears the screen as it clears the results window: the next prompt stands at the top.
keys 'cls' Enter
for ((i = 0; i < 200; i++)); do
    [[ "$(tmux -L "$socket" capture-pane -p -t calc | head -2 | sed 's/ *$//')" == "$sep"$'\n>' ]] && break
    sleep 0.05
done
((i < 200)) || fail "cls: screen starts [$(tmux -L "$socket" capture-pane -p -t calc | head -2)]"

# Ctrl+D on an empty line: a line break, then the end with status 0.
keys C-d
wait_for_screen '^EXITED 0$'
[[ "$(screen | grep -B1 '^EXITED' | head -1)" == ">" ]] || fail "no line break after Ctrl+D"

# The history: entered lines, none that starts with a blank.
[[ "$(cat "$history_file")" == $'2+3\nB=7\n2*4\nhelp\ncls' ]] ||
    fail "history file: [$(cat "$history_file")]"
[[ -s "$work/stderr" ]] && fail "standard error: $(cat "$work/stderr")"

# Second run: Up brings back the last line, Ctrl+R finds an older one.
start
keys Up
wait_for_screen '^> cls$'
keys C-u C-r 'B='
wait_for_screen 'B=7'
keys Enter
wait_for_screen '^B = 7\.'
keys 'exit' Enter
wait_for_screen '^EXITED 0$'
[[ "$(tail -1 "$history_file")" == exit ]] || fail "second run not appended"

# A history that cannot be kept: reported once, the session works as before.
mkdir -p "$work/blocked"
printf 'x' >"$work/blocked/state"
start "XDG_STATE_HOME=$work/blocked/state"
keys '6*7' Enter
wait_for_screen '^Answer\(A\) = 42\.'
keys '1+1' Enter
wait_for_screen '^Answer\(A\) = 2\.'
keys C-d
wait_for_screen '^EXITED 0$'
[[ "$(grep -c 'history' "$work/stderr")" == 1 ]] ||
    fail "history problem reported [$(cat "$work/stderr")]"

# A narrow terminal: separators follow it.
columns=40
sep=$(printf -- '-%.0s' $(seq "$columns"))
start
[[ "$(screen | head -1)" == "$sep" ]] || fail "banner separator at 40 columns: $(screen | head -1)"

# Ctrl+D typed while the answers of pasted lines still print ends the session, at any moment.
pasted=()
for ((i = 1; i <= 50; i++)); do pasted+=("$i*3" Enter); done
for delay in 0 0.001 0.002 0.004 0.007 0.013; do
    start
    keys "${pasted[@]}"
    sleep "$delay"
    keys C-d
    wait_for_screen '^EXITED 0$' || fail "Ctrl+D $delay s after 50 lines was lost"
done

# Lines from arguments or a pipe, output on a terminal: separators fit it, the echo stays, and
# control characters in a line come back shown, never obeyed.
# shell: runs the script $work/run.sh in a fresh window of the given width; waits for its end.
shell() {
    tmux -L "$socket" kill-server 2>/dev/null
    runs=$((runs + 1))
    socket="brisalto-test-$$-$runs"
    tmux -L "$socket" -f /dev/null new-session -d -s calc -x "$columns" -y 50 -c "$work" \
        "env -i PATH=/usr/bin:/bin TERM=xterm HOME=$work/home bash $work/run.sh; echo EXITED; sleep 60"
    wait_for_screen '^EXITED'
}
echo "'$calc' 2+3" >"$work/run.sh"
shell
[[ "$(screen | grep -c -- "^$sep\$")" == 5 && "$(screen | grep -c '^> 2+3$')" == 1 ]] ||
    fail "arguments at a terminal: $(screen | head -6)"
cat >"$work/run.sh" <<EOF
printf '1+\\033]2;title\\007\\033[2J\\302\\2332\\n' | '$calc' -q
'$calc' --convert 1 "\$(printf 'k\\033[2Jm')" m
EOF
shell
# shellcheck disable=SC2016
[[ "$(screen | head -2)" == 'brisalto-calc: 1+^[]2;title^G^[[2J\u009b2: Equation Rong
brisalto-calc: Unknown unit '\''k^[[2Jm'\''' ]] || fail "control characters: $(screen | head -3)"

# Ctrl+Z stops it under a shell with job control; fg brings back the line being typed.
columns=80
tmux -L "$socket" kill-server 2>/dev/null
runs=$((runs + 1))
socket="brisalto-test-$$-$runs"
tmux -L "$socket" -f /dev/null new-session -d -s calc -x "$columns" -y 50 -c "$work" \
    "env -i PATH=/usr/bin:/bin TERM=xterm HOME=$work/home PS1='shell\$ ' bash --norc -i"
wait_for_screen '^shell\$$'
keys "XDG_STATE_HOME=$work/state $calc" Enter
wait_for_screen '^>$'
keys '1+' C-z
wait_for_screen 'Stopped'
keys 'fg' Enter
keys '2' Enter
wait_for_screen '^Answer\(A\) = 3\.'

finish "terminal checks"
