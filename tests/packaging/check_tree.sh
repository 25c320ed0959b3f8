# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# Checks an installed tree against installed_files.txt; sourced by the install and package tests.
# check_tree PREFIX_DIR: exactly the listed files, icons of their stated size, programs that run.
check_tree() {
  local prefix_dir="$1" here
  here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
  local expected actual
  expected="$(sort "$here/installed_files.txt")"
  actual="$(cd "$prefix_dir" && find . -type f -o -type l | sed 's|^\./||' | sort)"
  if [ "$expected" != "$actual" ]; then
    echo "installed files differ from installed_files.txt:"
    diff <(echo "$expected") <(echo "$actual") || true
    return 1
  fi
  local size
  for size in 16 24 32 48 64 128 256; do
    if ! file "$prefix_dir/share/icons/hicolor/${size}x${size}/apps/brisalto-calculator.png" |
      grep -q "PNG image data, $size x $size,"; then
      echo "icon ${size}x${size} is not a ${size} by ${size} PNG"
      return 1
    fi
  done
  local answer
  answer="$(echo 2+3 | LC_ALL=C "$prefix_dir/bin/brisalto-calc" | sed -n 7p)"
  if [ "$answer" != "Answer(A) = 5.0000000000   (5.0000000000000000E+00)" ]; then
    echo "the installed brisalto-calc does not calculate: '$answer'"
    return 1
  fi
}

# check_prefix_paths TREE PREFIX: the help and the manual pages name the HTML manual where this
# install put it (the help sees the tree it runs from, the pages the prefix they were made for).
check_prefix_paths() {
  local tree="$1" prefix="$2" manual=share/doc/brisalto-calculator/manual/index.html page
  if ! echo help | "$tree/bin/brisalto-calc" | grep -qF "$(realpath "$tree")/$manual"; then
    echo "help does not name $(realpath "$tree")/$manual: $(echo help | "$tree/bin/brisalto-calc" | tail -2)"
    return 1
  fi
  for page in brisalto-calc brisalto-calculator; do
    if ! zcat "$tree/share/man/man1/$page.1.gz" | grep -qF "$prefix/$manual"; then
      echo "man page $page does not name $prefix/$manual"
      return 1
    fi
  done
}
