#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# brisalto-calc takes the number separators from the user's locale: "," and "." in the C locale,
# "." and "," under a German one (compiled for the run; skipped where it cannot be made).
set -u
calc="$1"
failures=0

# answer_line LOCALE-ENV... : the answer line of 1234.5 and of -1234567.25 in sci mode.
answer_lines() {
  printf '1234.5\nsci\n-1234567.25\n' | env "$@" "$calc" | grep '^Answer'
}

check() {
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1"
    diff <(printf '%s\n' "$2") <(printf '%s\n' "$3")
    failures=$((failures + 1))
  fi
}

check "C locale" "Answer(A) = 1,234.5000000000   (1.2345000000000000E+03)
Answer(A) = -1.2345672500000000E+06" "$(answer_lines LC_ALL=C)"
check "POSIX locale" "Answer(A) = 1,234.5000000000   (1.2345000000000000E+03)
Answer(A) = -1.2345672500000000E+06" "$(answer_lines LC_ALL=POSIX)"
check "a locale that does not exist" "Answer(A) = 1,234.5000000000   (1.2345000000000000E+03)
Answer(A) = -1.2345672500000000E+06" "$(answer_lines LC_ALL=xx_YY.UTF-8)"

dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
# Compiled here, so the cases never depend on the machine's installed locales.
localedef -i de_DE -f UTF-8 "$dir/de_DE.UTF-8" >/dev/null 2>&1 || true
if [ -e "$dir/de_DE.UTF-8/LC_NUMERIC" ]; then
  check "German locale" "Answer(A) = 1.234,5000000000   (1,2345000000000000E+03)
Answer(A) = -1,2345672500000000E+06" "$(answer_lines LOCPATH="$dir" LC_ALL=de_DE.UTF-8)"
  # LC_NUMERIC alone is enough; LC_ALL would override it.
  check "German LC_NUMERIC" "Answer(A) = 1.234,5000000000   (1,2345000000000000E+03)
Answer(A) = -1,2345672500000000E+06" "$(answer_lines -u LC_ALL LOCPATH="$dir" LANG=C LC_NUMERIC=de_DE.UTF-8)"
else
  echo "FAIL: localedef cannot make de_DE.UTF-8 (the locales package)"
  failures=$((failures + 1))
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "all locale checks passed"
