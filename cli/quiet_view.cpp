// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "cli/quiet_view.h"

#include "cli/help_summary.h"
#include "cli/plain_number.h"
#include "cli/shown_text.h"
#include "command/command_processor.h"
#include "engine/number_text.h"
#include "engine/variable_table.h"

namespace brisalto {
namespace {

inline constexpr std::string_view kProgramPrefix = "brisalto-calc: ";
inline constexpr std::string_view kListingSeparator = " = ";

}  // namespace

void QuietView::Render(std::string_view line, const LineOutcome& outcome,
                       const Calculator& calculator) {
    // The evaluator's standard-output text belongs to an error, which is reported on its own;
    // standard output holds values only.
    switch (outcome.kind) {
        case OutcomeKind::kAnswer:
        case OutcomeKind::kAssignment:
            AppendValue(outcome.value);
            break;
        case OutcomeKind::kKeyword:
            RenderKeyword(line, calculator);
            break;
        case OutcomeKind::kError:
            ReportError(line, outcome.error);
            break;
        case OutcomeKind::kNothing:
        case OutcomeKind::kConstantRefused:
            break;
    }
    if (RunTerminalAction(outcome.action, help_out_, [this] { Flush(); })) exit_requested_ = true;
}

void QuietView::RenderKeyword(std::string_view line, const Calculator& calculator) {
    const std::string word = LowerCaseLine(line);
    if (word == "var") {
        const VariableTable& table = calculator.variables();
        for (int i = 0; i < kAssignableCount; ++i) {
            const auto k = static_cast<std::size_t>(i);
            buffer_ += table.names[k];
            buffer_ += kListingSeparator;
            AppendValue(table.values[k]);
        }
    } else if (word == "mod") {
        buffer_ += calculator.ModeLineText();
        buffer_.push_back('\n');
    }
}

void QuietView::AppendValue(CalcValue value) {
    buffer_ += plain_ ? PlainNumberText(ValueToText(value)) : ValueToText(value);
    buffer_.push_back('\n');
}

void QuietView::ReportError(std::string_view line, std::string_view error) {
    // Values written so far stand before the error when both streams go to one file.
    Flush();
    std::string message(kProgramPrefix);
    message += line;
    message += ": ";
    message += error;
    message.push_back('\n');
    WriteShown(err_, message);
    std::fflush(err_);
}

void QuietView::Flush(bool to_device) {
    if (!buffer_.empty()) std::fwrite(buffer_.data(), 1, buffer_.size(), out_);
    if (to_device) std::fflush(out_);
    buffer_.clear();
    if (buffer_.capacity() > (1u << 20)) std::string().swap(buffer_);
}

}  // namespace brisalto
