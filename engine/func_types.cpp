// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "engine/func_types.h"

namespace brisalto {

CharClass ClassifyChar(char c) {
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

}  // namespace brisalto
