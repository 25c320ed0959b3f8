// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "engine/func_types.h"

#include <array>

namespace brisalto {
namespace {

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
constexpr std::array<CharClass, 256> kCharClasses = [] {
    std::array<CharClass, 256> classes{};
    for (int i = 0; i < 256; ++i)
        classes[static_cast<std::size_t>(i)] = Classify(static_cast<char>(i));
    return classes;
}();

}  // namespace

CharClass ClassifyChar(char c) { return kCharClasses[static_cast<unsigned char>(c)]; }

}  // namespace brisalto
