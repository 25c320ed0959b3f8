#!/usr/bin/env bash
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# brisalto-calc --convert and --list-units end to end: exit status, standard output and error.
# Usage: convert_e2e.sh PATH-TO-BRISALTO-CALC
set -u
calc="$1"
# shellcheck source=tests/cli/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"

julian0="brisalto-calc: 0.000000 Julian cannot be represented as a DateTime"

# Results as the dialog's result field shows them.
check 0 "0.621371192237334" "" --convert 1 Kilometers Miles
check 0 "0.621371192237334" "" --convert 1 KILOMETERS miles
check 0 "212" "" --convert 100 Celsius Fahrenheit
check 0 "-273.15" "" --convert 0 Kelvin Celsius
check 0 "100" "" --convert 80 Reaumur Celsius
check 0 "-40" "" --convert -40 Celsius Fahrenheit
check 0 "491.67" "" --convert 0 Celsius Rankine
check 0 "760" "" --convert 1 atmosphere "torr(mmHg)"
check 0 "100000" "" --convert 1 bar pascal
check 0 "0.986923266716013" "" --convert 1 bar atmosphere
check 0 "4.184" "" --convert 1 calorie joule
check 0 "3.14159265358979" "" --convert 180 degrees radian
check 0 "360" "" --convert 1 cycle degrees
check 0 "400" "" --convert 1 cycle grad
check 0 "2415018.5" "" --convert 0 DateTime JulianDate
check 0 "0" "" --convert 2415018.5 JulianDate DateTime
check 0 "15018" "" --convert 0 DateTime ModifiedJulianDate
check 0 "365.25" "" --convert 1 Years Days
check 0 "30.4375" "" --convert 1 Months Days
check 0 "1E-5" "" --convert 0.00001 Meters Meters
check 0 "1E15" "" --convert 1e15 Meters Meters
check 0 "640" "" --convert 1 SquareMiles Acres
check 0 "1000" "" --convert 1 Liters CubicCentimeters
check 0 "16" "" --convert 1 Pounds Ounces
# A text that is not a number is refused (the dialog would take it as 0).
check 2 "" $'brisalto-calc: not a number: abc\nTry \'brisalto-calc --help\' for more information.' \
    --convert abc Meters Feet
# Beyond the double range, in the value or in the result.
# An overflow is a failure a script sees: nothing on standard output, status 1.
check 1 "" "brisalto-calc: 1e400 Meters in Feet: Floating point over flow" --convert 1e400 Meters Feet
check 1 "" "brisalto-calc: -1e400 Kelvin in Celsius: Floating point over flow" \
    --convert -1e400 Kelvin Celsius
check 1 "" "brisalto-calc: 1e308 Kilometers in Millimeters: Floating point over flow" \
    --convert 1e308 Kilometers Millimeters
# Below it: quietly 0.
check 0 "0" "" --convert 1e-320 Micromicrons Meters

# What the dialog shows in an error box goes to standard error with status 1.
check 1 "" "$julian0" --convert 0 JulianDate DateTime
check 1 "" "brisalto-calc: -1.000000 Julian cannot be represented as a DateTime" --convert -1 JulianDate DateTime
check 1 "" "brisalto-calc: 5373484.500000 Julian cannot be represented as a DateTime" \
    --convert 5373484.5 JulianDate DateTime
check 1 "" "brisalto-calc: Incompatible conversion types [Kilometers, Grams]" --convert 1 Kilometers Grams
check 1 "" "brisalto-calc: Incompatible conversion types [Celsius, Days]" --convert 1 celsius days
check 1 "" "brisalto-calc: Invalid floating point operation" --convert 1e300 DateTime JulianDate
check 1 "" "brisalto-calc: Unknown unit 'League'" --convert 1 League Meters
check 1 "" "brisalto-calc: Unknown unit 'parsek'" --convert 1 Meters parsek

# Units by symbol; a symbol keeps its case; a word for several units asks for the description.
check 0 "0.621371192237334" "" --convert 1 km mi
check 0 "212" "" --convert 100 degC degF
check 0 "760" "" --convert 1 atm mmHg
check 0 "3.785411784" "" --convert 1 gal L
check 0 "14.7" "" --convert 1 atm psi
check 0 "1000" "" --convert 1 Kilometers m
check 1 "" "brisalto-calc: Unknown unit 'Mm'" --convert 1 Mm m
check 1 "" "brisalto-calc: Ambiguous unit 'gallon': give one of FluidGallons, DryGallons, UKGallons" \
    --convert 1 gallon L
check 1 "" "brisalto-calc: Ambiguous unit 'pt': give one of FluidPints, DryPints, UKPints" --convert 1 L pt
check 1 "" "brisalto-calc: Incompatible conversion types [Kilometers, Grams]" --convert 1 km g
# Words in the singular or plural, and a chemist's spellings.
check 0 "201.168" "" --convert 1 furlong m
check 0 "212" "" --convert 100 °C °F
check 0 "1" "" --convert 1 cc mL
check 1 "" "brisalto-calc: Ambiguous unit 'tons': give one of MetricTons, Tons, LongTons" --convert 1 tons kg
# Every symbol --list-units shows stands for the unit it is listed beside.
while IFS=$'\t' read -r description symbols; do
    for symbol in ${symbols//,/}; do
        by_symbol="$("$calc" --convert 5 "$symbol" "$description" 2>&1)"
        by_name="$("$calc" --convert 5 "$description" "$description" 2>&1)"
        [[ "$by_symbol" == "$by_name" ]] ||
            fail "symbol $symbol of $description: [$by_symbol]"
    done
done < <("$calc" --list-units | awk -F'  +' '/^  / && NF == 3 {print $2 "\t" $3}')

# Listings: the nine families in the dialog's order, each followed by its units.
listing="$("$calc" --list-units)"
status=$?
families="$(grep -v '^  ' <<<"$listing" | tr '\n' ' ')"
if [[ $status != 0 || "$families" != "Area Distance Mass Volume Temperature Time Energy Pressure trigonometric " ]]; then
    fail "--list-units families [$families], status $status"
fi
units="$(grep -c '^  ' <<<"$listing")"
if [[ "$units" != 144 ]]; then
    fail "--list-units lists $units units, wanted 144"
fi
check 0 $'Energy\n  joule                       J\n  calorie                     cal\n  British thermal unit (btu)  btu' \
    "" --list-units ENERGY
check 0 $'trigonometric\n  radian   rad\n  degrees  deg\n  grad     grad\n  cycle    cyc' "" \
    --list-units Trigonometric
check 0 $'Temperature\n  Celsius     C, degC\n  Kelvin      K\n  Fahrenheit  F, degF\n  Rankine     R\n  Reaumur     Re' "" \
    --list-units temperature
check 1 "" "brisalto-calc: Unknown unit family 'Length'" --list-units Length

finish "--convert cases"
