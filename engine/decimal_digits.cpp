// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "engine/decimal_digits.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace brisalto {
namespace {

constexpr const auto& kPowers = kExactPowersOfTen;
constexpr double kLog10Of2 = 0.301029995663981195;

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
    int exponent = static_cast<int>(std::floor(std::ilogb(magnitude) * kLog10Of2));
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
        // Two units in the last place of scaled.
        const CalcValue margin = std::ldexp(1.0L, std::ilogb(scaled) - 62);
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
