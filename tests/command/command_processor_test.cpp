#include "command/command_processor.h"

#include <gtest/gtest.h>

#include "command/calculator_state.h"
#include "command/result_format.h"
#include "recording_view.h"

namespace brisalto {
namespace {

using Lines = std::vector<std::string>;
const std::string kSep(kSeparatorLine);
constexpr CalcValue kPi = 3.141592653589793116L;

class CommandProcessorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetCalculatorState();
        SetPrecision(kDefaultPrecision);
    }
    void TearDown() override { ResetCalculatorState(); }

    // The lines one command adds after its separator and echo.
    Lines Run(const std::string& line) {
        view_.lines.clear();
        ProcessCommandLine(line, view_);
        if (view_.lines.size() < 2) return {"<no echo>"};
        EXPECT_EQ(view_.lines[0], kSep) << line;
        EXPECT_EQ(view_.lines[1], "> " + line) << line;
        return Lines(view_.lines.begin() + 2, view_.lines.end());
    }

    testing::RecordingView view_;
};

Lines Framed(const std::string& line) { return {kSep, line, kSep}; }

TEST_F(CommandProcessorTest, KeywordsWriteTheirLinesAndSetTheModes) {
    struct Row {
        const char* line;
        Lines added;
        AngleMode angle;
        bool scientific;
        bool automatic;
        const char* mode_caption;
        const char* format_caption;
    };
    const Row rows[] = {
        {"rad", Framed("Radian mode"), kRadian, false, true, "Radian", "unset"},
        {"deg", Framed("Degrees mode"), kDegrees, false, true, "Degrees", "unset"},
        {"grd", Framed("Grads mode"), kGrads, false, true, "Grads", "unset"},
        {"cyc", Framed("Cycle mode"), kCycle, false, true, "Cycle", "unset"},
        {"DEG", Framed("Degrees mode"), kDegrees, false, true, "Degrees", "unset"},
        {"Rad", Framed("Radian mode"), kRadian, false, true, "Radian", "unset"},
        {"sci", Framed("Scintific format     0.00000e+00"), kDegrees, true, false, "unset",
         "Scientific"},
        {"fix", Framed("Fixed format       0.00000000000"), kDegrees, false, false, "unset",
         "Fixed"},
        {"auto", Framed("Automatic format   0.00000000000 Or 0.00e+00"), kDegrees, false, true,
         "unset", "Automatic"},
        {"AUTO", Framed("Automatic format   0.00000000000 Or 0.00e+00"), kDegrees, false, true,
         "unset", "Automatic"},
        {"mod", Framed("Mode : Degrees : Automatic"), kDegrees, false, true, "unset", "unset"},
    };
    for (const auto& row : rows) {
        ResetCalculatorState();
        view_ = testing::RecordingView{};
        EXPECT_EQ(Run(row.line), row.added) << row.line;
        EXPECT_EQ(GetAngleMode(), row.angle) << row.line;
        EXPECT_EQ(GetScientificFlag(), row.scientific) << row.line;
        EXPECT_EQ(GetAutomaticFlag(), row.automatic) << row.line;
        EXPECT_EQ(view_.mode_caption, row.mode_caption) << row.line;
        EXPECT_EQ(view_.format_caption, row.format_caption) << row.line;
        // Typed keywords leave the menu's check marks alone.
        EXPECT_FALSE(view_.checked_angle.has_value()) << row.line;
        EXPECT_FALSE(view_.checked_format.has_value()) << row.line;
    }
}

TEST_F(CommandProcessorTest, ShellKeywordsRunTheirActionAndAddNoLines) {
    for (const char* word : {"about", "help", "print", "save", "exit", "HELP", "Exit"}) {
        view_ = testing::RecordingView{};
        EXPECT_EQ(Run(word), Lines{}) << word;
        EXPECT_EQ(view_.actions, Lines{LowerCaseLine(word)}) << word;
    }
}

