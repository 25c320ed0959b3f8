// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "command/result_format.h"

#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>

#include "engine/decimal_digits.h"

namespace brisalto {
namespace {

// The platform's number conversion kept this many significant digits.
inline constexpr int kSignificantDigits = 18;

// A magnitude as 0.d1d2d3... x 10^exponent; no digits for zero.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal ToDecimal(CalcValue value) {
    if (value == 0) return {};
    DecimalDigits d = LeadingDigits(value, kSignificantDigits);
    return {std::move(d.digits), d.exponent};
}

// Keeps the first `keep` significant digits, halves away from zero. May leave no digits (zero).
void RoundTo(Decimal& d, int keep) {
    if (d.digits.empty() || keep >= static_cast<int>(d.digits.size())) return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (!up) return;
    int i = keep - 1;
    while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
    if (i >= 0) {
        ++d.digits[i];
    } else {
        d.digits.insert(d.digits.begin(), '1');
        d.digits.resize(std::max(keep, 1));
        ++d.exponent;
    }
}

char DigitAt(const Decimal& d, long long index) {
    if (index < 0 || index >= static_cast<long long>(d.digits.size())) return '0';
    return d.digits[index];
}

}  // namespace

NumberPattern ParseNumberPattern(std::string_view text) {
    NumberPattern p;
    bool after_point = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c == 'E' || c == 'e') && i + 1 < text.size() &&
            (text[i + 1] == '+' || text[i + 1] == '-')) {
            p.scientific = true;
            p.exponent_letter = c;
            p.exponent_sign_always = text[i + 1] == '+';
            for (size_t j = i + 2; j < text.size() && text[j] == '0'; ++j) ++p.exponent_digits;
            break;
        }
        if (c == '.') {
            after_point = true;
        } else if (after_point) {
            if (c == '0') {
                ++p.min_decimals;
                ++p.max_decimals;
            } else if (c == '#') {
                ++p.max_decimals;
            }
        } else if (c == '0') {
            ++p.min_integer_digits;
        } else if (c == ',') {
            p.grouping = true;
        }
    }
    return p;
}

namespace {

// Drops trailing zeros of optional (#) decimals.
void TrimDecimals(std::string& fraction, int min_decimals) {
    while (static_cast<int>(fraction.size()) > min_decimals && fraction.back() == '0') {
        fraction.pop_back();
    }
}

void AppendGrouped(std::string& out, const std::string& digits, const std::string& separator) {
    // A separator goes before every digit that has a multiple of three digits after it.
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0) out += separator;
        out.push_back(digits[i]);
    }
}

bool HasNonZeroDigit(std::string_view digits) {
    return digits.find_first_not_of('0') != std::string_view::npos;
}

void AppendFixed(std::string& out, const NumberPattern& p, Decimal d, bool negative,
                 const NumberSeparators& s) {
    RoundTo(d, d.exponent + p.max_decimals);
    std::string integer;
    if (!d.digits.empty() && d.exponent > 0) {
        integer.reserve(d.exponent);
        for (int i = 0; i < d.exponent; ++i) integer.push_back(DigitAt(d, i));
    }
    if (static_cast<int>(integer.size()) < p.min_integer_digits) {
        integer.insert(0, p.min_integer_digits - integer.size(), '0');
    }
    std::string fraction;
    fraction.reserve(p.max_decimals);
    for (int i = 0; i < p.max_decimals; ++i) {
        fraction.push_back(d.digits.empty() ? '0'
                                            : DigitAt(d, static_cast<long long>(d.exponent) + i));
    }
    TrimDecimals(fraction, p.min_decimals);

    if (negative && (HasNonZeroDigit(integer) || HasNonZeroDigit(fraction))) out.push_back('-');
    if (p.grouping) {
        AppendGrouped(out, integer, s.thousands);
    } else {
        out += integer;
    }
    if (!fraction.empty()) {
        out += s.decimal;
        out += fraction;
    }
}

