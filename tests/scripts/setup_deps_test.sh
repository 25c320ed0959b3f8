#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# scripts/setup-deps.sh as users meet it: with everything installed it is silent, needs no root
# and never calls apt-get (so every listed name must be a real package that dpkg reports); with
# something missing a user gets one line naming it and the command, and status 1; root gets it
# installed. id, apt-get and (for the missing case) dpkg-query are stand-ins on PATH.
# Usage: setup_deps_test.sh SOURCE_DIR
set -euo pipefail
setup="$1/scripts/setup-deps.sh"
fake="$(mktemp -d)"
trap 'rm -rf "$fake"' EXIT
mkdir -p "$fake/user" "$fake/root" "$fake/missing"
for dir in user root; do
  uid=1000; [ "$dir" = root ] && uid=0
  printf '#!/bin/sh\n[ "$1" = -u ] && echo %s && exit 0\nexec /usr/bin/id "$@"\n' "$uid" >"$fake/$dir/id"
  printf '#!/bin/sh\necho "$*" >>"%s/apt.log"\n' "$fake" >"$fake/$dir/apt-get"
done
printf '#!/bin/sh\n[ "$3" = lintian ] && exit 1\nexec /usr/bin/dpkg-query "$@"\n' >"$fake/missing/dpkg-query"
chmod +x "$fake"/*/*
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Everything that building and testing need is installed here (scripts/test.sh saw to it).
out="$(PATH="$fake/user:$PATH" bash "$setup" build test 2>&1)" || fail "all installed: status $?: $out"
[ -z "$out" ] || fail "all installed: said '$out'"
[ ! -e "$fake/apt.log" ] || fail "all installed: called apt-get $(cat "$fake/apt.log")"

set +e
out="$(PATH="$fake/missing:$fake/user:$PATH" bash "$setup" build test 2>&1)"
status=$?
set -e
[ "$status" -eq 1 ] || fail "missing, user: status $status"
[ "$(wc -l <<<"$out")" -eq 1 ] || fail "missing, user: not one line: $out"
grep -q 'lintian.*sudo apt-get install lintian$' <<<"$out" || fail "missing, user: said '$out'"
[ ! -e "$fake/apt.log" ] || fail "missing, user: called apt-get"

PATH="$fake/missing:$fake/root:$PATH" bash "$setup" build test >/dev/null 2>&1 ||
  fail "missing, root: status $?"
grep -q '^.*update' "$fake/apt.log" && grep -q 'install .*lintian$' "$fake/apt.log" ||
  fail "missing, root: apt-get calls: $(cat "$fake/apt.log" 2>/dev/null)"

set +e
PATH="$fake/user:$PATH" bash "$setup" nosuchgroup >/dev/null 2>&1
status=$?
set -e
[ "$status" -eq 2 ] || fail "unknown group: status $status"

[ "$failures" -eq 0 ] && echo "setup-deps: ok"
[ "$failures" -eq 0 ]
