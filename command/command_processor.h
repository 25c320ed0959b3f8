// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The command processor: the keyword table, the command words of the menu actions and the texts a
// processed line writes. The processing itself is Calculator's (ProcessCommandLine and the Go
// actions), defined next to the keyword table in command_processor.cpp.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brisalto {

class Calculator;
struct LineOutcome;

inline constexpr std::string_view kEchoPrefix = "> ";
inline constexpr std::string_view kConstantRefusedText = "P is a constant can't be changed";
inline constexpr std::string_view kDivideByZeroLine = "Divide By Zero";
inline constexpr std::string_view kOverflowLine = "Floating point overflow";
inline constexpr std::string_view kUnknownErrorLine =
    "Function Error or Unable to invoke calculations";
inline constexpr std::string_view kVariablesClearedText = "Variables' values cleared";

// One keyword: its word, what it does to the calculator and the outcome, and its hint ("%1"
// stands for the mode it would change, as it is now).
struct Keyword {
    std::string_view word;
    void (*run)(Calculator& calculator, LineOutcome& out);
    std::string_view help;
};

// The sixteen keywords in the order they are tried; the processor runs this table.
std::span<const Keyword> KeywordTable();
// The keyword the whole line is, in any case, or null.
const Keyword* FindKeyword(std::string_view line);

// The eleven words of the command actions, which name them: an action runs its word, wherever
// the word stands in this list.
const std::vector<std::string>& CommandWords();

// ASCII lower-casing; other bytes (UTF-8 sequences, invalid bytes) are kept as they are.
std::string LowerCaseLine(std::string_view line);

}  // namespace brisalto
