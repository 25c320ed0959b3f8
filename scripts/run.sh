#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# Builds the two programs (not the tests or benchmarks) and starts the calculator: the window
# when a display is there, brisalto-calc on the terminal otherwise.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/setup-deps.sh" build
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRISALTO_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target brisalto-calc brisalto-calculator
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$build/bin/brisalto-calculator" ]; then
  exec "$build/bin/brisalto-calculator" "$@"
fi
echo "No display is available: starting the terminal calculator brisalto-calc instead." >&2
exec "$build/bin/brisalto-calc" "$@"
