// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "command/calculator.h"

#include <algorithm>
#include <cmath>

#include "engine/number_text.h"

namespace brisalto {
namespace {

inline constexpr std::string_view kModeLinePrefix = "Mode : ";
inline constexpr std::string_view kAngleSuffix = " : ";
inline constexpr std::string_view kParametersHeader = "Parameters Values ";
inline constexpr std::string_view kAnswerListPrefix = "A (Answer) = ";
inline constexpr std::string_view kNameValueSeparator = " = ";

bool Writable(int index) { return index >= 0 && index < kAssignableCount; }

}  // namespace

Calculator::Calculator() : table_(MakeStartVariableTable()) {}

CalcValue Calculator::VariableValue(int index) const {
    if (index < 0 || index >= static_cast<int>(table_.values.size())) return 0;
    return table_.values[static_cast<std::size_t>(index)];
}

void Calculator::SetVariableValue(int index, CalcValue value) {
    if (Writable(index)) table_.values[static_cast<std::size_t>(index)] = value;
}

void Calculator::InitVariableTable() { table_ = MakeStartVariableTable(); }

void Calculator::ClearVariables() {
    for (int i = 0; i < kAssignableCount; ++i) table_.values[static_cast<std::size_t>(i)] = 0;
}

void Calculator::SetStartModes() {
    scientific_ = false;
    automatic_ = true;
    angle_mode_ = kDegrees;
}

FormatKind Calculator::ResultFormatKind() const {
    if (automatic_) return FormatKind::kAutomatic;
    return scientific_ ? FormatKind::kScientific : FormatKind::kFixed;
}

FormatKind Calculator::ShownFormatKind() const {
    if (scientific_) return FormatKind::kScientific;
    return automatic_ ? FormatKind::kAutomatic : FormatKind::kFixed;
}

std::string Calculator::ModeLineText() const {
    std::string line(kModeLinePrefix);
    if (const auto angle = AngleModeCaption(angle_mode_)) {
        line += *angle;
        line += kAngleSuffix;
    }
    line += FormatCaption(ShownFormatKind());
    return line;
}

ModeIndicators Calculator::RefreshModeIndicators() const {
    ModeIndicators indicators;
    indicators.format_kind = ShownFormatKind();
    indicators.format_caption = FormatCaption(indicators.format_kind);
    indicators.angle_mode = angle_mode_;
    indicators.angle_caption = AngleModeCaption(angle_mode_);
    return indicators;
}

void Calculator::SetPrecision(int p) {
    precision_ = std::clamp(p, kMinPrecision, kMaxPrecision);
    fixed_pattern_ = FixedPatternFor(precision_);
    fixed_read_ = ParseNumberPattern(fixed_pattern_);
}

std::string Calculator::FormatNumber(std::string_view pattern, CalcValue value) const {
    return brisalto::FormatNumber(pattern, value, separators_);
}

std::string Calculator::FormatResult(CalcValue value) const {
    std::string text;
    AppendFormattedResult(text, value);
    return text;
}

void Calculator::AppendFormattedResult(std::string& out, CalcValue value) const {
    switch (ResultFormatKind()) {
        case FormatKind::kScientific:
            return AppendNumber(out, scientific_read_, value, separators_);
        case FormatKind::kFixed:
            return AppendNumber(out, fixed_read_, value, separators_);
        case FormatKind::kAutomatic:
            break;
    }
    // Where the 15-digit text needs an exponent, so does the answer.
    if (!std::isfinite(value) || ValueTextHasExponent(value)) {
        return AppendNumber(out, scientific_read_, value, separators_);
    }
    AppendAutomatic(out, fixed_read_, scientific_read_, value, separators_);
}

void Calculator::AppendResult(LineOutcome& out, int line_index, CalcValue value) const {
    if (line_index < 0 || line_index >= static_cast<int>(out.lines.size())) return;
    AppendFormattedResult(out.lines[static_cast<std::size_t>(line_index)], value);
}

void Calculator::ShowAnswer(LineOutcome& out, CalcValue value) {
    if (!out.transcript) {
        SetVariableValue(kAnswerIndex, value);
        return;
    }
    // Formatted before anything is written or stored, so a failure leaves no half block.
    std::string line(kAnswerPrefix);
    AppendFormattedResult(line, value);
    SeparatorLine(out);
    out.lines.push_back(std::move(line));
    SeparatorLine(out);
    SetVariableValue(kAnswerIndex, value);
}

void Calculator::ListVariables(LineOutcome& out) const {
    SeparatorLine(out);
    out.AppendLine(kParametersHeader);
    SeparatorLine(out);
    out.AppendLine(kAnswerListPrefix);
    AppendResult(out, static_cast<int>(out.lines.size()) - 1, table_.values[kAnswerIndex]);
    for (int i = kAnswerIndex + 1; i < kAssignableCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        out.lines.push_back(table_.names[k] + std::string(kNameValueSeparator));
        AppendResult(out, static_cast<int>(out.lines.size()) - 1, table_.values[k]);
    }
}

void Calculator::ListMode(LineOutcome& out) const { FramedLine(out, ModeLineText()); }

void SeparatorLine(LineOutcome& out) { out.AppendLine(kSeparatorLine); }

void FramedLine(LineOutcome& out, std::string_view line) {
    SeparatorLine(out);
    out.AppendLine(line);
    SeparatorLine(out);
}

}  // namespace brisalto
