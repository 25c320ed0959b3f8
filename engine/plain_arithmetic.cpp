// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "engine/plain_arithmetic.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "engine/calc_arith.h"
#include "engine/decimal_digits.h"
#include "engine/func_types.h"
#include "engine/functions.h"
#include "engine/number_text.h"
#include "engine/operands.h"
#include "engine/token_list.h"

namespace brisalto {

namespace {

// Operator stack entries: an open bracket, a binary operator, or a sign where an operand is
// due (it takes the operand that follows before anything else).
struct Pending {
    FuncTypes type;
    bool sign : 1;
    // An open bracket after a function name, which waits on the stack of names.
    bool function : 1;
};
// Two bytes: a line of ten million brackets keeps ten million of them.
static_assert(sizeof(Pending) == 2);

// The binding level of a binary operator, 0 for anything else. Higher binds tighter; + and -
// share the lowest level and every level groups from the left, which is the order in which the
// reducer takes them (leftmost of the tightest first).
int Level(FuncTypes type) {
    switch (type) {
        case ftPower:
            return 5;
        case ftDivide:
            return 4;
        case ftMultiply:
            return 3;
        case ftPercent:
            return 2;
        case ftPlus:
        case ftMinus:
            return 1;
        default:
            return 0;
    }
}

// A stack that lives on the call's frame while it is short: a typed line allocates nothing.
template <typename T, std::size_t N>
class SmallStack {
  public:
    bool Empty() const { return size_ == 0; }
    T& Top() { return size_ <= N ? inline_[size_ - 1] : spill_.back(); }
    void Push(T value) {
        if (size_ < N) {
            inline_[size_] = value;
        } else {
            spill_.push_back(value);
        }
        ++size_;
    }
    T Pop() {
        --size_;
        if (size_ < N) return inline_[size_];
        const T value = spill_.back();
        spill_.pop_back();
        return value;
    }

  private:
    // Left unset: only what was pushed is read.
    std::array<T, N> inline_;
    std::vector<T> spill_;
    std::size_t size_ = 0;
};

class PlainEvaluator {
  public:
    PlainEvaluator(const VariableTable& table, AngleMode angle_mode)
        : table_(table), angle_mode_(angle_mode) {}

    // False when the line is not plain arithmetic; throws what a step throws.
    bool Run(std::string_view s, CalcValue& result, bool& is_assignment,
             std::int32_t& variable_index) {
        const std::size_t n = s.size();
        bool expect_operand = true;
        std::size_t i = 0;
        std::size_t tokens = 0;
        FuncTypes first_type = ftNone;
        std::string_view first_text;
        std::string_view target;  // "X" of a line "X=..."
        while (true) {
            while (i < n && !ClassifyChar(s[i]).recognised) ++i;
            if (i == n) break;
            const FuncTypes type = ClassifyChar(s[i]).type;
            const std::size_t start = i++;
            if (type != ftOpen && type != ftClose && type != ftPlus && type != ftMinus) {
                // Like characters join into one token, across characters that are not read.
                std::size_t end = i;
                while (true) {
                    while (i < n && ClassifyChar(s[i]).type == type &&
                           ClassifyChar(s[i]).recognised)
                        ++i;
                    end = i;
                    while (i < n && !ClassifyChar(s[i]).recognised) ++i;
                    if (i == n || ClassifyChar(s[i]).type != type) break;
                    // A number split by an unread character: left to the reducer.
                    if (type == ftNumber) return false;
                }
                i = end;
            }
            if (++tokens == 1) {
                first_type = type;
                first_text = s.substr(start, i - start);
            }
            if (expect_operand) {
                if (type == ftNumber || type == ftVariable) {
                    const std::string_view text = s.substr(start, i - start);
                    values_.Push(type == ftNumber ? TextToValue(text)
                                                  : OperandValue(text, ftVariable, table_));
                    TakeSigns();
                    expect_operand = false;
                } else if (type == ftOpen) {
                    ops_.Push({ftOpen, false, false});
                } else if (type == ftPlus || type == ftMinus) {
                    ops_.Push({type, true, false});
                } else if (type == ftLetters) {
                    // A function name, with its open bracket next; a lone e or E before a
                    // bracket is the exponent letter, which is left to the reducer.
                    const std::string_view name = s.substr(start, i - start);
                    if (name == "e" || name == "E") return false;
                    while (i < n && !ClassifyChar(s[i]).recognised) ++i;
                    if (i == n || ClassifyChar(s[i]).type != ftOpen) return false;
                    ++i;
                    ++tokens;
                    ops_.Push({ftOpen, false, true});
                    functions_.Push(name);
                } else {
                    return false;
                }
            } else if (type == ftEquals) {
                // Only right after a lone variable that opens the line.
                if (tokens != 2 || first_type != ftVariable) return false;
                target = first_text;
                values_.Pop();
                expect_operand = true;
            } else if (Level(type) > 0) {
                while (!ops_.Empty() && Level(ops_.Top().type) >= Level(type)) Reduce();
                ops_.Push({type, false, false});
                expect_operand = true;
            } else if (type == ftClose) {
                while (!ops_.Empty() && ops_.Top().type != ftOpen) Reduce();
                if (ops_.Empty()) return false;
                CalcValue& value = values_.Top();
                if (ops_.Pop().function) {
                    value = ApplyFunctionToValue(functions_.Pop(), value, table_, angle_mode_);
                }
                value = ThroughFifteenDigitText(value);
                TakeSigns();
            } else {
                return false;
            }
        }
        if (expect_operand) return false;
        while (!ops_.Empty()) {
            if (ops_.Top().type == ftOpen) return false;
            Reduce();
        }
        result = values_.Top();
        if (!target.empty()) {
            const std::int32_t index = FindVariableIndex(target, table_);
            if (static_cast<std::size_t>(index) >= table_.values.size()) return false;
            // The value is stored through its text, as every reduction is.
            result = ThroughFifteenDigitText(result);
            is_assignment = true;
            variable_index = index;
        }
        return true;
    }

