#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# scripts/check-style.sh as a release tarball meets it: no .git and a git that fails. A tidy tree
# passes; a badly formatted source or a file without its SPDX line fails, also beside a build
# folder whose files are left alone.
# Usage: check_style_test.sh SOURCE_DIR
set -euo pipefail
src="$1"
tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/scripts" "$tree/engine" "$tree/build" "$tree/nogit"
cp "$src/scripts/check-style.sh" "$tree/scripts/"
cp "$src/.clang-format" "$tree/"
cp "$src/engine/number_text.h" "$src/engine/number_text.cpp" "$tree/engine/"
printf '#!/bin/sh\necho "git: command not found" >&2\nexit 127\n' >"$tree/nogit/git"
chmod +x "$tree/nogit/git"
printf 'int  x ;\n' >"$tree/build/generated.cpp"  # a build folder's files are not ours
failures=0
style() { PATH="$tree/nogit:$PATH" bash "$tree/scripts/check-style.sh" "$tree" >/dev/null 2>&1; }

style || { echo "FAIL: a tidy tree without .git or git is refused"; failures=$((failures + 1)); }
printf '// SPDX-License-Identifier: MIT\nint  x ;\n' >"$tree/engine/untidy.cpp"
style && { echo "FAIL: a badly formatted source passed"; failures=$((failures + 1)); }
rm "$tree/engine/untidy.cpp"
printf '#!/bin/sh\necho hi\n' >"$tree/scripts/unlicensed.sh"
style && { echo "FAIL: a script without SPDX passed"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] && echo "check-style: ok"
[ "$failures" -eq 0 ]
