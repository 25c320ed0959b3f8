#!/usr/bin/env bash
# Installs what is missing, builds, and starts the calculator.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup-deps.sh"
"$root/scripts/build.sh"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$root/build/bin/brisalto-calculator" ]; then
  exec "$root/build/bin/brisalto-calculator" "$@"
fi
echo "No display is available: starting the terminal calculator brisalto-calc instead." >&2
exec "$root/build/bin/brisalto-calc" "$@"
