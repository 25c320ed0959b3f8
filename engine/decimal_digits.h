// The leading decimal digits of a CalcValue, correctly rounded. Both the engine's number texts
// and the result formatting need them on every line, so the common range avoids printf.
#pragma once

#include <string>

#include "engine/calc_value.h"

namespace brisalto {

// The magnitude of a finite, non-zero value as 0.d1d2...dn x 10^exponent, with exactly `count`
// digits (1 to 18, d1 not zero), rounded to nearest.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

DecimalDigits LeadingDigits(CalcValue value, int count);

}  // namespace brisalto
