#include "command/calculator_state.h"

#include "command/command_processor.h"
#include "command/result_format.h"

namespace brisalto {
namespace {

inline constexpr std::string_view kModeLinePrefix = "Mode : ";
inline constexpr std::string_view kAngleSuffix = " : ";
inline constexpr std::string_view kParametersHeader = "Parameters Values ";
inline constexpr std::string_view kAnswerListPrefix = "A (Answer) = ";
inline constexpr std::string_view kNameValueSeparator = " = ";

struct State {
    VariableTable table = MakeStartVariableTable();
    AngleMode angle_mode = kDegrees;
    bool scientific = false;
    bool automatic = true;
};

State& Live() {
    static State state;
    return state;
}

bool Writable(int index) { return index >= 0 && index < kAssignableCount; }

}  // namespace

const VariableTable& GetVariableTable() { return Live().table; }

CalcValue GetVariableValue(int index) {
    const auto& values = Live().table.values;
    if (index < 0 || index >= static_cast<int>(values.size())) return 0;
    return values[index];
}

void SetVariableValue(int index, CalcValue value) {
    if (Writable(index)) Live().table.values[index] = value;
}

CalcValue GetAnswer() { return GetVariableValue(kAnswerIndex); }

void SetAnswer(CalcValue value) { SetVariableValue(kAnswerIndex, value); }

void InitVariableTable() { Live().table = MakeStartVariableTable(); }

void ClearVariables() {
    for (int i = 0; i < kAssignableCount; ++i) Live().table.values[i] = 0;
}

AngleMode GetAngleMode() { return Live().angle_mode; }

void SetAngleMode(AngleMode mode) { Live().angle_mode = mode; }

bool GetScientificFlag() { return Live().scientific; }

void SetScientificFlag(bool on) { Live().scientific = on; }

bool GetAutomaticFlag() { return Live().automatic; }

void SetAutomaticFlag(bool on) { Live().automatic = on; }

void SetStartModes() {
    Live().scientific = false;
    Live().automatic = true;
    Live().angle_mode = kDegrees;
}

FormatKind ResultFormatKind() {
    if (Live().automatic) return FormatKind::kAutomatic;
    return Live().scientific ? FormatKind::kScientific : FormatKind::kFixed;
}

FormatKind ShownFormatKind() {
    if (Live().scientific) return FormatKind::kScientific;
    return Live().automatic ? FormatKind::kAutomatic : FormatKind::kFixed;
}

std::optional<std::string_view> AngleModeCaption(AngleMode mode) {
    switch (mode) {
        case kRadian:
            return kRadianCaption;
        case kGrads:
            return kGradsCaption;
        case kDegrees:
            return kDegreesCaption;
        case kCycle:
            return kCycleCaption;
        default:
            return std::nullopt;
    }
}

std::string_view FormatCaption(FormatKind kind) {
    switch (kind) {
        case FormatKind::kScientific:
            return kScientificCaption;
        case FormatKind::kFixed:
            return kFixedCaption;
        case FormatKind::kAutomatic:
            break;
    }
    return kAutomaticCaption;
}

std::string ModeLineText() {
    std::string line(kModeLinePrefix);
    if (const auto angle = AngleModeCaption(GetAngleMode())) {
        line += *angle;
        line += kAngleSuffix;
    }
    line += FormatCaption(ShownFormatKind());
    return line;
}

void ListVariables(CalculatorView& view) {
    const VariableTable& table = GetVariableTable();
    SeparatorLine(view);
    view.AppendLine(std::string(kParametersHeader));
    SeparatorLine(view);
    view.AppendLine(std::string(kAnswerListPrefix) + FormatResult(table.values[kAnswerIndex]));
    for (int i = kAnswerIndex + 1; i < kAssignableCount; ++i) {
        view.AppendLine(table.names[i] + std::string(kNameValueSeparator) +
                        FormatResult(table.values[i]));
    }
}

void ListMode(CalculatorView& view) {
    SeparatorLine(view);
    view.AppendLine(ModeLineText());
    SeparatorLine(view);
}

void RefreshModeIndicators(CalculatorView& view) {
    const FormatKind kind = ShownFormatKind();
    view.SetFormatCaption(std::string(FormatCaption(kind)));
    view.CheckFormatAction(kind);
    const AngleMode mode = GetAngleMode();
    if (const auto caption = AngleModeCaption(mode)) {
        view.SetModeCaption(std::string(*caption));
        view.CheckAngleAction(mode);
    }
}

void ResetCalculatorState() {
    Live() = State{};
    ResetResultFormat();
    ResetLastCommand();
}

}  // namespace brisalto
