// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "command/result_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <chrono>
#include <limits>

#include "command/calculator.h"
#include "command/line_outcome.h"

namespace brisalto {
namespace {

class ResultFormatTest : public ::testing::Test {
  protected:
    Calculator calc_;
};

struct PatternRow {
    const char* pattern;
    CalcValue value;
    const char* expected;
};

constexpr const char* kSci = "0.0000000000000000E+00";
constexpr const char* kFix10 = "#,##0.0000000000";
constexpr const char* kFix0 = "#,##0";
constexpr const char* kFix20 = "#,##0.00000000000000000000";

TEST_F(ResultFormatTest, FormatNumberFollowsThePattern) {
    const PatternRow rows[] = {
        // Scientific: one integer digit, sixteen decimals, signed exponent of two or more digits.
        {kSci, 0.0L, "0.0000000000000000E+00"},
        {kSci, -0.0L, "0.0000000000000000E+00"},
        {kSci, 1234.5L, "1.2345000000000000E+03"},
        {kSci, 1e20L, "1.0000000000000000E+20"},
        {kSci, -1e-5L, "-1.0000000000000000E-05"},
        {kSci, 1e100L, "1.0000000000000000E+100"},
        {kSci, 1e4932L, "1.0000000000000000E+4932"},
        {kSci, LDBL_TRUE_MIN, "3.6451995318824746E-4951"},
        {kSci, 2.0L / 3.0L, "6.6666666666666667E-01"},
        {kSci, 0.1, "1.0000000000000001E-01"},
        {kSci, 999999.999999999999L, "1.0000000000000000E+06"},
        {"0.00E-00", 1234.0L, "1.23E03"},
        {"0.00E-00", 0.001234L, "1.23E-03"},
        {"0.00e+000", 5.0L, "5.00e+000"},
        // Fixed: grouping by threes, rounding to the last decimal, halves away from zero.
        {kFix10, 1234.5L, "1,234.5000000000"},
        {kFix10, 0.0L, "0.0000000000"},
        {kFix10, -1234567.25L, "-1,234,567.2500000000"},
        {kFix10, 999.99999999995L, "1,000.0000000000"},
        {kFix10, -0.00000000001L, "0.0000000000"},
        {kFix10, -0.00000000005L, "-0.0000000001"},
        {kFix10, 1e30L, "1,000,000,000,000,000,000,000,000,000,000.0000000000"},
        {kFix10, 123456789012345678901234567890.0L,
         "123,456,789,012,345,679,000,000,000,000.0000000000"},
        {kFix10, 1e-4940L, "0.0000000000"},
        {kFix0, 0.5L, "1"},
        {kFix0, 2.5L, "3"},
        {kFix0, -2.5L, "-3"},
        {kFix0, 0.4L, "0"},
        {kFix0, -0.4L, "0"},
        {kFix0, 123.0L, "123"},
        {kFix0, 123456.0L, "123,456"},
        {kFix0, 1234567.0L, "1,234,567"},
        // Past the eighteenth significant digit every position is zero.
        {kFix20, 0.1L, "0.10000000000000000000"},
        {kFix20, 1.0L / 3.0L, "0.33333333333333333300"},
        {kFix20, 0.1, "0.10000000000000000600"},
        // Optional decimals, leading zeros, no grouping.
        {"0.##", 1.5L, "1.5"},
        {"0.##", 2.0L, "2"},
        {"0.00##", 1.5L, "1.50"},
        {"0.00##", 1.23456L, "1.2346"},
        {"000", 7.0L, "007"},
        {"0", 1234567.0L, "1234567"},
        // Values that are not finite.
        {kFix10, std::numeric_limits<CalcValue>::infinity(), "Infinity"},
        {kSci, -std::numeric_limits<CalcValue>::infinity(), "-Infinity"},
        {kFix10, std::numeric_limits<CalcValue>::quiet_NaN(), "NaN"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FormatNumber(row.pattern, row.value), row.expected)
            << "pattern " << row.pattern << " value " << static_cast<double>(row.value);
    }
}

TEST_F(ResultFormatTest, HugeFixedValuesAreWrittenOutQuickly) {
    const auto start = std::chrono::steady_clock::now();
    const std::string text = FormatNumber(kFix20, LDBL_MAX);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    // 4933 integer digits in 1645 groups (1644 separators), a point and twenty decimals.
    EXPECT_EQ(text.size(), 4933u + 1644u + 1u + 20u);
    EXPECT_EQ(text.substr(0, 28), "1,189,731,495,357,231,770,00");
    EXPECT_EQ(text.substr(text.size() - 21), ".00000000000000000000");
}

TEST_F(ResultFormatTest, SeparatorsComeFromTheCalculator) {
    struct Row {
        const char* thousands;
        const char* decimal;
        const char* pattern;
        CalcValue value;
        const char* expected;
    };
    const Row rows[] = {
        {".", ",", "#,##0.00", 1234567.5L, "1.234.567,50"},
        {".", ",", kSci, 1234.5L, "1,2345000000000000E+03"},
        {"\u202f", ",", "#,##0.0", 1234.5L, "1\u202f234,5"},
        {"", "", "#,##0.00", 1234.5L, "1,234.50"},
        {"'", "", "#,##0.00", 1234.5L, "1'234.50"},
    };
    for (const auto& row : rows) {
        NumberSeparators separators;
        if (*row.thousands != '\0') separators.thousands = row.thousands;
        if (*row.decimal != '\0') separators.decimal = row.decimal;
        calc_.SetNumberSeparators(separators);
        EXPECT_EQ(calc_.FormatNumber(row.pattern, row.value), row.expected)
            << "separators '" << row.thousands << "' '" << row.decimal << "'";
    }
}

TEST_F(ResultFormatTest, PrecisionIsClampedAndShapesTheFixedPattern) {
    EXPECT_EQ(calc_.GetPrecision(), 0);
    EXPECT_EQ(calc_.FixedPattern(), "#,##0.00000000000000000");
    struct Row {
        int set;
        int stored;
        const char* pattern;
    };
    const Row rows[] = {
        {10, 10, "#,##0.0000000000"},
        {0, 0, "#,##0"},
        {1, 1, "#,##0.0"},
        {20, 20, "#,##0.00000000000000000000"},
        {25, 20, "#,##0.00000000000000000000"},
        {-3, 0, "#,##0"},
    };
    for (const auto& row : rows) {
        calc_.SetPrecision(row.set);
        EXPECT_EQ(calc_.GetPrecision(), row.stored) << "SetPrecision(" << row.set << ")";
        EXPECT_EQ(calc_.FixedPattern(), row.pattern) << "SetPrecision(" << row.set << ")";
        EXPECT_EQ(calc_.ScientificPattern(), kSci) << "SetPrecision(" << row.set << ")";
    }
}

struct ResultRow {
    const char* mode;
    int precision;
    CalcValue value;
    const char* expected;
};

void SetMode(Calculator& calc, const std::string& mode) {
    calc.SetScientificFlag(mode == "sci" || mode == "both");
    calc.SetAutomaticFlag(mode == "auto" || mode == "both");
}

TEST_F(ResultFormatTest, NumberFormatPicksThePattern) {
    const ResultRow rows[] = {
        {"auto", 10, 1234.5L, "1,234.5000000000   (1.2345000000000000E+03)"},
        {"auto", 10, 1e20L, "1.0000000000000000E+20"},
        {"auto", 10, 0.0L, "0.0000000000   (0.0000000000000000E+00)"},
        {"auto", 10, 0.00001L, "1.0000000000000000E-05"},
        {"auto", 10, 0.0001L, "0.0001000000   (1.0000000000000000E-04)"},
        {"auto", 10, 1e15L, "1.0000000000000000E+15"},
        {"auto", 10, 999999999999999.0L,
         "999,999,999,999,999.0000000000   (9.9999999999999900E+14)"},
        {"auto", 0, 2.5L, "3   (2.5000000000000000E+00)"},
        {"auto", 2, -1.0L, "-1.00   (-1.0000000000000000E+00)"},
        {"sci", 10, 1234.5L, "1.2345000000000000E+03"},
        {"sci", 0, 1234.5L, "1.2345000000000000E+03"},
        {"fix", 10, 1234.5L, "1,234.5000000000"},
        {"fix", 0, 1234.5L, "1,235"},
        {"fix", 20, 1e20L, "100,000,000,000,000,000,000.00000000000000000000"},
        {"both", 10, 1234.5L, "1,234.5000000000   (1.2345000000000000E+03)"},
    };
    for (const auto& row : rows) {
        SetMode(calc_, row.mode);
        calc_.SetPrecision(row.precision);
        EXPECT_EQ(calc_.FormatResult(row.value), row.expected)
            << row.mode << " precision " << row.precision << " value "
            << static_cast<double>(row.value);
    }
}

TEST_F(ResultFormatTest, ShowAnswerFramesTheValueAndStoresIt) {
    calc_.SetPrecision(10);
    LineOutcome out;
    calc_.ShowAnswer(out, 5.0L);
    const std::vector<std::string> expected = {
        std::string(kSeparatorLine),
        "Answer(A) = 5.0000000000   (5.0000000000000000E+00)",
        std::string(kSeparatorLine),
    };
    EXPECT_EQ(out.lines, expected);
    EXPECT_EQ(calc_.Answer(), 5.0L);
    EXPECT_EQ(kSeparatorLine, std::string(91, '-'));
}

TEST_F(ResultFormatTest, AppendResultExtendsTheGivenLine) {
    calc_.SetPrecision(2);
    SetMode(calc_, "fix");
    LineOutcome out;
    out.lines = {"first ", "second "};
    calc_.AppendResult(out, 0, 1.5L);
    EXPECT_EQ(out.lines[0], "first 1.50");
    EXPECT_EQ(out.lines[1], "second ");
    calc_.AppendResult(out, 2, 1.5L);
    EXPECT_EQ(out.lines.size(), 2u) << "a line that is not there is left alone";
}

}  // namespace
}  // namespace brisalto