void AppendScientific(std::string& out, const NumberPattern& p, Decimal d, bool negative,
                      const NumberSeparators& s) {
    RoundTo(d, 1 + p.max_decimals);
    const bool zero = d.digits.empty();
    const int exponent = zero ? 0 : d.exponent - 1;
    std::string fraction;
    fraction.reserve(p.max_decimals);
    for (int i = 0; i < p.max_decimals; ++i) fraction.push_back(zero ? '0' : DigitAt(d, 1 + i));
    TrimDecimals(fraction, p.min_decimals);

    if (negative && !zero) out.push_back('-');
    out.push_back(zero ? '0' : d.digits[0]);
    if (!fraction.empty()) {
        out += s.decimal;
        out += fraction;
    }
    out.push_back(p.exponent_letter);
    if (exponent < 0) {
        out.push_back('-');
    } else if (p.exponent_sign_always) {
        out.push_back('+');
    }
    char digits[16];
    const int count = static_cast<int>(
        std::to_chars(digits, digits + sizeof digits, exponent < 0 ? -exponent : exponent).ptr -
        digits);
    if (count < p.exponent_digits)
        out.append(static_cast<std::size_t>(p.exponent_digits - count), '0');
    out.append(digits, static_cast<std::size_t>(count));
}

}  // namespace

std::string FixedPatternFor(int precision) {
    precision = std::clamp(precision, kMinPrecision, kMaxPrecision);
    std::string pattern = "#,##0";
    if (precision > 0) pattern += "." + std::string(precision, '0');
    return pattern;
}

NumberSeparators SeparatorsFromLocale() {
    NumberSeparators separators;
    const locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (user == static_cast<locale_t>(nullptr)) return separators;
    const char* thousands = nl_langinfo_l(THOUSEP, user);
    const char* decimal = nl_langinfo_l(RADIXCHAR, user);
    if (thousands != nullptr && *thousands != '\0') separators.thousands = thousands;
    if (decimal != nullptr && *decimal != '\0') separators.decimal = decimal;
    freelocale(user);
    return separators;
}

namespace {

void AppendDecimal(std::string& out, const NumberPattern& p, const Decimal& d, bool negative,
                   const NumberSeparators& s) {
    if (p.scientific) {
        AppendScientific(out, p, d, negative, s);
    } else {
        AppendFixed(out, p, d, negative, s);
    }
}

}  // namespace

std::string FormatNumber(std::string_view pattern, CalcValue value,
                         const NumberSeparators& separators) {
    return FormatNumber(ParseNumberPattern(pattern), value, separators);
}

std::string FormatNumber(const NumberPattern& pattern, CalcValue value,
                         const NumberSeparators& separators) {
    std::string text;
    AppendNumber(text, pattern, value, separators);
    return text;
}

void AppendNumber(std::string& out, const NumberPattern& pattern, CalcValue value,
                  const NumberSeparators& separators) {
    if (std::isnan(value)) {
        out += kNotANumberText;
    } else if (std::isinf(value)) {
        out += value < 0 ? kNegativeInfinityText : kInfinityText;
    } else {
        AppendDecimal(out, pattern, ToDecimal(value), std::signbit(value), separators);
    }
}

std::string FormatAutomatic(std::string_view fixed_pattern, std::string_view scientific_pattern,
                            CalcValue value, const NumberSeparators& separators) {
    std::string text;
    AppendAutomatic(text, ParseNumberPattern(fixed_pattern), ParseNumberPattern(scientific_pattern),
                    value, separators);
    return text;
}

void AppendAutomatic(std::string& out, const NumberPattern& fixed_pattern,
                     const NumberPattern& scientific_pattern, CalcValue value,
                     const NumberSeparators& separators) {
    // Both forms share one decimal conversion, the costly part.
    const Decimal d = ToDecimal(value);
    const bool negative = std::signbit(value);
    AppendDecimal(out, fixed_pattern, d, negative, separators);
    out += kAutomaticOpen;
    AppendDecimal(out, scientific_pattern, d, negative, separators);
    out += kAutomaticClose;
}

}  // namespace brisalto
