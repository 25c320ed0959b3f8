#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# Lines per second of brisalto-calc -q and of its transcript, next to bc -l on the same short
# lines in the same run, with the output written to a file (as a script's would be) and to a pipe;
# then the CPU of one shell call beside bc's (call_cost.py).
# Usage: throughput.sh [BRISALTO_CALC] [LINES]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
calc="${1:-$root/build/bin/brisalto-calc}"
count="${2:-1000000}"
input="$(mktemp)"
output="$(mktemp)"
trap 'rm -f "$input" "$output"' EXIT
# Lines both programs read alike, so each does the same arithmetic.
awk -v n="$count" 'BEGIN {
  split("2+3|(324.509+15.93)*1^2/4.5|1/3|17*23-5|2^10|0.5*(1.25+8)", lines, "|")
  for (i = 0; i < n; i++) print lines[i % 6 + 1] }' >"$input"

# "wall user sys" seconds of one run, the output going to a file or through a pipe (the CPU of
# the program only: cat's is not counted). On a busy machine the CPU seconds are the steadier.
seconds() {
  local where="$1" TIMEFORMAT='%R %U %S'
  shift
  if [[ "$where" == file ]]; then
    { time "$@" <"$input" >"$output"; } 2>&1
  else
    { time "$@" <"$input" | cat >/dev/null; } 2>&1
  fi
}

declare -A cpu
report() {
  local name="$1" wall user sys
  read -r wall user sys <<<"$2"
  cpu[$name]="$(echo "$user + $sys" | bc -l)"
  printf '%-26s %7d lines  wall %7.3f s %9.0f lines/s  cpu %7.3f s %9.0f lines/s\n' \
    "$name" "$count" "$wall" "$(echo "$count / $wall" | bc -l)" "${cpu[$name]}" \
    "$(echo "$count / (${cpu[$name]} + 0.0005)" | bc -l)"
}

# Every line gives a value: a lost or failed line shows here, not as a fast figure.
values="$("$calc" -q <"$input" | wc -l)"
[[ "$values" == "$count" ]] || { echo "brisalto-calc -q gave $values values for $count lines"; exit 1; }
for where in file pipe; do
  report "brisalto-calc -q, $where" "$(seconds "$where" "$calc" -q)"
  report "brisalto-calc, $where" "$(seconds "$where" "$calc")"
  report "bc -l, $where" "$(seconds "$where" bc -l)"
  printf 'to a %s: brisalto-calc -q takes %.2fx the CPU of bc -l (goal: at most 0.5x)\n' "$where" \
    "$(echo "${cpu["brisalto-calc -q, $where"]} / (${cpu["bc -l, $where"]} + 0.0005)" | bc -l)"
done
python3 "$root/bench/cli/call_cost.py" "$calc" "${PAIRS:-200}"
