// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "command/command_processor.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>

#include "command/calculator.h"
#include "engine/errors.h"
#include "engine/evaluator.h"
#include "engine/translate_noop.h"

namespace brisalto {
namespace {

inline constexpr std::string_view kNameValueSeparator = " = ";
// Every keyword is ASCII of three to five letters; most lines are no keyword.
inline constexpr std::size_t kShortestKeyword = 3;
inline constexpr std::size_t kLongestKeyword = 5;

// The evaluator's side outputs go to the same outcome as the rest of the command's lines.
class OutcomeOutput : public EvaluatorOutput {
  public:
    explicit OutcomeOutput(LineOutcome& out) : out_(out) {}
    void AppendResultLine(const std::string& line) override { out_.lines.push_back(line); }
    void WriteStandardOutput(const std::string& text) override { out_.standard_output += text; }
    void ReportErrorPlace(const ErrorPlace& place) override { out_.error_place = place; }

  private:
    LineOutcome& out_;
};

template <AngleMode mode>
void SetAngleKeyword(Calculator& calculator, LineOutcome& out) {
    calculator.SetAngleMode(mode);
    out.modes_changed = true;
    FramedLine(out, kAngleModes[mode].keyword_text);
}

// The keywords leave at most one of the two flags set.
template <FormatKind kind>
void SetFormatKeyword(Calculator& calculator, LineOutcome& out) {
    calculator.SetScientificFlag(kind == FormatKind::kScientific);
    calculator.SetAutomaticFlag(kind == FormatKind::kAutomatic);
    out.modes_changed = true;
    FramedLine(out, kFormatModes[static_cast<std::size_t>(kind)].keyword_text);
}

template <ShellAction action>
void AskShell(Calculator&, LineOutcome& out) {
    out.action = action;
}

void ListModeKeyword(Calculator& calculator, LineOutcome& out) { calculator.ListMode(out); }

void ListVariablesKeyword(Calculator& calculator, LineOutcome& out) {
    calculator.ListVariables(out);
}

// Not even the echo of "cls" stays.
void ClearWindowKeyword(Calculator&, LineOutcome& out) {
    out.lines.clear();
    out.clear_window = true;
}

void ClearVariablesKeyword(Calculator& calculator, LineOutcome& out) {
    calculator.ClearVariables();
    FramedLine(out, kVariablesClearedText);
}

constexpr std::array<Keyword, 16> kKeywords = {{
    {"exit", AskShell<ShellAction::kExit>,
     QT_TRANSLATE_NOOP("KeywordHelp", "exit: ends the calculator")},
    {kAngleModes[kRadian].keyword, SetAngleKeyword<kRadian>,
     QT_TRANSLATE_NOOP("KeywordHelp", "rad: angles in radians from now on (now %1)")},
    {kAngleModes[kDegrees].keyword, SetAngleKeyword<kDegrees>,
     QT_TRANSLATE_NOOP("KeywordHelp", "deg: angles in degrees from now on (now %1)")},
    {kAngleModes[kGrads].keyword, SetAngleKeyword<kGrads>,
     QT_TRANSLATE_NOOP("KeywordHelp", "grd: angles in grads from now on (now %1)")},
    {kAngleModes[kCycle].keyword, SetAngleKeyword<kCycle>,
     QT_TRANSLATE_NOOP("KeywordHelp", "cyc: angles in cycles from now on (now %1)")},
    {"mod", ListModeKeyword,
     QT_TRANSLATE_NOOP("KeywordHelp", "mod: lists the angle mode and the number format")},
    {kFormatModes[0].keyword, SetFormatKeyword<FormatKind::kScientific>,
     QT_TRANSLATE_NOOP("KeywordHelp", "sci: answers in scientific notation from now on (now %1)")},
    {kFormatModes[1].keyword, SetFormatKeyword<FormatKind::kFixed>,
     QT_TRANSLATE_NOOP("KeywordHelp", "fix: answers with fixed decimals from now on (now %1)")},
    {kFormatModes[2].keyword, SetFormatKeyword<FormatKind::kAutomatic>,
     QT_TRANSLATE_NOOP("KeywordHelp",
                       "auto: answers fixed or scientific, whichever fits (now %1)")},
    {"about", AskShell<ShellAction::kAbout>,
     QT_TRANSLATE_NOOP("KeywordHelp", "about: shows who made the calculator")},
    {"var", ListVariablesKeyword,
     QT_TRANSLATE_NOOP("KeywordHelp", "var: lists the variables and their values")},
    {"cls", ClearWindowKeyword,
     QT_TRANSLATE_NOOP("KeywordHelp", "cls: empties the results window")},
    {"clear", ClearVariablesKeyword,
     QT_TRANSLATE_NOOP("KeywordHelp", "clear: sets the variables A to N back to 0 (P keeps pi)")},
    {"help", AskShell<ShellAction::kHelp>,
     QT_TRANSLATE_NOOP("KeywordHelp", "help: opens the manual")},
    {"print", AskShell<ShellAction::kPrint>,
     QT_TRANSLATE_NOOP("KeywordHelp", "print: prints the results window")},
    {"save", AskShell<ShellAction::kSave>,
     QT_TRANSLATE_NOOP("KeywordHelp", "save: saves the results window to a file")},
}};

static_assert(kFormatModes[0].kind == FormatKind::kScientific &&
              kFormatModes[1].kind == FormatKind::kFixed &&
              kFormatModes[2].kind == FormatKind::kAutomatic);

std::string ErrorLine(const FloatError& error) {
    switch (error.fault()) {
        case FloatFault::kDivideByZero:
            return std::string(kDivideByZeroLine);
        case FloatFault::kOverflow:
            return std::string(kOverflowLine);
        case FloatFault::kInvalidOperation:
            break;
    }
    return error.what();
}

void ErrorOutcome(LineOutcome& out, std::string text) {
    out.kind = OutcomeKind::kError;
    out.lines.push_back(text);
    out.error = std::move(text);
}

}  // namespace

std::span<const Keyword> KeywordTable() { return kKeywords; }

const std::vector<std::string>& CommandWords() {
    static const std::vector<std::string> words = {"var", "clear", "cls", "cyc", "deg", "fix",
                                                   "grd", "mod",   "rad", "sci", "auto"};
    return words;
}

std::string LowerCaseLine(std::string_view line) {
    std::string lower(line);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

const Keyword* FindKeyword(std::string_view line) {
    if (line.size() < kShortestKeyword || line.size() > kLongestKeyword) return nullptr;
    const std::string word = LowerCaseLine(line);
    for (const Keyword& keyword : kKeywords) {
        if (keyword.word == word) return &keyword;
    }
    return nullptr;
}

bool Calculator::RunKeywordCommand(std::string_view line, LineOutcome& out) {
    const Keyword* keyword = FindKeyword(line);
    if (keyword == nullptr) return false;
    out.kind = OutcomeKind::kKeyword;
    keyword->run(*this, out);
    return true;
}

void Calculator::Evaluate(std::string_view line, LineOutcome& out) {
    bool is_assignment = false;
    std::int32_t variable_index = 0;
    OutcomeOutput output(out);
    const CalcValue value =
        EvaluateExpression(line, is_assignment, variable_index, table_, angle_mode_, output);
    if (!is_assignment) {
        ShowAnswer(out, value);
        out.kind = OutcomeKind::kAnswer;
        out.variable_index = kAnswerIndex;
        out.value = value;
        return;
    }
    if (variable_index >= kAssignableCount) {
        FramedLine(out, kConstantRefusedText);
        out.kind = OutcomeKind::kConstantRefused;
        return;
    }
    if (variable_index < 0) throw std::out_of_range("variable index");
    if (!out.transcript) {
        SetVariableValue(variable_index, value);
        out.kind = OutcomeKind::kAssignment;
        out.variable_index = variable_index;
        out.value = value;
        return;
    }
    // Formatted first: nothing is stored unless the whole block can be written.
    std::string text = table_.names[static_cast<std::size_t>(variable_index)] +
                       std::string(kNameValueSeparator) + FormatResult(value);
    SetVariableValue(variable_index, value);
    FramedLine(out, text);
    out.kind = OutcomeKind::kAssignment;
    out.variable_index = variable_index;
    out.value = value;
}

void Calculator::ProcessCommandLine(std::string_view line, LineOutcome& out) {
    out.Reset();
    if (out.transcript) {
        SeparatorLine(out);
        std::string echo(kEchoPrefix);
        echo += line;
        out.lines.push_back(std::move(echo));
    }
    if (RunKeywordCommand(line, out)) return;
    try {
        Evaluate(line, out);
    } catch (const FloatError& error) {
        ErrorOutcome(out, ErrorLine(error));
    } catch (const ConvertError& error) {
        ErrorOutcome(out, error.what());
    } catch (const ExpressionError& error) {
        ErrorOutcome(out, error.what());
    } catch (...) {
        ErrorOutcome(out, std::string(kUnknownErrorLine));
    }
}

bool Calculator::RunGoAction(std::string_view text, LineOutcome& out) {
    if (text.empty()) {
        out.Reset();
        return false;
    }
    last_command_ = text;
    ProcessCommandLine(text, out);
    return true;
}

void Calculator::RunGoAction(CmdEditModel& edit, LineOutcome& out) {
    RunGoAction(edit.TextUtf8(), out);
    edit.Clear();
}

void Calculator::RunLastCommandAction(CmdEditModel& edit) const { edit.SetTextUtf8(last_command_); }

void Calculator::RunCommandAction(std::string_view word, CmdEditModel& edit, LineOutcome& out) {
    const auto& words = CommandWords();
    if (std::find(words.begin(), words.end(), word) == words.end()) {
        out.Reset();
        return;
    }
    edit.SetTextUtf8(std::string(word));
    RunGoAction(edit, out);
    out.refresh_indicators = true;
}

}  // namespace brisalto
