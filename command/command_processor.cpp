#include "command/command_processor.h"

#include <cstdint>
#include <stdexcept>

#include "command/calculator_state.h"
#include "command/result_format.h"
#include "engine/errors.h"
#include "engine/evaluator.h"

namespace brisalto {
namespace {

inline constexpr std::string_view kNameValueSeparator = " = ";

std::string& LastCommandText() {
    static std::string text;
    return text;
}

// The evaluator's side outputs go to the same window as the rest of the command's lines.
class ViewOutput : public EvaluatorOutput {
  public:
    explicit ViewOutput(CalculatorView& view) : view_(view) {}
    void AppendResultLine(const std::string& line) override { view_.AppendLine(line); }
    void WriteStandardOutput(const std::string& text) override { view_.WriteStandardOutput(text); }

  private:
    CalculatorView& view_;
};

void FramedLine(CalculatorView& view, std::string line) {
    SeparatorLine(view);
    view.AppendLine(std::move(line));
    SeparatorLine(view);
}

void SetAngleKeyword(CalculatorView& view, AngleMode mode, std::string_view caption,
                     std::string_view text) {
    SetAngleMode(mode);
    view.SetModeCaption(std::string(caption));
    FramedLine(view, std::string(text));
}

void Evaluate(std::string_view line, CalculatorView& view) {
    bool is_assignment = false;
    std::int32_t variable_index = 0;
    ViewOutput output(view);
    const CalcValue value = EvaluateExpression(line, is_assignment, variable_index,
                                               GetVariableTable(), GetAngleMode(), output);
    if (!is_assignment) {
        ShowAnswer(view, value);
        return;
    }
    if (variable_index >= kAssignableCount) {
        FramedLine(view, std::string(kConstantRefusedText));
        return;
    }
    if (variable_index < 0) throw std::out_of_range("variable index");
    // Formatted first: nothing is stored unless the whole block can be written.
    std::string text = GetVariableTable().names[variable_index] + std::string(kNameValueSeparator) +
                       FormatResult(value);
    SetVariableValue(variable_index, value);
    FramedLine(view, std::move(text));
}

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

}  // namespace

const std::vector<std::string>& KeywordTable() {
    static const std::vector<std::string> words = {"exit",  "rad",  "deg",   "grd",   "cyc", "mod",
                                                   "sci",   "fix",  "auto",  "about", "var", "cls",
                                                   "clear", "help", "print", "save"};
    return words;
}

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

bool RunKeywordCommand(std::string_view line, CalculatorView& view) {
    // Every keyword is ASCII of three to five letters; most lines are no keyword.
    if (line.size() < 3 || line.size() > 5) return false;
    const std::string word = LowerCaseLine(line);
    if (word == "exit") {
        view.ExitProgram();
    } else if (word == "rad") {
        SetAngleKeyword(view, kRadian, kRadianCaption, kRadianModeText);
    } else if (word == "deg") {
        SetAngleKeyword(view, kDegrees, kDegreesCaption, kDegreesModeText);
    } else if (word == "grd") {
        SetAngleKeyword(view, kGrads, kGradsCaption, kGradsModeText);
    } else if (word == "cyc") {
        SetAngleKeyword(view, kCycle, kCycleCaption, kCycleModeText);
    } else if (word == "mod") {
        ListMode(view);
    } else if (word == "sci") {
        SetScientificFlag(true);
        view.SetFormatCaption(std::string(kScientificCaption));
        FramedLine(view, std::string(kScientificFormatText));
        SetAutomaticFlag(false);
    } else if (word == "fix") {
        SetScientificFlag(false);
        SetAutomaticFlag(false);
        view.SetFormatCaption(std::string(kFixedCaption));
        FramedLine(view, std::string(kFixedFormatText));
    } else if (word == "auto") {
        SetAutomaticFlag(true);
        SetScientificFlag(false);
        view.SetFormatCaption(std::string(kAutomaticCaption));
        FramedLine(view, std::string(kAutomaticFormatText));
    } else if (word == "about") {
        view.RunAboutAction();
    } else if (word == "var") {
        ListVariables(view);
    } else if (word == "cls") {
        view.ClearLines();
    } else if (word == "clear") {
        ClearVariables();
        FramedLine(view, std::string(kVariablesClearedText));
    } else if (word == "help") {
        view.RunHelpAction();
    } else if (word == "print") {
        view.RunPrintAction();
    } else if (word == "save") {
        view.RunSaveAction();
    } else {
        return false;
    }
    return true;
}

void ProcessCommandLine(std::string_view line, CalculatorView& view) {
    SeparatorLine(view);
    std::string echo(kEchoPrefix);
    echo += line;
    view.AppendLine(std::move(echo));
    if (RunKeywordCommand(line, view)) return;
    try {
        Evaluate(line, view);
    } catch (const FloatError& error) {
        view.AppendLine(ErrorLine(error));
    } catch (const ConvertError& error) {
        view.AppendLine(error.what());
    } catch (const ExpressionError& error) {
        view.AppendLine(error.what());
    } catch (...) {
        view.AppendLine(std::string(kUnknownErrorLine));
    }
}

const std::string& LastCommand() { return LastCommandText(); }

bool RunGoAction(std::string_view text, CalculatorView& view) {
    if (text.empty()) return false;
    LastCommandText() = text;
    ProcessCommandLine(text, view);
    return true;
}

void RunGoAction(CmdEditModel& edit, CalculatorView& view) {
    RunGoAction(edit.TextUtf8(), view);
    edit.Clear();
}

void RunLastCommandAction(CmdEditModel& edit) { edit.SetTextUtf8(LastCommandText()); }

void RunCommandAction(int tag, CmdEditModel& edit, CalculatorView& view) {
    const auto& words = CommandWords();
    if (tag < 0 || tag >= static_cast<int>(words.size())) return;
    edit.SetTextUtf8(words[tag]);
    RunGoAction(edit, view);
    RefreshModeIndicators(view);
}

void ResetLastCommand() { LastCommandText().clear(); }

}  // namespace brisalto
