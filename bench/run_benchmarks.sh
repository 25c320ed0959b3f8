#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# brisalto-calc beside bc -l from the same run: CPU seconds (user + sys) and peak RSS, medians of
# BENCH_REPS runs (5; BENCH_LONG_REPS, also 5, for the 100 MB line), then the window figures of
# main_window_bench, reaction_bench and workbench_dialog_bench when they are built.
# Usage: run_benchmarks.sh [BUILD_DIR]   env: BENCH_REPS, BENCH_LONG_REPS, BENCH_LINES,
#        BENCH_MIXED_LINES, BENCH_SKIP_100MB=1, BENCH_SKIP_WINDOW=1
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
calc="$build/bin/brisalto-calc"
window_bench="$build/bin/main_window_bench"
reps="${BENCH_REPS:-5}"
long_reps="${BENCH_LONG_REPS:-5}"
lines="${BENCH_LINES:-1000000}"
mixed_lines="${BENCH_MIXED_LINES:-100000}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

[[ -x "$calc" ]] || { echo "no $calc: build first" >&2; exit 1; }
command -v bc >/dev/null || { echo "bc is not installed" >&2; exit 1; }
[[ -x /usr/bin/time ]] || { echo "/usr/bin/time is not installed" >&2; exit 1; }

# "user+sys maxrss_kb status" of one run: input through a pipe, output through a pipe.
run_once() {
  local input="$1"
  shift
  local status=0
  cat "$input" | /usr/bin/time -f '%U %S %M' -o "$work/time" "$@" 2>"$work/stderr" |
    cat >/dev/null || status=$?
  # time writes "Command exited with non-zero status N" first when the command failed.
  local user sys rss
  read -r user sys rss < <(tail -n 1 "$work/time")
  if grep -q 'non-zero status' "$work/time"; then status=1; fi
  echo "$(echo "$user + $sys" | bc -l) $rss $status"
}

# Medians of n runs: "cpu_seconds maxrss_kb failures".
measure() {
  local n="$1" input="$2"
  shift 2
  local cpus=() rsss=() failures=0 i cpu rss status
  for ((i = 0; i < n; i++)); do
    read -r cpu rss status < <(run_once "$input" "$@")
    cpus+=("$cpu")
    rsss+=("$rss")
    [[ "$status" == 0 ]] || failures=$((failures + 1))
  done
  local mid=$((n / 2))
  echo "$(printf '%s\n' "${cpus[@]}" | sort -g | sed -n "$((mid + 1))p")" \
    "$(printf '%s\n' "${rsss[@]}" | sort -g | sed -n "$((mid + 1))p")" "$failures"
}

row() {
  local name="$1" bytes="$2" cpu rss failures
  read -r cpu rss failures <<<"$3"
  last_cpu="$cpu"
  last_per_byte="$(echo "$rss * 1024 / $bytes" | bc -l)"
  local per_byte="-"
  if [[ "$long_line" == 1 ]]; then per_byte="$(printf '%.1f' "$(echo "$rss * 1024 / $bytes" | bc -l)")"; fi
  local note=""
  [[ "$failures" == 0 ]] || note="  FAILED in $failures run(s)"
  printf '  %-22s cpu %8.3f s   peak %9.1f MB   %6s B/input byte%s\n' "$name" "$cpu" \
    "$(echo "$rss / 1024" | bc -l)" "$per_byte" "$note"
}

# "a / b" to two places, or "-" when b is 0.
ratio() { if [[ "$(echo "$2 > 0" | bc -l)" == 1 ]]; then printf '%.2f' "$(echo "$1 / $2" | bc -l)"; else echo "-"; fi; }

# A workload: brisalto-calc (and -q when it has it) beside bc -l on the same input. Leaves the
# figures in calc_cpu, quiet_cpu, bc_cpu and calc_per_byte, quiet_per_byte.
compare() {
  local title="$1" n="$2" calc_input="$3" bc_input="$4"
  local bytes long_line=0
  [[ "$(wc -l <"$calc_input")" -gt 1 ]] || long_line=1
  bytes="$(stat -c %s "$calc_input")"
  echo "$title  (medians of $n)"
  row "brisalto-calc" "$bytes" "$(measure "$n" "$calc_input" "$calc")"
  calc_cpu="$last_cpu" calc_per_byte="$last_per_byte" quiet_cpu=0 quiet_per_byte=0
  if [[ "$quiet" == 1 ]]; then
    row "brisalto-calc -q" "$bytes" "$(measure "$n" "$calc_input" "$calc" -q)"
    quiet_cpu="$last_cpu" quiet_per_byte="$last_per_byte"
  fi
  row "bc -l" "$bytes" "$(measure "$n" "$bc_input" bc -l)"
  bc_cpu="$last_cpu"
}

# One goal line: "  goal: <what> <figure> (<goal>) met|MISSED".
goal() {
  local what="$1" figure="$2" limit="$3" verdict="met"
  if [[ "$figure" == "-" || "$(echo "$figure <= $limit" | bc -l)" != 1 ]]; then verdict="MISSED"; fi
  printf '  goal: %-46s %8s (at most %s) %s\n' "$what" "$figure" "$limit" "$verdict"
}

quiet=0
if "$calc" --help 2>&1 | grep -qE '(^|[[:space:]])-q([,[:space:]]|$)'; then quiet=1; fi

echo "brisalto-calc: $calc   bc: $(bc --version | head -n 1)   $(nproc) cores"
echo

