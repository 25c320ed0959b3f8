// The calculator's process-wide state: the live VariableTable (A the answer, P pi), the AngleMode
// and the two NumberFormat flags, with the "var" and "mod" listings and the mode indicators.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "command/calculator_view.h"
#include "engine/angle_mode.h"
#include "engine/calc_value.h"
#include "engine/variable_table.h"

namespace brisalto {

inline constexpr int kAnswerIndex = 0;

// Captions of ModeLabel and SciLabel.
inline constexpr std::string_view kRadianCaption = "Radian";
inline constexpr std::string_view kGradsCaption = "Grads";
inline constexpr std::string_view kDegreesCaption = "Degrees";
inline constexpr std::string_view kCycleCaption = "Cycle";
inline constexpr std::string_view kScientificCaption = "Scientific";
inline constexpr std::string_view kFixedCaption = "Fixed";
inline constexpr std::string_view kAutomaticCaption = "Automatic";

// The live table. The engine only ever receives a copy of it.
const VariableTable& GetVariableTable();
CalcValue GetVariableValue(int index);
// index 0..12; P (13) and anything outside are ignored.
void SetVariableValue(int index, CalcValue value);
CalcValue GetAnswer();
void SetAnswer(CalcValue value);

// Names A..N and P; A..N zero, P the double nearest to pi.
void InitVariableTable();
// A..N zero; P keeps pi ("clear").
void ClearVariables();

AngleMode GetAngleMode();
void SetAngleMode(AngleMode mode);
bool GetScientificFlag();
void SetScientificFlag(bool on);
bool GetAutomaticFlag();
void SetAutomaticFlag(bool on);

// Degrees and Automatic, as the main window starts.
void SetStartModes();

// The format the results are written in: Automatic wins over Scientific when both flags are set.
FormatKind ResultFormatKind();
// The format that the label, the check marks and "mod" show: Scientific wins.
FormatKind ShownFormatKind();

// "Radian", "Grads", "Degrees", "Cycle"; nothing for a mode outside 0..3.
std::optional<std::string_view> AngleModeCaption(AngleMode mode);
std::string_view FormatCaption(FormatKind kind);

// "Mode : Degrees : Automatic" and the like.
std::string ModeLineText();

// The "var" listing: separator, header, separator, A (Answer) and B..N; P is not listed.
void ListVariables(CalculatorView& view);
// The "mod" listing: separator, the mode line, separator.
void ListMode(CalculatorView& view);
// Captions and check marks from the state; an angle mode outside 0..3 leaves the angle side alone.
void RefreshModeIndicators(CalculatorView& view);

// Back to the load-time state of everything in command/: start table, start modes, precision 0
// with the load-time fixed pattern, default separators, empty LastCommand. For tests.
void ResetCalculatorState();

}  // namespace brisalto