TEST_F(CommandProcessorTest, LinesThatAreNoKeywordGoToTheEvaluator) {
    for (const char* line : {" rad", "rad ", "ra d", "radian", "exit!", "deg\r"}) {
        EXPECT_FALSE(RunKeywordCommand(line, view_)) << line;
        EXPECT_TRUE(view_.actions.empty()) << line;
        EXPECT_EQ(GetAngleMode(), kDegrees) << line;
    }
}

TEST_F(CommandProcessorTest, ClsLeavesTheWindowEmpty) {
    view_.lines = {"old", "lines"};
    ProcessCommandLine("Cls", view_);
    EXPECT_TRUE(view_.lines.empty());
}

TEST_F(CommandProcessorTest, ClearZeroesTheVariablesButNotPi) {
    Run("B=7");
    Run("2+3");
    EXPECT_EQ(Run("clear"), Framed("Variables' values cleared"));
    for (int i = 0; i < kAssignableCount; ++i) EXPECT_EQ(GetVariableValue(i), 0) << i;
    EXPECT_EQ(GetVariableValue(kPiIndex), kPi);
    EXPECT_EQ(Run("P"), Framed("Answer(A) = 3.1415926536   (3.1415926535897931E+00)"));
}

TEST_F(CommandProcessorTest, AnswersAndAssignments) {
    struct Row {
        const char* line;
        Lines added;
        int changed_index;  // -1: nothing stored
        CalcValue stored;
    };
    const Row rows[] = {
        {"2+3", Framed("Answer(A) = 5.0000000000   (5.0000000000000000E+00)"), 0, 5},
        {"B=2", Framed("B = 2.0000000000   (2.0000000000000000E+00)"), 1, 2},
        {"N=1+1", Framed("N = 2.0000000000   (2.0000000000000000E+00)"), 12, 2},
        {"A=4", Framed("A = 4.0000000000   (4.0000000000000000E+00)"), 0, 4},
        {"P=3", Framed("P is a constant can't be changed"), -1, 0},
        {"3!",
         {"Counter = 6", kSep, "Answer(A) = 6.0000000000   (6.0000000000000000E+00)", kSep},
         0,
         6},
        {"1e20", Framed("Answer(A) = 1.0000000000000000E+20"), 0, 1e20L},
    };
    for (const auto& row : rows) {
        ResetCalculatorState();
        SetPrecision(kDefaultPrecision);
        SetVariableValue(0, 42);
        const VariableTable before = GetVariableTable();
        EXPECT_EQ(Run(row.line), row.added) << row.line;
        for (int i = 0; i < kVariableCount; ++i) {
            const CalcValue expected = i == row.changed_index ? row.stored : before.values[i];
            EXPECT_EQ(GetVariableValue(i), expected) << row.line << " index " << i;
        }
    }
}

TEST_F(CommandProcessorTest, EachErrorIsOneLineAndChangesNothing) {
    struct Row {
        const char* line;
        Lines added;
        const char* standard_output;
    };
    const Row rows[] = {
        {"1/0", {"Divide By Zero"}, ""},
        {"0^-1", {"Divide By Zero"}, ""},
        {"1755!", {"Floating point overflow"}, ""},
        {"(-8)^(1/3)", {"Invalid floating point operation"}, ""},
        {"0/0", {"Invalid floating point operation"}, ""},
        {"1.2.3", {"'1.2.3' is not a valid floating point value"}, ""},
        {"2.5!", {"'2.5' is not a valid integer value"}, ""},
        {"5-", {"Equation Rong"}, ""},
        {"sin", {"Function Rong"}, ""},
        {"2*(3", {"Statment Error"}, "\n Function Error\n"},
        {"3!2", {"Counter = 6", "Statment Error"}, "\n Function Error\n"},
        {"O+1", {"Function Error or Unable to invoke calculations"}, ""},
        {"B=O", {"Function Error or Unable to invoke calculations"}, ""},
        {"B=1/0", {"Divide By Zero"}, ""},
    };
    for (const auto& row : rows) {
        SetVariableValue(0, 42);
        SetVariableValue(1, 7);
        SetAngleMode(kGrads);
        SetScientificFlag(false);
        SetAutomaticFlag(false);
        const VariableTable before = GetVariableTable();
        view_.standard_output.clear();
        EXPECT_EQ(Run(row.line), row.added) << row.line;
        EXPECT_EQ(view_.standard_output, row.standard_output) << row.line;
        EXPECT_EQ(GetVariableTable().values, before.values) << row.line;
        EXPECT_EQ(GetAngleMode(), kGrads) << row.line;
        EXPECT_FALSE(GetScientificFlag()) << row.line;
        EXPECT_FALSE(GetAutomaticFlag()) << row.line;
    }
}

