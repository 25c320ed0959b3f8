// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "engine/number_text.h"

#include <locale.h>
#include <stdlib.h>

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "engine/decimal_digits.h"
#include "engine/errors.h"

namespace brisalto {

namespace {

constexpr const char* kNotFloatTextHead = "'";
constexpr const char* kNotFloatTextTail = "' is not a valid floating point value";
constexpr const char* kNotIntTextTail = "' is not a valid integer value";

// The exponent's digits are read until the accumulated exponent reaches this; a digit after it
// makes the text malformed.
constexpr int kExponentStop = 500;
// 0.d1d2...dk x 10^x is written without an exponent for x in -3..15.
constexpr int kShortestPlainExponent = -3;
constexpr int kLongestPlainExponent = 15;

[[noreturn]] void FailFloatText(std::string_view text) {
    throw ConvertError(kNotFloatTextHead + std::string(text) + kNotFloatTextTail);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The C locale, so that the user's decimal separator never changes a number's value.
locale_t CLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

constexpr const auto& kExactPowers = kExactPowersOfTen;

// Up to 19 significant digits and a small decimal exponent: both the digits and the power of
// ten are exact, so one multiplication or division rounds correctly. Nullopt otherwise.
std::optional<CalcValue> ExactQuotient(std::string_view digits, int scale, bool negative) {
    std::uint64_t mantissa = 0;
    int count = 0;
    for (const char c : digits) {
        if (c == '.') continue;
        if (mantissa == 0 && c == '0') continue;
        if (++count > 19) return std::nullopt;
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (scale <= -kExactPowerCount || scale >= kExactPowerCount) return std::nullopt;
    const auto m = static_cast<CalcValue>(mantissa);
    const CalcValue value = scale < 0 ? m / kExactPowers[static_cast<std::size_t>(-scale)]
                                      : m * kExactPowers[static_cast<std::size_t>(scale)];
    return negative ? -value : value;
}

// The common short number, digits with at most one point, up to 19 significant digits and 27
// decimals: the exact step below without the grammar walk. Nothing for any other text.
std::optional<CalcValue> ShortDecimal(std::string_view text) {
    std::uint64_t m = 0;
    int significant = 0;
    int decimals = 0;
    bool point = false;
    for (const char c : text) {
        if (c == '.') {
            if (point) return std::nullopt;
            point = true;
            continue;
        }
        if (!IsDigit(c)) return std::nullopt;
        if (point) ++decimals;
        if (m == 0 && c == '0') continue;
        if (++significant > 19) return std::nullopt;
        m = m * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (significant == 0 || decimals >= kExactPowerCount) return std::nullopt;
    const auto value = static_cast<CalcValue>(m);
    return decimals == 0 ? value : value / kExactPowers[static_cast<std::size_t>(decimals)];
}

}  // namespace

CalcValue TextToValue(std::string_view text) {
    if (const auto value = ShortDecimal(text)) return *value;
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && text[i] == ' ') ++i;

    // The grammar is checked here, not by strtold.
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    bool any_digit = false;
    bool any_point = false;
    int fraction_digits = 0;
    const std::size_t mantissa_start = i;
    while (i < n) {
        if (IsDigit(text[i])) {
            any_digit = true;
            if (any_point) ++fraction_digits;
        } else if (text[i] == '.' && !any_point) {
            any_point = true;
        } else {
            break;
        }
        ++i;
    }
    const std::string_view mantissa = text.substr(mantissa_start, i - mantissa_start);
    if (!any_digit && !any_point) FailFloatText(text);

    int exponent = 0;
    bool has_exponent = false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        has_exponent = true;
        ++i;
        bool negative_exponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            negative_exponent = text[i] == '-';
            ++i;
        }
        while (i < n && IsDigit(text[i]) && exponent < kExponentStop) {
            exponent = exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (negative_exponent) exponent = -exponent;
    }
    while (i < n && text[i] == ' ') ++i;
    if (i != n) FailFloatText(text);

    if (!any_digit) return negative ? -0.0L : 0.0L;
    if (const auto exact = ExactQuotient(mantissa, exponent - fraction_digits, negative)) {
        return *exact;
    }

    // A validated copy in the form strtold reads, built only when the exact path cannot answer.
    std::string clean;
    if (negative) clean += '-';
    clean += mantissa;
    if (has_exponent) {
        clean += 'e';
        clean += std::to_string(exponent);
    }
    const CalcValue value = strtold_l(clean.c_str(), nullptr, CLocale());
    if (std::isinf(value) || std::isnan(value)) FailFloatText(text);
    return value;
}

bool ValueTextHasExponent(CalcValue value) {
    if (!std::isfinite(value) || value == 0.0L || std::fpclassify(value) == FP_SUBNORMAL)
        return false;
    if (std::fabs(value) < 1e15L && std::trunc(value) == value) return false;
    std::uint64_t whole = 0;
    int x = 0;
    if (!LeadingDigitsWhole(value, 15, whole, x)) x = LeadingDigits(value, 15).exponent;
    return x > kLongestPlainExponent || x < kShortestPlainExponent;
}

std::string ValueToText(CalcValue value) {
    if (std::isnan(value)) return std::signbit(value) ? "-NAN" : "NAN";
    if (std::isinf(value)) return std::signbit(value) ? "-INF" : "INF";
    if (value == 0.0L || std::fpclassify(value) == FP_SUBNORMAL) return "0";
    // Whole numbers below 10^15 are their own 15-digit text.
    if (std::fabs(value) < 1e15L && std::trunc(value) == value) {
        char whole[24];
        const auto end =
            std::to_chars(whole, whole + sizeof whole, static_cast<std::int64_t>(value));
        return std::string(whole, end.ptr);
    }

    DecimalDigits decimal = LeadingDigits(value, 15);
    std::string& digits = decimal.digits;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    // The magnitude is 0.d1d2...dk x 10^x.
    const int x = decimal.exponent;
    const int k = static_cast<int>(digits.size());
    std::string text = std::signbit(value) ? "-" : "";
    if (x > kLongestPlainExponent || x < kShortestPlainExponent) {
        text += digits[0];
        if (k > 1) {
            text += '.';
            text.append(digits, 1);
        }
        text += 'E';
        text += std::to_string(x - 1);
    } else if (x >= 1) {
        if (k <= x) {
            text += digits;
            text.append(static_cast<std::size_t>(x - k), '0');
        } else {
            text.append(digits, 0, static_cast<std::size_t>(x));
            text += '.';
            text.append(digits, static_cast<std::size_t>(x));
        }
    } else {
        text += "0.";
        text.append(static_cast<std::size_t>(-x), '0');
        text += digits;
    }
    return text;
}

std::int32_t TextToInt(std::string_view text) {
    const auto fail = [text]() -> std::int32_t {
        throw ConvertError(kNotFloatTextHead + std::string(text) + kNotIntTextTail);
    };
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) return fail();
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i])) return fail();
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > 2147483648LL) return fail();
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > 2147483647LL) return fail();
    return static_cast<std::int32_t>(value);
}

}  // namespace brisalto
