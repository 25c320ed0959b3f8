// Result formatting: the two number patterns, the precision, the pattern-driven formatter, and
// the separator line and answer block every output is framed by.
#pragma once

#include <string>
#include <string_view>

#include "command/calculator_view.h"
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

const std::string& ScientificPattern();
const std::string& FixedPattern();

// Clamps p into 0..20 and rebuilds FixedPattern ("#,##0" or "#,##0." and p zeros).
void SetPrecision(int p);
int GetPrecision();
// The fixed pattern a precision gives (p clamped into 0..20).
std::string FixedPatternFor(int precision);

// The user's separators as UTF-8 texts; an empty text means the default ("," and ".").
void SetNumberSeparators(std::string_view thousands, std::string_view decimal);
const std::string& ThousandsSeparator();
const std::string& DecimalSeparator();

// Pattern elements: 0 # , . E+00 (E-00, e+00) and a leading "-" for negative values. Works from
// the value rounded to 18 significant digits; halves round away from zero.
std::string FormatNumber(std::string_view pattern, CalcValue value);

// The text AppendResult appends under the current NumberFormat.
std::string FormatResult(CalcValue value);

// Appends the formatted value to the end of line line_index of the results window.
void AppendResult(CalculatorView& view, int line_index, CalcValue value);
// Separator, "Answer(A) = " and the value, separator; then the value becomes the answer A.
void ShowAnswer(CalculatorView& view, CalcValue value);
void SeparatorLine(CalculatorView& view);

// Precision 0, the load-time fixed pattern and the default separators. For tests.
void ResetResultFormat();

}  // namespace brisalto
