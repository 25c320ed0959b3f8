// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The leading decimal digits of a CalcValue, correctly rounded. Both the engine's number texts
// and the result formatting need them on every line, so the common range avoids printf.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/calc_value.h"

namespace brisalto {

// 10^0 .. 10^27, the powers of ten a CalcValue holds exactly (5^27 < 2^64).
inline constexpr int kExactPowerCount = 28;
inline constexpr std::array<CalcValue, kExactPowerCount> kExactPowersOfTen = [] {
    std::array<CalcValue, kExactPowerCount> powers{};
    CalcValue p = 1;
    for (CalcValue& power : powers) {
        power = p;
        p *= 10;
    }
    return powers;
}();

// The magnitude of a finite, non-zero value as 0.d1d2...dn x 10^exponent, with exactly `count`
// digits (1 to 18, d1 not zero), rounded to nearest.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

DecimalDigits LeadingDigits(CalcValue value, int count);

// The same digits as one integer of exactly count digits (count at most 19), for a finite
// non-zero value, with the exponent of LeadingDigits. False where LeadingDigits needs printf.
bool LeadingDigitsWhole(CalcValue value, int count, std::uint64_t& whole, int& exponent);

}  // namespace brisalto
