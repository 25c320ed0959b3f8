// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "command/command_processor.h"

#include <gtest/gtest.h>

#include <cstring>

#include "command/calculator.h"
#include "command/line_outcome.h"
#include "command/result_format.h"

namespace brisalto {
namespace {

using Lines = std::vector<std::string>;
const std::string kSep(kSeparatorLine);
constexpr CalcValue kPi = 3.141592653589793116L;

class CommandProcessorTest : public ::testing::Test {
  protected:
    void SetUp() override { Restart(); }

    // A calculator as brisalto-calc starts it, without the separators of the test's locale.
    void Restart() {
        calc_ = Calculator{};
        calc_.SetPrecision(kDefaultPrecision);
    }

    // The lines one command adds after its separator and echo.
    Lines Run(const std::string& line) {
        calc_.ProcessCommandLine(line, out_);
        if (out_.lines.size() < 2) return {"<no echo>"};
        EXPECT_EQ(out_.lines[0], kSep) << line;
        EXPECT_EQ(out_.lines[1], "> " + line) << line;
        return Lines(out_.lines.begin() + 2, out_.lines.end());
    }

    Calculator calc_;
    LineOutcome out_;
};

Lines Framed(const std::string& line) { return {kSep, line, kSep}; }

TEST_F(CommandProcessorTest, KeywordsWriteTheirLinesAndSetTheModes) {
    struct Row {
        const char* line;
        Lines added;
        AngleMode angle;
        bool scientific;
        bool automatic;
        bool modes_changed;
    };
    const Row rows[] = {
        {"rad", Framed("Radian mode"), kRadian, false, true, true},
        {"deg", Framed("Degrees mode"), kDegrees, false, true, true},
        {"grd", Framed("Grads mode"), kGrads, false, true, true},
        {"cyc", Framed("Cycle mode"), kCycle, false, true, true},
        {"DEG", Framed("Degrees mode"), kDegrees, false, true, true},
        {"Rad", Framed("Radian mode"), kRadian, false, true, true},
        {"sci", Framed("Scintific format     0.00000e+00"), kDegrees, true, false, true},
        {"fix", Framed("Fixed format       0.00000000000"), kDegrees, false, false, true},
        {"auto", Framed("Automatic format   0.00000000000 Or 0.00e+00"), kDegrees, false, true,
         true},
        {"AUTO", Framed("Automatic format   0.00000000000 Or 0.00e+00"), kDegrees, false, true,
         true},
        {"mod", Framed("Mode : Degrees : Automatic"), kDegrees, false, true, false},
    };
    for (const auto& row : rows) {
        Restart();
        EXPECT_EQ(Run(row.line), row.added) << row.line;
        EXPECT_EQ(out_.kind, OutcomeKind::kKeyword) << row.line;
        EXPECT_EQ(calc_.angle_mode(), row.angle) << row.line;
        EXPECT_EQ(calc_.scientific_flag(), row.scientific) << row.line;
        EXPECT_EQ(calc_.automatic_flag(), row.automatic) << row.line;
        EXPECT_EQ(out_.modes_changed, row.modes_changed) << row.line;
        // Typed keywords leave the menu's check marks alone.
        EXPECT_FALSE(out_.refresh_indicators) << row.line;
    }
}

TEST_F(CommandProcessorTest, ShellKeywordsRunTheirActionAndAddNoLines) {
    struct Row {
        const char* word;
        ShellAction action;
    };
    const Row rows[] = {
        {"about", ShellAction::kAbout}, {"help", ShellAction::kHelp},
        {"print", ShellAction::kPrint}, {"save", ShellAction::kSave},
        {"exit", ShellAction::kExit},   {"HELP", ShellAction::kHelp},
        {"Exit", ShellAction::kExit},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Run(row.word), Lines{}) << row.word;
        EXPECT_EQ(out_.action, row.action) << row.word;
        EXPECT_EQ(out_.kind, OutcomeKind::kKeyword) << row.word;
    }
}

TEST_F(CommandProcessorTest, LinesThatAreNoKeywordGoToTheEvaluator) {
    for (const char* line : {" rad", "rad ", "ra d", "radian", "exit!", "deg\r"}) {
        out_.Reset();
        EXPECT_FALSE(calc_.RunKeywordCommand(line, out_)) << line;
        EXPECT_EQ(out_.action, ShellAction::kNone) << line;
        EXPECT_EQ(out_.kind, OutcomeKind::kNothing) << line;
        EXPECT_EQ(calc_.angle_mode(), kDegrees) << line;
    }
}

TEST_F(CommandProcessorTest, ClsLeavesTheWindowEmpty) {
    calc_.ProcessCommandLine("Cls", out_);
    EXPECT_TRUE(out_.clear_window);
    EXPECT_TRUE(out_.lines.empty()) << "not even the echo stays";
}

TEST_F(CommandProcessorTest, ClearZeroesTheVariablesButNotPi) {
    Run("B=7");
    Run("2+3");
    EXPECT_EQ(Run("clear"), Framed("Variables' values cleared"));
    for (int i = 0; i < kAssignableCount; ++i) EXPECT_EQ(calc_.VariableValue(i), 0) << i;
    EXPECT_EQ(calc_.VariableValue(kPiIndex), kPi);
    EXPECT_EQ(Run("P"), Framed("Answer(A) = 3.1415926536   (3.1415926535897931E+00)"));
}

TEST_F(CommandProcessorTest, AnswersAndAssignments) {
    struct Row {
        const char* line;
        Lines added;
        int changed_index;  // -1: nothing stored
        CalcValue stored;
        OutcomeKind kind;
    };
    const Row rows[] = {
        {"2+3", Framed("Answer(A) = 5.0000000000   (5.0000000000000000E+00)"), 0, 5,
         OutcomeKind::kAnswer},
        {"B=2", Framed("B = 2.0000000000   (2.0000000000000000E+00)"), 1, 2,
         OutcomeKind::kAssignment},
        {"N=1+1", Framed("N = 2.0000000000   (2.0000000000000000E+00)"), 12, 2,
         OutcomeKind::kAssignment},
        {"A=4", Framed("A = 4.0000000000   (4.0000000000000000E+00)"), 0, 4,
         OutcomeKind::kAssignment},
        {"P=3", Framed("P is a constant can't be changed"), -1, 0, OutcomeKind::kConstantRefused},
        {"3!",
         {"Counter = 6", kSep, "Answer(A) = 6.0000000000   (6.0000000000000000E+00)", kSep},
         0,
         6,
         OutcomeKind::kAnswer},
        {"1e20", Framed("Answer(A) = 1.0000000000000000E+20"), 0, 1e20L, OutcomeKind::kAnswer},
    };
    for (const auto& row : rows) {
        Restart();
        calc_.SetVariableValue(0, 42);
        const VariableTable before = calc_.variables();
        EXPECT_EQ(Run(row.line), row.added) << row.line;
        for (int i = 0; i < kVariableCount; ++i) {
            const CalcValue expected = i == row.changed_index ? row.stored : before.values[i];
            EXPECT_EQ(calc_.VariableValue(i), expected) << row.line << " index " << i;
        }
        EXPECT_EQ(out_.kind, row.kind) << row.line;
        EXPECT_EQ(out_.variable_index, row.changed_index) << row.line;
        if (row.changed_index >= 0) {
            EXPECT_EQ(out_.value, row.stored) << row.line;
        }
        EXPECT_TRUE(out_.error.empty()) << row.line;
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
        calc_.SetVariableValue(0, 42);
        calc_.SetVariableValue(1, 7);
        calc_.SetAngleMode(kGrads);
        calc_.SetScientificFlag(false);
        calc_.SetAutomaticFlag(false);
        const VariableTable before = calc_.variables();
        EXPECT_EQ(Run(row.line), row.added) << row.line;
        EXPECT_EQ(out_.standard_output, row.standard_output) << row.line;
        EXPECT_EQ(out_.kind, OutcomeKind::kError) << row.line;
        EXPECT_EQ(out_.error, row.added.back()) << row.line;
        EXPECT_EQ(out_.variable_index, -1) << row.line;
        EXPECT_FALSE(out_.modes_changed) << row.line;
        EXPECT_EQ(calc_.variables().values, before.values) << row.line;
        EXPECT_EQ(calc_.angle_mode(), kGrads) << row.line;
        EXPECT_FALSE(calc_.scientific_flag()) << row.line;
        EXPECT_FALSE(calc_.automatic_flag()) << row.line;
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
    calc_.RunGoAction(edit, out_);
    EXPECT_EQ(calc_.LastCommand(), "2+3");
    EXPECT_TRUE(edit.text().empty());
    EXPECT_EQ(edit.caret(), 0);

    calc_.RunGoAction(edit, out_);
    EXPECT_TRUE(out_.lines.empty()) << "an empty line echoes nothing";
    EXPECT_EQ(out_.kind, OutcomeKind::kNothing);
    EXPECT_EQ(calc_.LastCommand(), "2+3");

    edit.SetTextUtf8("  ");
    calc_.RunGoAction(edit, out_);
    EXPECT_EQ(calc_.LastCommand(), "  ");
    EXPECT_EQ(out_.lines.at(1), ">   ");

    edit.SetTextUtf8("7*6");
    calc_.RunGoAction(edit, out_);
    calc_.RunLastCommandAction(edit);
    EXPECT_EQ(edit.TextUtf8(), "7*6");
    EXPECT_EQ(edit.caret(), 3);
}

TEST_F(CommandProcessorTest, CommandActionsRunTheirWordAndRefreshTheIndicators) {
    struct Row {
        const char* word;
        AngleMode checked_angle;
        FormatKind checked_format;
    };
    const Row rows[] = {
        {"var", kDegrees, FormatKind::kAutomatic},  {"clear", kDegrees, FormatKind::kAutomatic},
        {"cls", kDegrees, FormatKind::kAutomatic},  {"cyc", kCycle, FormatKind::kAutomatic},
        {"deg", kDegrees, FormatKind::kAutomatic},  {"fix", kDegrees, FormatKind::kFixed},
        {"grd", kGrads, FormatKind::kAutomatic},    {"mod", kDegrees, FormatKind::kAutomatic},
        {"rad", kRadian, FormatKind::kAutomatic},   {"sci", kDegrees, FormatKind::kScientific},
        {"auto", kDegrees, FormatKind::kAutomatic},
    };
    ASSERT_EQ(CommandWords().size(), 11u);
    for (const auto& row : rows) {
        Restart();
        CmdEditModel edit;
        edit.SetTextUtf8("typed");
        calc_.RunCommandAction(row.word, edit, out_);
        EXPECT_EQ(calc_.LastCommand(), row.word);
        EXPECT_TRUE(edit.text().empty()) << row.word;
        EXPECT_TRUE(out_.refresh_indicators) << row.word;
        const ModeIndicators shown = calc_.RefreshModeIndicators();
        EXPECT_EQ(shown.angle_mode, row.checked_angle) << row.word;
        EXPECT_EQ(shown.format_kind, row.checked_format) << row.word;
    }
    CmdEditModel edit;
    edit.SetTextUtf8("typed");
    for (const char* not_command : {"", "help", "VAR", "rad "}) {
        calc_.RunCommandAction(not_command, edit, out_);
    }
    EXPECT_EQ(edit.TextUtf8(), "typed");
    EXPECT_EQ(out_.kind, OutcomeKind::kNothing);
    EXPECT_FALSE(out_.refresh_indicators);
}

TEST_F(CommandProcessorTest, EveryKeywordOfTheTableRunsInAnyCase) {
    ASSERT_EQ(KeywordTable().size(), 16u);
    for (const Keyword& keyword : KeywordTable()) {
        const std::string word(keyword.word);
        std::string upper = word;
        for (char& c : upper) c = static_cast<char>(c - 'a' + 'A');
        std::string mixed = word;
        mixed[0] = upper[0];
        for (const std::string& line : {word, upper, mixed}) {
            Restart();
            calc_.ProcessCommandLine(line, out_);
            EXPECT_EQ(out_.kind, OutcomeKind::kKeyword) << line;
        }
        // One letter more is an expression, never a keyword.
        Restart();
        calc_.ProcessCommandLine(word + "s", out_);
        EXPECT_NE(out_.kind, OutcomeKind::kKeyword) << word << "s";
    }
}

bool SameOutcome(const LineOutcome& a, const LineOutcome& b) {
    return a.clear_window == b.clear_window && a.lines == b.lines &&
           a.standard_output == b.standard_output && a.kind == b.kind &&
           a.variable_index == b.variable_index && a.value == b.value && a.error == b.error &&
           a.action == b.action && a.modes_changed == b.modes_changed &&
           a.refresh_indicators == b.refresh_indicators;
}

// A front end keeps one outcome for the whole session: nothing of a line may stay for the next.
TEST_F(CommandProcessorTest, AReusedOutcomeHoldsOnlyTheLastLine) {
    const char* const session[] = {"2*(3", "B=5", "cls", "P=3",  "rad", "help", "3!", "1/0",
                                   "",     "var", "sci", "exit", "C=1", "mod",  "",   "4"};
    Calculator twin;
    twin.SetPrecision(kDefaultPrecision);
    for (const char* line : session) {
        calc_.RunGoAction(line, out_);
        LineOutcome fresh;
        twin.RunGoAction(line, fresh);
        EXPECT_TRUE(SameOutcome(out_, fresh)) << "line '" << line << "'";
    }
    CmdEditModel edit;
    calc_.RunCommandAction("rad", edit, out_);
    calc_.RunGoAction("", out_);
    EXPECT_TRUE(SameOutcome(out_, LineOutcome{}));
}

// A values-only outcome (brisalto-calc -q) differs from the transcript in its lines alone.
TEST(ValuesOnlyOutcome, KeepsEveryFieldButTheAnswerLines) {
    const std::vector<std::string> session = {"2+3",
                                              "B=2*sin(30)+4!",
                                              "C=B/7",
                                              "P=3",
                                              "1/0",
                                              "(1+2",
                                              "rad",
                                              "sin(P)",
                                              "A*2",
                                              "3!+2!",
                                              "D=1e400*1e400",
                                              "fix",
                                              "1234.5678",
                                              "sci",
                                              "0.000123",
                                              "auto",
                                              "x=",
                                              "var",
                                              "E=-(2)",
                                              "(((5)))%3",
                                              "2^0.5",
                                              "clear",
                                              "A",
                                              "1.2.3",
                                              "cls",
                                              "N=N+1",
                                              "mod"};
    Calculator full;
    Calculator quiet;
    LineOutcome full_out;
    LineOutcome quiet_out;
    quiet_out.transcript = false;
    for (const std::string& line : session) {
        full.ProcessCommandLine(line, full_out);
        quiet.ProcessCommandLine(line, quiet_out);
        EXPECT_EQ(quiet_out.kind, full_out.kind) << line;
        EXPECT_EQ(quiet_out.variable_index, full_out.variable_index) << line;
        EXPECT_EQ(std::memcmp(&quiet_out.value, &full_out.value, 10), 0) << line;
        EXPECT_EQ(quiet_out.error, full_out.error) << line;
        EXPECT_EQ(quiet_out.action, full_out.action) << line;
        EXPECT_EQ(quiet_out.modes_changed, full_out.modes_changed) << line;
        EXPECT_EQ(quiet_out.standard_output, full_out.standard_output) << line;
        EXPECT_FALSE(quiet_out.transcript) << line;  // kept by Reset
        EXPECT_EQ(quiet.ModeLineText(), full.ModeLineText()) << line;
        for (std::size_t i = 0; i < full.variables().values.size(); ++i) {
            EXPECT_EQ(quiet.variables().values[i], full.variables().values[i]) << line << " " << i;
        }
        if (full_out.kind == OutcomeKind::kAnswer || full_out.kind == OutcomeKind::kAssignment) {
            EXPECT_TRUE(quiet_out.lines.empty() || line.find('!') != std::string::npos) << line;
        }
    }
}

}  // namespace
}  // namespace brisalto