awk -v n="$lines" 'BEGIN { for (i = 0; i < n; i++) print "(324.509+15.93)*1^2/4.5" }' >"$work/short"
compare "$lines short lines (324.509+15.93)*1^2/4.5" "$reps" "$work/short" "$work/short"
goal "CPU of the transcript / bc's" "$(ratio "$calc_cpu" "$bc_cpu")" 1
[[ "$quiet" != 1 ]] || goal "CPU of -q / bc's" "$(ratio "$quiet_cpu" "$bc_cpu")" 0.5
# A script's output goes to a file as often as to a pipe, and a shell loop pays a start a value.
echo "brisalto-calc -q beside bc -l, output to a file and to a pipe, and one call"
bash "$root/bench/cli/throughput.sh" "$calc" "$lines" | sed 's/^/  /'

# The same functions in both languages; brisalto-calc starts in degrees.
awk -v n="$mixed_lines" 'BEGIN {
  split("sin(30)+tan(45)|log(100)*exp(2)|lin(10)-xtan(1)|xsin(0.5)/7|10!+3^0.5|2^10*1.5^2.5", m, "|")
  for (i = 0; i < n; i++) print m[i % 6 + 1] }' >"$work/mixed.calc"
{
  echo 'define f(n) { auto r; r = 1; while (n > 1) { r *= n; n -= 1; }; return r; }'
  echo 'p = 4 * a(1)'
  awk -v n="$mixed_lines" 'BEGIN {
    split("s(30*p/180)+s(45*p/180)/c(45*p/180)|l(100)/l(10)*e(2)|l(10)-a(1)*180/p|a(0.5/sqrt(1-0.25))*180/p/7|f(10)+e(0.5*l(3))|2^10*e(2.5*l(1.5))", m, "|")
    for (i = 0; i < n; i++) print m[i % 6 + 1] }'
} >"$work/mixed.bc"
compare "$mixed_lines mixed lines (sin tan log exp lin xtan xsin ! ^)" "$reps" "$work/mixed.calc" "$work/mixed.bc"
goal "CPU of the transcript / bc's" "$(ratio "$calc_cpu" "$bc_cpu")" 1

# An odd length just under n: "1", doubled, then topped up with a prefix of itself.
sum_line() { awk -v n="$1" 'BEGIN { l = n - 1; s = "1"; while (length(s) * 2 + 1 <= l) s = s "+" s
  r = l - length(s); if (r > 0) s = s "+" substr(s, 1, r - 1); print s }'; }
declare -A per_mb
for mb in 1 10 100; do
  [[ "$mb" != 100 || "${BENCH_SKIP_100MB:-0}" != 1 ]] || continue
  sum_line $((mb * 1000000)) >"$work/sum"
  n="$reps"
  [[ "$mb" != 100 ]] || n="$long_reps"
  compare "one line 1+1+...+1 of $mb MB" "$n" "$work/sum" "$work/sum"
  goal "CPU / bc's" "$(ratio "$calc_cpu" "$bc_cpu")" 1
  per_mb[$mb]="$(echo "$calc_cpu / $mb" | bc -l)"
  goal "peak bytes per input byte" "$(printf '%.1f' "$calc_per_byte")" 10
  [[ "$mb" != 10 ]] || bc_sum10_cpu="$bc_cpu"
done
# Linear growth: the CPU per MB of the longest line no more than half again that of 1 MB.
longest=100
[[ "${BENCH_SKIP_100MB:-0}" != 1 ]] || longest=10
echo "growth of the sum line"
goal "CPU per MB at $longest MB / at 1 MB" "$(ratio "${per_mb[$longest]}" "${per_mb[1]}")" 1.5
rm -f "$work/sum"

awk 'BEGIN { n = 10000000; s = "("; while (length(s) * 2 <= n) s = s s; s = substr(s, 1, n)
  t = ")"; while (length(t) * 2 <= n) t = t t; t = substr(t, 1, n); print s "1" t }' >"$work/nested"
compare "one line of 10,000,000 nested brackets" "$reps" "$work/nested" "$work/nested"
goal "CPU / bc's on the 10 MB sum (bc cannot nest)" "$(ratio "$calc_cpu" "${bc_sum10_cpu:-0}")" 1
goal "peak bytes per input byte" "$(printf '%.1f' "$calc_per_byte")" 10
rm -f "$work/nested"

if [[ "${BENCH_SKIP_WINDOW:-0}" != 1 ]]; then
  echo
  if [[ -x "$window_bench" ]]; then
    echo "window (main_window_bench, offscreen)"
    QT_QPA_PLATFORM=offscreen "$window_bench" | sed 's/^/  /'
  else
    echo "window: no $window_bench (configure with -DBRISALTO_GUI=ON)"
  fi
fi

# The chemist's bench: balancing beside bc, and the dialogs' keys against one frame.
if [[ -x "$build/bin/reaction_bench" ]]; then
  echo
  echo "reactions (reaction_bench)"
  "$build/bin/reaction_bench" | sed 's/^/  /'
fi
if [[ "${BENCH_SKIP_WINDOW:-0}" != 1 && -x "$build/bin/workbench_dialog_bench" ]]; then
  echo
  echo "reaction and solution dialogs (workbench_dialog_bench, offscreen)"
  QT_QPA_PLATFORM=offscreen "$build/bin/workbench_dialog_bench" 2>/dev/null | sed 's/^/  /'
fi
