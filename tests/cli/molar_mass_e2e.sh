#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# brisalto-calc --molar-mass and --composition end to end: exit status, standard output and error.
# Usage: molar_mass_e2e.sh PATH-TO-BRISALTO-CALC
set -u
calc="$1"
# shellcheck source=tests/cli/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"

# One line a formula, as the calculator writes numbers.
check 0 "98.07948" "" --molar-mass H2SO4
check 0 $'18.01528\n98.07948\n74.09268\n132.1406\n249.686\n180.15768' "" \
    --molar-mass H2O H2SO4 "Ca(OH)2" "(NH4)2SO4" "CuSO4·5H2O" C6H12O6
check 0 $'249.686\n249.686\n249.686\n249.686' "" \
    --molar-mass "CuSO4*5H2O" "CuSO4.5H2O" "CuSO4•5H2O" "CuSO4 · 5 H2O"
check 0 $'58.9332\n28.0104' "" --molar-mass Co CO
check 0 "36.03056" "" --molar-mass=2H2O
check 0 "18.01528" "" --precision 3 --molar-mass H2O

# The composition after each molar mass.
check 0 "98.07948
  Element  Count    g/mol  Mass %
  H            2  2.01588   2.055
  S            1   32.066  32.694
  O            4  63.9976  65.251
18.01528
  Element  Count    g/mol  Mass %
  H            2  2.01588  11.190
  O            1  15.9994  88.810" "" --molar-mass H2SO4 H2O --composition
check 0 "74.09268
  Element  Count    g/mol  Mass %
  Ca           1   40.078  54.092
  O            2  31.9988  43.188
  H            2  2.01588   2.721" "" --composition --molar-mass "Ca(OH)2"

# A bad formula: its message on standard error, status 2; the good ones still print.
check 2 "" "brisalto-calc: Xy2: Xy is not an element (at character 1)" --molar-mass Xy2
check 2 "" "brisalto-calc: co: co is not an element: a symbol begins with a capital letter (at character 1)" \
    --molar-mass co
check 2 "" "brisalto-calc: SO4^2-: charges are not part of a formula (at character 4)" \
    --molar-mass "SO4^2-"
check 2 "" "brisalto-calc: : the formula is empty" --molar-mass ""
check 2 $'18.01528\n98.07948' "brisalto-calc: Ca(OH: ( is not closed (at character 3)" \
    --molar-mass H2O "Ca(OH" H2SO4

# Usage errors.
try_help="Try 'brisalto-calc --help' for more information."
check 2 "" $'brisalto-calc: option \'--molar-mass\' needs FORMULA...\n'"$try_help" --molar-mass
check 2 "" $'brisalto-calc: option \'--molar-mass\' needs FORMULA...\n'"$try_help" \
    --molar-mass --composition
check 2 "" $'brisalto-calc: option \'--composition\' goes with \'--molar-mass\'\n'"$try_help" \
    --composition

# The help names the options.
help="$("$calc" --help)"
if ! grep -q -- "--molar-mass FORMULA..." <<<"$help" || ! grep -q -- "--composition" <<<"$help"; then
    fail "--help does not name --molar-mass and --composition"
fi

# A full disk is an error, not a quiet success.
if [[ -w /dev/full ]]; then
    err="$("$calc" --molar-mass H2O 2>&1 >/dev/full)"
    status=$?
    if [[ $status != 1 || "$err" != "brisalto-calc: write error: No space left on device" ]]; then
        fail "writing to /dev/full gave status $status, stderr [$err]"
    fi
fi

finish "--molar-mass cases"
