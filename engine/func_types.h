// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The class of a character and of a token of the evaluator.
#pragma once

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

// Bytes above 127 are ftOther.
CharClass ClassifyChar(char c);

}  // namespace brisalto