  private:
    // Signs waiting for the operand just completed take it, innermost first.
    void TakeSigns() {
        while (!ops_.Empty() && ops_.Top().sign) {
            CalcValue& value = values_.Top();
            if (ops_.Pop().type == ftMinus) value = Multiply(value, -1.0L);
            value = ThroughFifteenDigitText(value);
        }
    }

    void Reduce() {
        const CalcValue b = values_.Pop();
        const CalcValue a = values_.Pop();
        values_.Push(ThroughFifteenDigitText(ApplyOperator(ops_.Pop().type, a, b)));
    }

    const VariableTable& table_;
    AngleMode angle_mode_;
    SmallStack<CalcValue, 16> values_;
    SmallStack<Pending, 32> ops_;
    SmallStack<std::string_view, 4> functions_;
};

}  // namespace

CalcValue ThroughFifteenDigitText(CalcValue value) {
    // A whole number below 10^15 is its own text; 0 and -0 both read back as 0.
    if (std::fabs(value) < 1e15L && std::trunc(value) == value) return value == 0 ? 0.0L : value;
    // Without the text: its digits without trailing zeros, m, and the exponent of their last
    // place, s, are what the reader turns into m * 10^s or m / 10^-s in one exact step.
    std::uint64_t whole = 0;
    int top = 0;
    if (std::isnormal(value) && LeadingDigitsWhole(value, 15, whole, top)) {
        int digits = 15;
        while (whole % 10 == 0) {
            whole /= 10;
            --digits;
        }
        const int scale = top - digits;
        if (scale > -kExactPowerCount && scale < kExactPowerCount) {
            const auto m = static_cast<CalcValue>(whole);
            const CalcValue v = scale < 0 ? m / kExactPowersOfTen[static_cast<std::size_t>(-scale)]
                                          : m * kExactPowersOfTen[static_cast<std::size_t>(scale)];
            return std::signbit(value) ? -v : v;
        }
    }
    return TextToValue(ValueToText(value));
}

std::optional<CalcValue> EvaluatePlainArithmetic(std::string_view expression,
                                                 const VariableTable& table, AngleMode angle_mode,
                                                 bool& is_assignment,
                                                 std::int32_t& variable_index) {
    if (expression.size() >= TokenList::kMaxLineLength) return std::nullopt;
    try {
        PlainEvaluator evaluator(table, angle_mode);
        CalcValue result = 0;
        if (evaluator.Run(expression, result, is_assignment, variable_index)) return result;
    } catch (...) {
        // The reducer runs the line again and reports the fault as it always has.
    }
    return std::nullopt;
}

}  // namespace brisalto