TEST_F(CommandProcessorTest, BytesOfAnyKindEndInOneErrorLine) {
    const std::string rows[] = {
        std::string("1\0+2", 4), "\xff\xfe", "\xc3(", "2+\xe2\x82",
        std::string(1, '\0'),    "   ",      "\t",
    };
    for (const auto& line : rows) {
        const Lines added = Run(line);
        ASSERT_FALSE(added.empty()) << "bytes of length " << line.size();
        if (added.size() == 1) continue;
        // Characters the tokenizer ignores leave a valid expression: an answer block.
        ASSERT_EQ(added.size(), 3u) << "bytes of length " << line.size();
        EXPECT_EQ(added[1].rfind("Answer(A) = ", 0), 0u);
    }
}

TEST_F(CommandProcessorTest, GoActionRemembersTheLastNonEmptyLine) {
    CmdEditModel edit;
    edit.SetTextUtf8("2+3");
    RunGoAction(edit, view_);
    EXPECT_EQ(LastCommand(), "2+3");
    EXPECT_TRUE(edit.text().empty());
    EXPECT_EQ(edit.caret(), 0);

    const size_t lines_before = view_.lines.size();
    RunGoAction(edit, view_);
    EXPECT_EQ(view_.lines.size(), lines_before) << "an empty line echoes nothing";
    EXPECT_EQ(LastCommand(), "2+3");

    edit.SetTextUtf8("  ");
    RunGoAction(edit, view_);
    EXPECT_EQ(LastCommand(), "  ");
    EXPECT_EQ(view_.lines[lines_before + 1], ">   ");

    edit.SetTextUtf8("7*6");
    RunGoAction(edit, view_);
    RunLastCommandAction(edit);
    EXPECT_EQ(edit.TextUtf8(), "7*6");
    EXPECT_EQ(edit.caret(), 3);
}

TEST_F(CommandProcessorTest, CommandActionsRunTheirWordAndRefreshTheIndicators) {
    struct Row {
        int tag;
        const char* word;
        AngleMode checked_angle;
        FormatKind checked_format;
    };
    const Row rows[] = {
        {0, "var", kDegrees, FormatKind::kAutomatic},
        {1, "clear", kDegrees, FormatKind::kAutomatic},
        {2, "cls", kDegrees, FormatKind::kAutomatic},
        {3, "cyc", kCycle, FormatKind::kAutomatic},
        {4, "deg", kDegrees, FormatKind::kAutomatic},
        {5, "fix", kDegrees, FormatKind::kFixed},
        {6, "grd", kGrads, FormatKind::kAutomatic},
        {7, "mod", kDegrees, FormatKind::kAutomatic},
        {8, "rad", kRadian, FormatKind::kAutomatic},
        {9, "sci", kDegrees, FormatKind::kScientific},
        {10, "auto", kDegrees, FormatKind::kAutomatic},
    };
    ASSERT_EQ(CommandWords().size(), 11u);
    for (const auto& row : rows) {
        ResetCalculatorState();
        view_ = testing::RecordingView{};
        CmdEditModel edit;
        edit.SetTextUtf8("typed");
        RunCommandAction(row.tag, edit, view_);
        EXPECT_EQ(CommandWords()[row.tag], row.word);
        EXPECT_EQ(LastCommand(), row.word);
        EXPECT_TRUE(edit.text().empty()) << row.word;
        EXPECT_EQ(view_.checked_angle, row.checked_angle) << row.word;
        EXPECT_EQ(view_.checked_format, row.checked_format) << row.word;
    }
    CmdEditModel edit;
    RunCommandAction(11, edit, view_);
    RunCommandAction(-1, edit, view_);
}

}  // namespace
}  // namespace brisalto
