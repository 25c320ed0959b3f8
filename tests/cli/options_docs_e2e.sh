#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# --help, the manual page, the README and the HTML manual name the same options, and the manual
# page's exit statuses the ones --help gives.
# Usage: options_docs_e2e.sh PATH-TO-BRISALTO-CALC SOURCE_DIR
set -u
calc="$1"
src="$2"
# shellcheck source=tests/cli/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"

help="$("$calc" --help)"
options="$(grep -oE '^  (-[a-z], )?-{1,2}[a-z-]+' <<<"$help" | grep -oE -- '-{1,2}[a-z-]+' | sort -u)"
[[ "$(wc -l <<<"$options")" -ge 12 ]] || fail "--help lists only: $options"
man_text="$(sed 's/\\-/-/g; s/\\f[BIRP]//g' "$src/docs/man/brisalto-calc.1")"
readme="$(sed -n '/^## brisalto-calc/,/^## Install/p' "$src/README.md")"
manual="$(cat "$src/docs/manual/index.html")"
for option in $options; do
    for doc in man_text readme manual; do
        grep -qE -- "(^|[^a-z-])$option([^a-z-]|\$)" <<<"${!doc}" || fail "$doc does not name $option"
    done
done
# Every status --help names has its paragraph in the manual page.
for status in 0 1 2; do
    grep -q "Exit status:.*$status\|; $status \|, $status \| $status for\| $status when" <<<"$help" ||
        fail "--help names no exit status $status"
    grep -qx "$status" <<<"$(sed -n '/^.SH EXIT STATUS/,/^.SH /p' "$src/docs/man/brisalto-calc.1" |
        grep -A1 '^.TP' | grep '^.B' | cut -c4-)" || fail "the manual page has no exit status $status"
done
finish "option documentation checks"
