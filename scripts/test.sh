#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# Installs what is missing, checks the style, builds, and runs every test: the core, the windows
# (offscreen), the window end to end under Xvfb and openbox (labels desktop, x11), brisalto-calc
# end to end, the fault-injection suite (label faults: hostile paths, full disks, kills, memory
# limits), the core tests again under AddressSanitizer and UBSan, the thread tests under
# ThreadSanitizer, and a short session-fuzzer run (FUZZ_SECONDS, default 60).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"
"$root/scripts/setup-deps.sh" build test fuzz

export QT_QPA_PLATFORM=offscreen

echo "== style (clang-format with the root's .clang-format, SPDX headers)"
"$root/scripts/check-style.sh"

echo "== build and test"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRISALTO_TESTS=ON >/dev/null
cmake --build "$root/build" -j"$jobs"
ctest --test-dir "$root/build" --output-on-failure -j"$jobs"

echo "== core tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S "$root" -B "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DBRISALTO_GUI=OFF \
  -DBRISALTO_SANITIZE=ON >/dev/null
cmake --build "$root/build-asan" -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$root/build-asan" --output-on-failure -j"$jobs" -L core

echo "== multi-thread tests under ThreadSanitizer"
cmake -S "$root" -B "$root/build-tsan" -DCMAKE_BUILD_TYPE=Debug -DBRISALTO_GUI=OFF \
  -DBRISALTO_TSAN=ON >/dev/null
cmake --build "$root/build-tsan" -j"$jobs"
TSAN_OPTIONS=halt_on_error=1 ctest --test-dir "$root/build-tsan" --output-on-failure -L threads

echo "== session fuzzer (clang, ASan and UBSan)"
BUILD_DIR="$root/build-fuzz" JOBS="$jobs" "$root/tests/fuzz/run_fuzzer.sh" "${FUZZ_SECONDS:-60}"

echo "== all tests passed"
