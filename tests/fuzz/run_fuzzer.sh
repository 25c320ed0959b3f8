#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# Builds the session fuzzer with clang under ASan and UBSan and runs it for SECONDS
# (default 60) from a small seed corpus; prints executions and findings. Further arguments go to
# libFuzzer (for example -fork=1 -ignore_crashes=1 to go on after a finding).
# BUILD_DIR overrides the build folder; JOBS the build's parallel jobs.
set -euo pipefail
seconds="${1:-60}"
shift || true
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${BUILD_DIR:-$root/build-fuzz}"
jobs="${JOBS:-2}"

"$root/scripts/setup-deps.sh" fuzz
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBRISALTO_GUI=OFF -DBRISALTO_FUZZ=ON -DBRISALTO_SANITIZE=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" >/dev/null
cmake --build "$build" --target command_fuzzer -j"$jobs"

work="$build/fuzz-run"
corpus="$work/corpus"
mkdir -p "$corpus" "$work/findings"
seeds=(
  "2+3" "B=-2^2+3!*(1+1)" "P=3" "1/0" "1755!" "(-8)^(1/3)" "1.2.3" "2.5!" "5-" "sin" "2*(3"
  "3!2" "O+1" "DEG" "sci" "fix" "auto" "var" "mod" "clear" "cls" "sin(30)+xcosh(2)" "logn(8)"
  "1e4000*1e4000" "[2+3}*2" "<2>*3" "2e(3)" "B==3" "10-2+3" "abs(-2.7)" "7%-3" "0^0"
)
# Whole sessions: state carried from line to line.
seeds+=(
  $'B=3\nB*2\nA+B\nvar' $'rad\nsin(P/2)\ndeg\nsin(90)\ngrd\ncyc\nmod' $'B=4\nclear\nB+1'
  $'sci\n1/3\nfix\n1/3\nauto\n1e20' $'C=5!\ncls\nC\nP=2\nP' $'1/0\nA\n2*(3\nA+1\nexit\n7'
)
# A first byte 1: lines generated from the bytes that follow.
seeds+=($'\x01\x10\x22\x33\x44\x55\x66\x77\x88\x99\xaa\xbb\xcc\xdd\xee\xff\x01\x02\x03')
i=0
for seed in "${seeds[@]}"; do
  printf '%s' "$seed" >"$corpus/seed$i"
  i=$((i + 1))
done

log="$work/fuzz.log"
set +e
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  "$build/bin/command_fuzzer" "$corpus" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
  -rss_limit_mb=2048 -artifact_prefix="$work/findings/" -print_final_stats=1 "$@" >"$log" 2>&1
status=$?
set -e

runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1 || true)
if [ -z "$runs" ]; then
  runs=$(grep -o '#[0-9]*' "$log" | tail -1 | tr -d '#' || true)
fi
echo "fuzzed ${seconds}s: ${runs:-?} executions, corpus $(ls "$corpus" | wc -l) inputs"
findings=$(ls "$work/findings" | wc -l)
if [ "$status" -ne 0 ] || [ "$findings" -ne 0 ]; then
  echo "findings: $findings (exit status $status); see $log and $work/findings"
  tail -40 "$log"
  exit 1
fi
echo "findings: none"
