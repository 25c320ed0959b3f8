// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Result formatting: the number patterns, the precision limits, the pattern-driven formatter with
// the user's separators, and the texts of the separator line and the answer block.
#pragma once

#include <string>
#include <string_view>

#include "engine/calc_value.h"

namespace brisalto {

inline constexpr std::string_view kSeparatorLine =
    "-----------------------------------------------------------------------------------------"
    "--";
static_assert(kSeparatorLine.size() == 91);

inline constexpr std::string_view kScientificPattern = "0.0000000000000000E+00";
// FixedPattern before the first SetPrecision.
inline constexpr std::string_view kLoadFixedPattern = "#,##0.00000000000000000";
inline constexpr int kMinPrecision = 0;
inline constexpr int kMaxPrecision = 20;
inline constexpr int kDefaultPrecision = 10;

inline constexpr std::string_view kAnswerPrefix = "Answer(A) = ";
// Between the fixed and the scientific form of an Automatic result.
inline constexpr std::string_view kAutomaticOpen = "   (";
inline constexpr std::string_view kAutomaticClose = ")";

// Texts for values that are not finite.
inline constexpr std::string_view kInfinityText = "Infinity";
inline constexpr std::string_view kNegativeInfinityText = "-Infinity";
inline constexpr std::string_view kNotANumberText = "NaN";

inline constexpr std::string_view kDefaultThousandsSeparator = ",";
inline constexpr std::string_view kDefaultDecimalSeparator = ".";

// The user's separators as UTF-8 texts.
struct NumberSeparators {
    std::string thousands{kDefaultThousandsSeparator};
    std::string decimal{kDefaultDecimalSeparator};
};

// The separators of the user's locale (LC_ALL, LC_NUMERIC, LANG), without changing the process's
// locale; the default for an empty one or a locale that cannot be loaded.
NumberSeparators SeparatorsFromLocale();

// The fixed pattern a precision gives (p clamped into 0..20): "#,##0" or "#,##0." and p zeros.
std::string FixedPatternFor(int precision);

// What the formatter reads from a pattern such as "#,##0.00" or "0.00E+00"; read once, when
// the pattern changes, not for every result.
struct NumberPattern {
    bool grouping = false;
    int min_integer_digits = 0;
    int min_decimals = 0;
    int max_decimals = 0;
    bool scientific = false;
    bool exponent_sign_always = false;
    char exponent_letter = 'E';
    int exponent_digits = 0;
};

NumberPattern ParseNumberPattern(std::string_view text);

// Pattern elements: 0 # , . E+00 (E-00, e+00) and a leading "-" for negative values. Works from
// the value rounded to 18 significant digits; halves round away from zero.
std::string FormatNumber(std::string_view pattern, CalcValue value,
                         const NumberSeparators& separators = {});
std::string FormatNumber(const NumberPattern& pattern, CalcValue value,
                         const NumberSeparators& separators);
void AppendNumber(std::string& out, const NumberPattern& pattern, CalcValue value,
                  const NumberSeparators& separators);

// Fixed and scientific form of one value with one decimal conversion, as Automatic writes it.
std::string FormatAutomatic(std::string_view fixed_pattern, std::string_view scientific_pattern,
                            CalcValue value, const NumberSeparators& separators);
void AppendAutomatic(std::string& out, const NumberPattern& fixed_pattern,
                     const NumberPattern& scientific_pattern, CalcValue value,
                     const NumberSeparators& separators);

}  // namespace brisalto
