// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "command/hints.h"

#include <algorithm>

#include "command/calculator.h"
#include "command/command_processor.h"
#include "engine/functions.h"
#include "engine/number_text.h"
#include "engine/operands.h"

namespace brisalto {
namespace {

bool IsLowerLetter(char c) { return c >= 'a' && c <= 'z'; }
bool IsOpen(char c) { return c == '(' || c == '[' || c == '{' || c == '<'; }
bool IsClose(char c) { return c == ')' || c == ']' || c == '}' || c == '>'; }

// The function whose name ends at end (lower-case letters only, as the evaluator reads names).
const FunctionInfo* NameEndingAt(std::string_view line, std::size_t end) {
    std::size_t start = end;
    while (start > 0 && IsLowerLetter(line[start - 1])) --start;
    return FindFunctionInfo(line.substr(start, end - start));
}

std::string AngleModeText(const Calculator& calculator) {
    return std::string(AngleModeCaption(calculator.angle_mode()).value_or(""));
}

Hint FunctionHint(const FunctionInfo& f, const Calculator& calculator) {
    Hint hint{kFunctionHelpContext, f.help, {}};
    if (f.name == "logn") {
        const auto n = static_cast<std::size_t>(FindVariableIndex("N", calculator.variables()));
        hint.fill = ValueToText(calculator.variables().values[n]);
    } else if (f.angle != AngleUse::kNone) {
        hint.fill = AngleModeText(calculator);
    }
    return hint;
}

}  // namespace

std::optional<Hint> HintAt(std::string_view line, std::size_t caret, const Calculator& calculator) {
    caret = std::min(caret, line.size());
    if (const Keyword* keyword = FindKeyword(line)) {
        Hint hint{kKeywordHelpContext, keyword->help, {}};
        if (keyword->help.find("%1") != std::string_view::npos) {
            bool angle = false;
            for (const AngleModeInfo& mode : kAngleModes)
                angle = angle || mode.keyword == keyword->word;
            hint.fill = angle ? AngleModeText(calculator)
                              : std::string(FormatCaption(calculator.ShownFormatKind()));
        }
        return hint;
    }
    // The name the caret is on or just after.
    std::size_t end = caret;
    while (end < line.size() && IsLowerLetter(line[end])) ++end;
    if (const FunctionInfo* f = NameEndingAt(line, end)) return FunctionHint(*f, calculator);
    // The function whose brackets the caret is in, the innermost first.
    int depth = 0;
    for (std::size_t i = caret; i > 0; --i) {
        const char c = line[i - 1];
        if (IsClose(c)) {
            ++depth;
        } else if (IsOpen(c)) {
            if (depth > 0) {
                --depth;
            } else if (const FunctionInfo* f = NameEndingAt(line, i - 1)) {
                return FunctionHint(*f, calculator);
            }
        }
    }
    return std::nullopt;
}

std::string HintMessage(const Hint& hint) {
    std::string message(hint.text);
    for (std::size_t at = message.find("%1"); at != std::string::npos;
         at = message.find("%1", at + hint.fill.size())) {
        message.replace(at, 2, hint.fill);
    }
    return message;
}

}  // namespace brisalto
