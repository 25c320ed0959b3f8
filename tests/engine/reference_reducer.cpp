// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tests/engine/reference_reducer.h"

#include <string>
#include <vector>

#include "engine/calc_arith.h"
#include "engine/errors.h"
#include "engine/functions.h"
#include "engine/number_text.h"
#include "engine/operands.h"

namespace brisalto::testing {

namespace {

struct Token {
    std::string text;
    FuncTypes type = ftNone;
};

bool IsOperand(const Token& t) { return t.type == ftNumber || t.type == ftVariable; }
bool IsSign(const Token& t) { return t.type == ftPlus || t.type == ftMinus; }
bool IsE(const Token& t) { return t.text == "e" || t.text == "E"; }

std::vector<Token> Tokenize(std::string_view expression) {
    std::vector<Token> tokens(1);
    bool first = true;
    FuncTypes previous = ftNone;
    for (const char c : expression) {
        const CharClass cls = ClassifyChar(c);
        if (!cls.recognised) continue;
        if (!first) {
            const bool single = cls.type == ftOpen || cls.type == ftClose || cls.type == ftPlus ||
                                cls.type == ftMinus;
            if (cls.type != previous || single) tokens.emplace_back();
        }
        first = false;
        tokens.back().text += c;
        tokens.back().type = cls.type;
        previous = cls.type;
    }
    return tokens;
}

CalcValue Operand(const Token& t, const VariableTable& table) {
    return OperandValue(t.text, t.type, table);
}

void Erase(std::vector<Token>& tokens, long first, long count) {
    tokens.erase(tokens.begin() + first, tokens.begin() + first + count);
}

}  // namespace

CalcValue ReferenceEvaluate(std::string_view expression, bool& is_assignment,
                            std::int32_t& variable_index, VariableTable table, AngleMode angle_mode,
                            EvaluatorOutput& output) {
    std::vector<Token> t = Tokenize(expression);
    for (;;) {
        const long n = static_cast<long>(t.size());
        if (n == 1) return Operand(t[0], table);
        long open = 0;
        long close = 0;
        for (long i = 0; i < n; ++i) {
            if (t[i].type == ftOpen) open = i;
            if (t[i].type == ftClose) {
                close = i;
                break;
            }
        }
        if (open == 0 && close == 0) {
            open = -1;
            close = n;
        }
        const auto number = [&](long i, CalcValue v) {
            t[i].text = ValueToText(v);
            t[i].type = ftNumber;
        };

        // 1. A bracket holding one operand.
        if (open != -1 && close != n && close - open == 2 && IsOperand(t[open + 1])) {
            if (open >= 1 && t[open - 1].type == ftLetters && !IsE(t[open - 1])) {
                const CalcValue r = ApplyFunction(t[open - 1].text, t[open + 1].text,
                                                  t[open + 1].type, table, angle_mode);
                number(open - 1, r);
                Erase(t, open, 3);
            } else {
                t[open] = t[open + 1];
                number(open, Operand(t[open], table));
                Erase(t, open + 1, 2);
            }
            continue;
        }
        // 2. Factorial.
        long j = -1;
        for (long i = open + 1; i < close; ++i) {
            if (t[i].type == ftFactorial) {
                j = i;
                break;
            }
        }
        if (j != -1) {
            if (j == open + 1) throw ExpressionError("Equation Rong");
            const std::int32_t k = TextToInt(ValueToText(Operand(t[j - 1], table)));
            number(j - 1, Factorial(k));
            output.AppendResultLine("Counter = " + t[j - 1].text);
            Erase(t, j, 1);
            continue;
        }
        // 3. Unary sign.
        j = -1;
        for (long i = open + 1; i + 1 < close; ++i) {
            if (IsSign(t[i]) && IsOperand(t[i + 1]) && (i == open + 1 || !IsOperand(t[i - 1]))) {
                j = i;
                break;
            }
        }
        if (j != -1) {
            CalcValue v = Operand(t[j + 1], table);
            if (t[j].type == ftMinus) v = Multiply(v, -1.0L);
            number(j, v);
            Erase(t, j + 1, 1);
            continue;
        }
        // 4. Exponent join.
        j = -1;
        for (long i = open + 2; i + 1 < close; ++i) {
            if (t[i].type == ftLetters && IsE(t[i]) && IsOperand(t[i - 1]) && IsOperand(t[i + 1])) {
                j = i;
                break;
            }
        }
        if (j != -1) {
            t[j - 1].text += t[j].text + t[j + 1].text;
            t[j - 1].type = ftNumber;
            Erase(t, j, 2);
            continue;
        }
        // 5. Assignment.
        if (n == 3 && t[1].type == ftEquals && t[0].type == ftVariable) {
            const std::int32_t index = FindVariableIndex(t[0].text, table);
            table.values[static_cast<std::size_t>(index)] = Operand(t[2], table);
            number(0, table.values[static_cast<std::size_t>(index)]);
            is_assignment = true;
            variable_index = index;
            Erase(t, 1, 2);
            continue;
        }
        // 6. Two-operand operators; + and - are one level.
        j = -1;
        for (const auto& level : {std::vector<FuncTypes>{ftPower},
                                  {ftDivide},
                                  {ftMultiply},
                                  {ftPercent},
                                  {ftPlus, ftMinus}}) {
            for (long i = open + 1; i < close && j == -1; ++i) {
                for (const FuncTypes kind : level) {
                    if (t[i].type == kind) j = i;
                }
            }
            if (j != -1) break;
        }
        if (j != -1) {
            if (j == open + 1 || j == close - 1) throw ExpressionError("Equation Rong");
            const CalcValue a = Operand(t[j - 1], table);
            const CalcValue b = Operand(t[j + 1], table);
            CalcValue r = 0;
            switch (t[j].type) {
                case ftPower:
                    r = Power(a, b);
                    break;
                case ftDivide:
                    r = Divide(a, b);
                    break;
                case ftMultiply:
                    r = Multiply(a, b);
                    break;
                case ftPercent:
                    r = Remainder(a, b);
                    break;
                case ftPlus:
                    r = Add(a, b);
                    break;
                default:
                    r = Subtract(a, b);
                    break;
            }
            number(j - 1, r);
            Erase(t, j, 2);
            continue;
        }
        output.WriteStandardOutput("\n Function Error\n");
        throw ExpressionError("Statment Error");
    }
}

}  // namespace brisalto::testing
