#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# The style stage of scripts/test.sh: every C++ source as clang-format with the root's
# .clang-format would write it, and an SPDX licence line in every source and build file. Finds
# the files by name, not by git, so it works from a release tarball and without git installed.
#   scripts/check-style.sh [SOURCE_DIR]
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root"

# The tree's files matching the find tests given, build and package folders left out.
sources() {
  find . \( -path './build*' -o -path ./dist -o -path ./.git \) -prune -o -type f \( "$@" \) -print |
    sed 's|^\./||' | sort
}

sources -name '*.cpp' -o -name '*.h' | xargs -r clang-format --dry-run --Werror
unlicensed="$(sources -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.py' \
  -o -name CMakeLists.txt -o -name '*.cmake' | xargs -r grep -L 'SPDX-License-Identifier: MIT' || true)"
if [ -n "$unlicensed" ]; then
  echo "These sources have no SPDX header:" $unlicensed >&2
  exit 1
fi
