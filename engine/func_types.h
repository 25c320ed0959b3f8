// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The class of a character and of a token of the evaluator.
#pragma once

#include <array>
#include <cstdint>

namespace brisalto {

enum FuncTypes : std::uint8_t {
    ftNone = 0,  // a slot that was never filled
    ftOther = 1,
    ftLetters = 2,
    ftOpen = 3,
    ftFactorial = 4,
    ftClose = 5,
    ftMultiply = 6,
    ftMinus = 7,
    ftPlus = 8,
    ftDivide = 9,
    ftPercent = 10,
    ftPower = 11,
    ftNumber = 12,
    ftVariable = 13,
    ftEquals = 16,
};

struct CharClass {
    bool recognised;
    FuncTypes type;
};

namespace detail {

constexpr CharClass Classify(char c) {
    FuncTypes type = ftOther;
    if ((c >= 'a' && c <= 'z') || c == 'E') {
        type = ftLetters;
    } else if (c >= 'A' && c <= 'Z') {
        type = ftVariable;
    } else if ((c >= '0' && c <= '9') || c == '.') {
        type = ftNumber;
    } else {
        switch (c) {
            case '(':
            case '[':
            case '{':
            case '<':
                type = ftOpen;
                break;
            case ')':
            case ']':
            case '}':
            case '>':
                type = ftClose;
                break;
            case '!':
                type = ftFactorial;
                break;
            case '*':
                type = ftMultiply;
                break;
            case '-':
                type = ftMinus;
                break;
            case '+':
                type = ftPlus;
                break;
            case '/':
                type = ftDivide;
                break;
            case '%':
                type = ftPercent;
                break;
            case '^':
                type = ftPower;
                break;
            case '=':
                type = ftEquals;
                break;
            default:
                break;
        }
    }
    return {type != ftOther, type};
}

// Every line is classified a character at a time, twice: one look-up instead of the branches.
inline constexpr std::array<CharClass, 256> kCharClasses = [] {
    std::array<CharClass, 256> classes{};
    for (int i = 0; i < 256; ++i)
        classes[static_cast<std::size_t>(i)] = Classify(static_cast<char>(i));
    return classes;
}();

}  // namespace detail

// Bytes above 127 are ftOther. Inline: the scanners call it for every byte of a line.
inline CharClass ClassifyChar(char c) {
    return detail::kCharClasses[static_cast<unsigned char>(c)];
}

}  // namespace brisalto
