// The command processor: one typed line becomes keyword output, an answer, an assignment or one
// error line in the results window. Also the logic of the Go, last-command and command actions.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "command/calculator_view.h"
#include "command/cmd_edit_model.h"

namespace brisalto {

inline constexpr std::string_view kEchoPrefix = "> ";
inline constexpr std::string_view kConstantRefusedText = "P is a constant can't be changed";
inline constexpr std::string_view kDivideByZeroLine = "Divide By Zero";
inline constexpr std::string_view kOverflowLine = "Floating point overflow";
inline constexpr std::string_view kUnknownErrorLine =
    "Function Error or Unable to invoke calculations";

inline constexpr std::string_view kRadianModeText = "Radian mode";
inline constexpr std::string_view kDegreesModeText = "Degrees mode";
inline constexpr std::string_view kGradsModeText = "Grads mode";
inline constexpr std::string_view kCycleModeText = "Cycle mode";
inline constexpr std::string_view kScientificFormatText = "Scintific format     0.00000e+00";
inline constexpr std::string_view kFixedFormatText = "Fixed format       0.00000000000";
inline constexpr std::string_view kAutomaticFormatText =
    "Automatic format   0.00000000000 Or 0.00e+00";
inline constexpr std::string_view kVariablesClearedText = "Variables' values cleared";

// The sixteen keywords in the order they are tried.
const std::vector<std::string>& KeywordTable();

// The eleven words of the command actions; the index is the action's Tag.
const std::vector<std::string>& CommandWords();

// The line as typed (UTF-8, any bytes): separator, echo, then a keyword or the evaluation.
// Errors of the evaluation become one line; errors of a keyword's shell action propagate.
void ProcessCommandLine(std::string_view line, CalculatorView& view);

// Carries out the keyword the lower-cased line equals and returns true; false when it is none.
bool RunKeywordCommand(std::string_view line, CalculatorView& view);

// ASCII lower-casing; other bytes (UTF-8 sequences, invalid bytes) are kept as they are.
std::string LowerCaseLine(std::string_view line);

const std::string& LastCommand();

// The Go action on a text: a non-empty text becomes LastCommand and is processed; an empty one
// does nothing. Returns whether it was processed.
bool RunGoAction(std::string_view text, CalculatorView& view);
// The Go action on the command line: as above, then the line is emptied.
void RunGoAction(CmdEditModel& edit, CalculatorView& view);

// F3: LastCommand into the line with the caret at its end; not run.
void RunLastCommandAction(CmdEditModel& edit);

// A command action by Tag: its word into the line, Go, then RefreshModeIndicators. A Tag
// outside 0..10 does nothing.
void RunCommandAction(int tag, CmdEditModel& edit, CalculatorView& view);

// Clears LastCommand. For tests.
void ResetLastCommand();

}  // namespace brisalto
