#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# Lines per second of brisalto-calc -q and of its transcript on a pipe, next to bc -l on the same
# short lines in the same run.
# Usage: throughput.sh [BRISALTO_CALC] [LINES]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
calc="${1:-$root/build/bin/brisalto-calc}"
count="${2:-1000000}"
input="$(mktemp)"
trap 'rm -f "$input"' EXIT
# Lines both programs read alike, so each does the same arithmetic.
awk -v n="$count" 'BEGIN {
  split("2+3|(324.509+15.93)*1^2/4.5|1/3|17*23-5|2^10|0.5*(1.25+8)", lines, "|")
  for (i = 0; i < n; i++) print lines[i % 6 + 1] }' >"$input"

# "wall user sys" seconds of one run, the output going through a pipe. On a busy machine the
# CPU seconds (user + sys) are the steadier figure.
seconds() {
  local TIMEFORMAT='%R %U %S'
  { time "$@" <"$input" | cat >/dev/null; } 2>&1
}

report() {
  local name="$1" wall user sys
  read -r wall user sys <<<"$2"
  printf '%-20s %7d lines  wall %7.3f s %9.0f lines/s  cpu %7.3f s %9.0f lines/s\n' \
    "$name" "$count" "$wall" "$(echo "$count / $wall" | bc -l)" "$(echo "$user + $sys" | bc -l)" \
    "$(echo "$count / ($user + $sys)" | bc -l)"
}

# Every line gives a value: a lost or failed line shows here, not as a fast figure.
values="$("$calc" -q <"$input" | wc -l)"
[[ "$values" == "$count" ]] || { echo "brisalto-calc -q gave $values values for $count lines"; exit 1; }
report "brisalto-calc -q" "$(seconds "$calc" -q)"
report "brisalto-calc" "$(seconds "$calc")"
if command -v bc >/dev/null; then
  report "bc -l" "$(seconds bc -l)"
fi
