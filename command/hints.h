// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The hint for a command line at its caret: what the function the caret is on, just after or
// inside the brackets of does, or what the keyword the line is does; read from the two tables.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace brisalto {

class Calculator;

inline constexpr std::string_view kFunctionHelpContext = "FunctionHelp";
inline constexpr std::string_view kKeywordHelpContext = "KeywordHelp";

struct Hint {
    std::string_view context;  // the translation context of text
    std::string_view text;     // may hold "%1"
    std::string fill;          // what "%1" stands for now: the angle mode, N, the format
};

std::optional<Hint> HintAt(std::string_view line, std::size_t caret, const Calculator& calculator);

// The hint's text with "%1" filled in, untranslated.
std::string HintMessage(const Hint& hint);

}  // namespace brisalto
