// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "engine/decimal_digits.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>

namespace brisalto {
namespace {

constexpr const auto& kPowers = kExactPowersOfTen;
constexpr double kLog10Of2 = 0.301029995663981195;

// ilogb of a finite non-zero value, read from the 80-bit format's exponent field where the value
// is normal (libm's ilogbl is a call on every use).
int BinaryExponent(CalcValue v) {
    static_assert(std::numeric_limits<CalcValue>::digits == 64 &&
                  std::numeric_limits<CalcValue>::max_exponent == 16384);
    unsigned char bytes[sizeof(CalcValue)];
    std::memcpy(bytes, &v, sizeof bytes);
    const int field = ((bytes[9] & 0x7f) << 8) | bytes[8];
    if (field == 0 || field == 0x7fff) return std::ilogb(v);
    return field - 16383;
}

// glibc's conversion is exact; only digits and the exponent are read, whatever decimal point
// the locale has.
DecimalDigits PrintedDigits(CalcValue magnitude, int count) {
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, "%.*Le", count - 1, magnitude);
    DecimalDigits d;
    int i = 0;
    for (; i < n && buffer[i] != 'e'; ++i) {
        if (buffer[i] >= '0' && buffer[i] <= '9') d.digits.push_back(buffer[i]);
    }
    int exponent = 0;
    bool negative = false;
    for (++i; i < n; ++i) {
        if (buffer[i] == '-') negative = true;
        if (buffer[i] >= '0' && buffer[i] <= '9') exponent = exponent * 10 + (buffer[i] - '0');
    }
    d.exponent = (negative ? -exponent : exponent) + 1;
    return d;
}

}  // namespace

bool LeadingDigitsWhole(CalcValue value, int count, std::uint64_t& whole, int& top) {
    const CalcValue magnitude = std::fabs(value);
    // Scale so that the wanted digits are the integer part: one correctly rounded multiply or
    // divide by an exact power. Its error is below one unit in the last place of the product, so
    // rounding that product gives the right digits unless it lies that close to a half.
    // floor(log10(magnitude)) is this or one more, since magnitude lies in [2^e, 2^(e+1)); the
    // loop below corrects it. Cheaper than log10 on the long double.
    int exponent = static_cast<int>(std::floor(BinaryExponent(magnitude) * kLog10Of2));
    const CalcValue low = kPowers[static_cast<std::size_t>(count - 1)];
    const CalcValue high = kPowers[static_cast<std::size_t>(count)];
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int shift = count - 1 - exponent;
        if (shift <= -kExactPowerCount || shift >= kExactPowerCount) break;
        const CalcValue scaled = shift >= 0 ? magnitude * kPowers[static_cast<std::size_t>(shift)]
                                            : magnitude / kPowers[static_cast<std::size_t>(-shift)];
        if (scaled < low) {
            --exponent;
            continue;
        }
        if (scaled >= high) {
            ++exponent;
            continue;
        }
        const CalcValue floor_part = std::floor(scaled);
        const CalcValue fraction = scaled - floor_part;
        // Two units in the last place of scaled: 2^(e-62), with e in 0..63 since 1 <= scaled <
        // 10^19 < 2^64.
        const int below = 62 - BinaryExponent(scaled);
        const CalcValue margin =
            below >= 0 ? 1.0L / static_cast<CalcValue>(std::uint64_t{1} << below) : 2.0L;
        if (std::fabs(fraction - 0.5L) <= margin) break;
        whole = static_cast<std::uint64_t>(floor_part) + (fraction > 0.5L ? 1 : 0);
        top = exponent + 1;
        if (static_cast<CalcValue>(whole) >= high) {  // 999..9.7 rounds up to 10^count
            whole /= 10;
            ++top;
        }
        return true;
    }
    return false;
}

DecimalDigits LeadingDigits(CalcValue value, int count) {
    std::uint64_t whole = 0;
    int top = 0;
    if (!LeadingDigitsWhole(value, count, whole, top)) {
        return PrintedDigits(std::fabs(value), count);
    }
    DecimalDigits d;
    d.digits.resize(static_cast<std::size_t>(count));
    for (int i = count - 1; i >= 0; --i) {
        d.digits[static_cast<std::size_t>(i)] = static_cast<char>('0' + whole % 10);
        whole /= 10;
    }
    d.exponent = top;
    return d;
}

}  // namespace brisalto
