#!/usr/bin/env bash
# Lines per second of brisalto-calc on a pipe, next to bc -l on the same lines.
# Usage: throughput.sh [BRISALTO_CALC] [LINES]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
calc="${1:-$root/build/bin/brisalto-calc}"
count="${2:-200000}"
input="$(mktemp)"
trap 'rm -f "$input"' EXIT
awk -v n="$count" 'BEGIN { for (i = 0; i < n; i++) print "(324.509+15.93)*1^2/4.5" }' >"$input"

# "wall user sys" seconds of one run, the output going through a pipe. On a busy machine the
# CPU seconds (user + sys) are the steadier figure.
seconds() {
  local TIMEFORMAT='%R %U %S'
  { time "$@" <"$input" | cat >/dev/null; } 2>&1
}

report() {
  local name="$1" wall user sys
  read -r wall user sys <<<"$2"
  printf '%-14s %7d lines  wall %7.3f s %9.0f lines/s  cpu %7.3f s %9.0f lines/s\n' \
    "$name" "$count" "$wall" "$(echo "$count / $wall" | bc -l)" "$(echo "$user + $sys" | bc -l)" \
    "$(echo "$count / ($user + $sys)" | bc -l)"
}

report "brisalto-calc" "$(seconds "$calc")"
if command -v bc >/dev/null; then
  report "bc -l" "$(seconds bc -l)"
fi
