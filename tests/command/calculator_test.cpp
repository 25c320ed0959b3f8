#include "command/calculator_state.h"

#include <gtest/gtest.h>

#include "command/result_format.h"
#include "recording_view.h"

namespace brisalto {
namespace {

using Lines = std::vector<std::string>;
const std::string kSep(kSeparatorLine);

class CalculatorStateTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetCalculatorState();
        SetPrecision(kDefaultPrecision);
    }
    void TearDown() override { ResetCalculatorState(); }
    testing::RecordingView view_;
};

TEST_F(CalculatorStateTest, StartTableHasThirteenZerosAndPi) {
    const VariableTable& table = GetVariableTable();
    EXPECT_EQ(table.names,
              (Lines{"A", "B", "C", "D", "F", "G", "H", "I", "J", "K", "L", "M", "N", "P"}));
    for (int i = 0; i < kAssignableCount; ++i) EXPECT_EQ(table.values[i], 0) << table.names[i];
    EXPECT_EQ(table.values[kPiIndex], static_cast<CalcValue>(3.141592653589793116));
}

TEST_F(CalculatorStateTest, PiAndIndicesOutsideTheTableCannotBeWritten) {
    for (int index : {kPiIndex, -1, 14, 1000}) {
        SetVariableValue(index, 9);
        EXPECT_EQ(GetVariableTable().values[kPiIndex], static_cast<CalcValue>(3.141592653589793116))
            << index;
    }
    EXPECT_EQ(GetVariableValue(-1), 0);
    EXPECT_EQ(GetVariableValue(99), 0);
}

TEST_F(CalculatorStateTest, ListVariablesShowsAThenBToNWithoutP) {
    SetAnswer(5);
    SetVariableValue(12, -1.5L);
    SetScientificFlag(false);
    SetAutomaticFlag(false);
    ListVariables(view_);
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
    EXPECT_EQ(view_.lines, expected);
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
        SetAngleMode(row.angle);
        SetScientificFlag(row.scientific);
        SetAutomaticFlag(row.automatic);
        view_.lines.clear();
        ListMode(view_);
        EXPECT_EQ(view_.lines, (Lines{kSep, row.line, kSep})) << row.line;
    }
}

TEST_F(CalculatorStateTest, RefreshModeIndicatorsFollowsTheState) {
    struct Row {
        AngleMode angle;
        bool scientific;
        bool automatic;
        const char* mode_caption;
        std::optional<AngleMode> checked_angle;
        const char* format_caption;
        FormatKind checked_format;
    };
    const Row rows[] = {
        {kDegrees, false, true, "Degrees", kDegrees, "Automatic", FormatKind::kAutomatic},
        {kRadian, true, false, "Radian", kRadian, "Scientific", FormatKind::kScientific},
        {kGrads, false, false, "Grads", kGrads, "Fixed", FormatKind::kFixed},
        {kCycle, true, true, "Cycle", kCycle, "Scientific", FormatKind::kScientific},
        {4, false, true, "unset", std::nullopt, "Automatic", FormatKind::kAutomatic},
    };
    for (const auto& row : rows) {
        view_ = testing::RecordingView{};
        SetAngleMode(row.angle);
        SetScientificFlag(row.scientific);
        SetAutomaticFlag(row.automatic);
        RefreshModeIndicators(view_);
        EXPECT_EQ(view_.mode_caption, row.mode_caption) << row.mode_caption;
        EXPECT_EQ(view_.checked_angle, row.checked_angle) << row.mode_caption;
        EXPECT_EQ(view_.format_caption, row.format_caption) << row.mode_caption;
        EXPECT_EQ(view_.checked_format, row.checked_format) << row.mode_caption;
    }
}

TEST_F(CalculatorStateTest, BothFlagsFormatAsAutomaticButShowScientific) {
    SetScientificFlag(true);
    SetAutomaticFlag(true);
    EXPECT_EQ(ResultFormatKind(), FormatKind::kAutomatic);
    EXPECT_EQ(ShownFormatKind(), FormatKind::kScientific);
}

}  // namespace
}  // namespace brisalto
