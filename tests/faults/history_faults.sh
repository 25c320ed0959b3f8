#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# The history file under faults: hostile paths at start (brisalto-calc at a pseudo-terminal and
# the file reader alone, each with a time and a memory bound), a disk that fills at every byte
# of an append and of a cut back, and a kill at every system call of a cut back. After each the
# file is the old one or the new one, and every line in it is a line someone typed.
# Usage: history_faults.sh HISTORY-DRIVER SHORT-WRITE-LIBRARY BRISALTO-CALC
set -u
driver="$1" short_write="$2" calc="$3"
failures=0
work="$(mktemp -d)"
trap 'chmod -R u+rwx "$work"; rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
state="$work/state"
file="$state/brisalto/history"

# hostile KIND: makes the history path into that kind of thing.
hostile() {
    rm -rf "$state"
    mkdir -p "$state/brisalto"
    case "$1" in
        fifo) mkfifo "$file" ;;
        zero) ln -s /dev/zero "$file" ;;
        folder) mkdir "$file" ;;
        dangling) ln -s "$work/nowhere/history" "$file" ;;
        unreadable) echo "1+1" >"$file" && chmod 000 "$file" ;;
        huge) cp "$work/huge" "$file" ;;
        binary) head -c 300000 /dev/urandom >"$file" ;;
    esac
}

head -c 100000000 /dev/zero | tr '\0' '\n' >"$work/huge" && echo "7*6" >>"$work/huge"

# Within 10 s and 400 MB of address space, whatever the path holds.
for kind in fifo zero folder dangling unreadable huge binary; do
    hostile "$kind"
    out="$( (ulimit -v 400000; timeout -s KILL 10 "$driver" "$file" 1000 load) 2>"$work/err")"
    status=$?
    [[ $status == 0 ]] || fail "$kind: the reader ended with status $status: $(cat "$work/err")"
    [[ $kind != huge || "$out" == "7*6" ]] || fail "huge: the newest line is not read: [$out]"
    case "$kind" in
        dangling) ;;
        unreadable) ((EUID == 0)) || [[ -s "$work/err" ]] || fail "$kind: nothing said" ;;
        *) [[ -s "$work/err" ]] || fail "$kind: nothing said" ;;
    esac
    hostile "$kind"
    out="$(printf '6*7\nexit\n' | (ulimit -v 400000
        XDG_STATE_HOME="$state" timeout -s KILL 10 script -qec "$calc" /dev/null) 2>&1)"
    status=$?
    [[ $status == 0 && "$out" == *"= 42.0"* ]] ||
        fail "$kind: brisalto-calc at a terminal ended with status $status: ${out:0:300}"
done
if [[ "$(stat -c %F "$file")" != "regular file" ]] || (($(stat -c %s "$file") > 20000000)); then
    fail "the 100 MB history is not cut back"
fi

# load: the lines a start gets.
load() { "$driver" "$file" 1000 load 2>/dev/null; }

# A disk that fills after every count of bytes of an append: the old lines, or the old ones and
# the new one, never a part of it.
rm -rf "$state"
mkdir -p "$state/brisalto"
old=$'1+1\n2+2'
new="123456789+1"
for ((budget = 0; budget <= ${#new} + 1; budget++)); do
    printf '%s\n' "$old" >"$file"
    FAULT_WRITE_BUDGET=$budget LD_PRELOAD="$short_write" "$driver" "$file" 1000 append "$new" 2>"$work/err"
    status=$?
    got="$(load)"
    if ((budget > ${#new})); then
        [[ $status == 0 && "$got" == "$old"$'\n'"$new" ]] || fail "append with $budget bytes free: [$got]"
    else
        [[ $status == 1 && "$got" == "$old" ]] || fail "append with $budget bytes free: [$got]"
        grep -q "No space left on device" "$work/err" || fail "append with $budget bytes free said: $(cat "$work/err")"
    fi
done

# A file of 30 typed lines cut back to the newest 20: with every count of bytes free, and with a
# kill at every system call, the file is the old one or the new one afterwards.
typed=""
for ((i = 1020; i < 1050; i++)); do typed+="$i*38813"$'\n'; done
cut_text="$(printf '%s' "$typed" | tail -n 20)"
old_text="$(printf '%s' "$typed")"
check_cut() {
    local got
    got="$(cat "$file")"
    [[ "$got" == "$old_text" || "$got" == "$cut_text" ]] || fail "$1: the file holds [${got:0:200}...]"
}
bytes=$(printf '%s\n' "$cut_text" | wc -c)
for ((budget = 0; budget <= bytes; budget++)); do
    printf '%s' "$typed" >"$file"
    FAULT_WRITE_BUDGET=$budget LD_PRELOAD="$short_write" "$driver" "$file" 20 load >/dev/null 2>&1
    check_cut "cut back with $budget bytes free"
done
printf '%s' "$typed" >"$file"
"$driver" "$file" 20 load >/dev/null 2>&1
[[ "$(cat "$file")" == "$cut_text" ]] || fail "the file is not cut back"

if command -v strace >/dev/null; then
    runs=0
    for call in openat flock fstat newfstatat pread64 read unlink write fsync close rename ftruncate; do
        for ((when = 1; when <= 60; when++)); do
            printf '%s' "$typed" >"$file"
            (strace -f -qq -o /dev/null -e inject="$call:signal=SIGKILL:when=$when" \
                "$driver" "$file" 20 load >/dev/null 2>&1) 2>/dev/null
            status=$?
            runs=$((runs + 1))
            check_cut "killed at $call number $when"
            ((status == 0)) && break
        done
    done
    echo "$runs runs killed at a system call"
else
    fail "strace is missing: no kills injected (scripts/setup-deps.sh test installs it)"
fi

if ((failures > 0)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all checks passed"
