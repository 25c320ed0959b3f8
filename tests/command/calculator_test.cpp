// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "command/calculator.h"

#include <gtest/gtest.h>

#include "command/calculator_start.h"
#include "command/result_format.h"

namespace brisalto {
namespace {

using Lines = std::vector<std::string>;
const std::string kSep(kSeparatorLine);

class CalculatorStateTest : public ::testing::Test {
  protected:
    void SetUp() override { calc_.SetPrecision(kDefaultPrecision); }
    Calculator calc_;
    LineOutcome out_;
};

TEST_F(CalculatorStateTest, StartTableHasThirteenZerosAndPi) {
    const VariableTable& table = calc_.variables();
    EXPECT_EQ(table.names,
              (Lines{"A", "B", "C", "D", "F", "G", "H", "I", "J", "K", "L", "M", "N", "P"}));
    for (int i = 0; i < kAssignableCount; ++i) EXPECT_EQ(table.values[i], 0) << table.names[i];
    EXPECT_EQ(table.values[kPiIndex], static_cast<CalcValue>(3.141592653589793116));
}

TEST_F(CalculatorStateTest, PiAndIndicesOutsideTheTableCannotBeWritten) {
    for (int index : {kPiIndex, -1, 14, 1000}) {
        calc_.SetVariableValue(index, 9);
        EXPECT_EQ(calc_.variables().values[kPiIndex], static_cast<CalcValue>(3.141592653589793116))
            << index;
    }
    EXPECT_EQ(calc_.VariableValue(-1), 0);
    EXPECT_EQ(calc_.VariableValue(99), 0);
}

TEST_F(CalculatorStateTest, ListVariablesShowsAThenBToNWithoutP) {
    calc_.SetVariableValue(kAnswerIndex, 5);
    calc_.SetVariableValue(12, -1.5L);
    calc_.SetScientificFlag(false);
    calc_.SetAutomaticFlag(false);
    calc_.ListVariables(out_);
    const Lines expected = {kSep,
                            "Parameters Values ",
                            kSep,
                            "A (Answer) = 5.0000000000",
                            "B = 0.0000000000",
                            "C = 0.0000000000",
                            "D = 0.0000000000",
                            "F = 0.0000000000",
                            "G = 0.0000000000",
                            "H = 0.0000000000",
                            "I = 0.0000000000",
                            "J = 0.0000000000",
                            "K = 0.0000000000",
                            "L = 0.0000000000",
                            "M = 0.0000000000",
                            "N = -1.5000000000"};
    EXPECT_EQ(out_.lines, expected);
}

TEST_F(CalculatorStateTest, ModeLineNamesAngleAndFormat) {
    struct Row {
        AngleMode angle;
        bool scientific;
        bool automatic;
        const char* line;
    };
    const Row rows[] = {
        {kDegrees, false, true, "Mode : Degrees : Automatic"},
        {kRadian, true, false, "Mode : Radian : Scientific"},
        {kGrads, false, false, "Mode : Grads : Fixed"},
        {kCycle, false, true, "Mode : Cycle : Automatic"},
        // A hand-edited settings file: both flags show Scientific, an unknown angle no part.
        {kDegrees, true, true, "Mode : Degrees : Scientific"},
        {7, false, true, "Mode : Automatic"},
        {-1, false, false, "Mode : Fixed"},
    };
    for (const auto& row : rows) {
        calc_.SetAngleMode(row.angle);
        calc_.SetScientificFlag(row.scientific);
        calc_.SetAutomaticFlag(row.automatic);
        out_.Reset();
        calc_.ListMode(out_);
        EXPECT_EQ(out_.lines, (Lines{kSep, row.line, kSep})) << row.line;
    }
}

TEST_F(CalculatorStateTest, RefreshModeIndicatorsFollowsTheState) {
    struct Row {
        AngleMode angle;
        bool scientific;
        bool automatic;
        std::optional<std::string_view> mode_caption;
        AngleMode checked_angle;
        const char* format_caption;
        FormatKind checked_format;
    };
    const Row rows[] = {
        {kDegrees, false, true, "Degrees", kDegrees, "Automatic", FormatKind::kAutomatic},
        {kRadian, true, false, "Radian", kRadian, "Scientific", FormatKind::kScientific},
        {kGrads, false, false, "Grads", kGrads, "Fixed", FormatKind::kFixed},
        {kCycle, true, true, "Cycle", kCycle, "Scientific", FormatKind::kScientific},
        {4, false, true, std::nullopt, 4, "Automatic", FormatKind::kAutomatic},
    };
    for (const auto& row : rows) {
        calc_.SetAngleMode(row.angle);
        calc_.SetScientificFlag(row.scientific);
        calc_.SetAutomaticFlag(row.automatic);
        const ModeIndicators shown = calc_.RefreshModeIndicators();
        EXPECT_EQ(shown.angle_caption, row.mode_caption) << row.angle;
        EXPECT_EQ(shown.angle_mode, row.checked_angle) << row.angle;
        EXPECT_EQ(shown.format_caption, row.format_caption) << row.angle;
        EXPECT_EQ(shown.format_kind, row.checked_format) << row.angle;
    }
}

TEST_F(CalculatorStateTest, BothFlagsFormatAsAutomaticButShowScientific) {
    calc_.SetScientificFlag(true);
    calc_.SetAutomaticFlag(true);
    EXPECT_EQ(calc_.ResultFormatKind(), FormatKind::kAutomatic);
    EXPECT_EQ(calc_.ShownFormatKind(), FormatKind::kScientific);
}

// A session gives the same lines whether or not another calculator runs lines of its own in
// between; with shared state the other's modes, variables and precision would leak in.
TEST(TwoCalculators, ShareNothing) {
    const char* const session[] = {"B=7", "2+3", "B*A", "var", "xsin(1)", "N=2", "logn(8)",
                                   "mod", "fix", "B",   "3!",  "clear",   "B",   "1/0"};
    const char* const disturbances[] = {"rad", "sci", "B=99", "N=5", "cyc", "clear", "A=-1"};
    const auto fresh = [] {
        Calculator calc;
        calc.SetPrecision(kDefaultPrecision);
        return calc;
    };
    Calculator alone = fresh();
    std::vector<Lines> expected;
    LineOutcome out;
    for (const char* line : session) {
        alone.RunGoAction(line, out);
        expected.push_back(out.lines);
    }

    Calculator watched = fresh();
    Calculator other = fresh();
    other.SetPrecision(2);
    other.SetNumberSeparators({".", ","});
    LineOutcome other_out;
    size_t k = 0;
    for (const char* line : session) {
        other.RunGoAction(disturbances[k % std::size(disturbances)], other_out);
        watched.RunGoAction(line, out);
        EXPECT_EQ(out.lines, expected[k]) << line;
        ++k;
    }
    EXPECT_EQ(watched.variables().values, alone.variables().values);
    EXPECT_EQ(watched.LastCommand(), "1/0");
    EXPECT_EQ(other.LastCommand(), disturbances[(k - 1) % std::size(disturbances)]);
}

TEST(StartCalculator, BannerModesPrecisionAndSeparators) {
    Calculator calc;
    calc.SetAngleMode(kCycle);
    calc.SetScientificFlag(true);
    calc.SetAutomaticFlag(false);
    calc.SetVariableValue(3, 9);
    struct Row {
        std::optional<int> precision;
        int expected_precision;
        const char* answer_line;
    };
    const Row rows[] = {
        {kDefaultPrecision, 10, "Answer(A) = 1.234,5000000000   (1,2345000000000000E+03)"},
        {25, 20, "Answer(A) = 1.234,50000000000000000000   (1,2345000000000000E+03)"},
        // No precision: the load-time one stays, as the window without a settings folder has it.
        {std::nullopt, 0, "Answer(A) = 1.234,50000000000000000   (1,2345000000000000E+03)"},
    };
    for (const auto& row : rows) {
        Calculator fresh;
        StartOptions start;
        start.separators = {".", ","};
        start.precision = row.precision;
        LineOutcome banner;
        banner.lines = {"stale"};
        StartCalculator(fresh, start, banner);
        EXPECT_EQ(banner.lines, (Lines{kSep, "Brisalto Calculator v 1.0", kSep}));
        EXPECT_EQ(fresh.GetPrecision(), row.expected_precision);
        LineOutcome out;
        fresh.RunGoAction("1234.5", out);
        EXPECT_EQ(out.lines.at(3), row.answer_line);
    }
    StartOptions start;
    LineOutcome banner;
    StartCalculator(calc, start, banner);
    EXPECT_EQ(calc.angle_mode(), kDegrees);
    EXPECT_FALSE(calc.scientific_flag());
    EXPECT_TRUE(calc.automatic_flag());
    EXPECT_EQ(calc.VariableValue(3), 0);
}

}  // namespace
}  // namespace brisalto
