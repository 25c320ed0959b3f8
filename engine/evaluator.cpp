// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "engine/evaluator.h"

#include <stdexcept>
#include <string>

#include "engine/calc_arith.h"
#include "engine/errors.h"
#include "engine/expression_texts.h"
#include "engine/functions.h"
#include "engine/number_text.h"
#include "engine/operands.h"
#include "engine/plain_arithmetic.h"
#include "engine/token_list.h"

namespace brisalto {

namespace {

constexpr const char* kCounterPrefix = "Counter = ";
constexpr const char* kFunctionErrorOutput = "\n Function Error\n";

using Id = TokenList::Id;
constexpr Id kNone = TokenList::kNone;

// The two-operand kinds tried in turn; + and - share the last level and go leftmost first.
constexpr FuncTypes kOperatorOrder[] = {ftPower, ftDivide, ftMultiply, ftPercent};

class Reducer {
  public:
    Reducer(std::string_view expression, const VariableTable& table, AngleMode angle_mode,
            EvaluatorOutput& output)
        : tokens_(expression), table_(table), angle_mode_(angle_mode), output_(output) {}

    CalcValue Run(bool& is_assignment, std::int32_t& variable_index) {
        while (tokens_.Count() > 1) Pass(is_assignment, variable_index);
        return Operand(tokens_.Head());
    }

  private:
    // The innermost bracket range: the first close bracket and the last open bracket before
    // it. open_ kNone stands for "before the first token", close_ kNone for "after the last".
    void Locate() {
        const Id first_close = tokens_.ClassSet(ftClose).First();
        empty_ = false;
        if (first_close != kNone) {
            if (first_close == tokens_.Head()) {
                open_ = close_ = kNone;
            } else {
                const Id open = tokens_.ClassSet(ftOpen).PrevBefore(first_close);
                open_ = open == kNone ? tokens_.Head() : open;
                close_ = first_close;
            }
        } else {
            const Id last_open = tokens_.ClassSet(ftOpen).Last();
            open_ = close_ = kNone;
            // An open bracket never closed: the range lies between it and the first token,
            // so it is empty.
            if (last_open != kNone && last_open != tokens_.Head()) {
                open_ = last_open;
                close_ = tokens_.Head();
                empty_ = true;
            }
        }
        low_ = open_ == kNone ? tokens_.Head() : tokens_.Next(open_);
        high_ = close_ == kNone ? tokens_.Tail() : tokens_.Prev(close_);
        if (!empty_ && low_ == close_) empty_ = true;
    }

    bool InRange(Id t) const { return t != kNone && (close_ == kNone || t < close_); }

    void Pass(bool& is_assignment, std::int32_t& variable_index) {
        Locate();
        if (BracketStep()) return;
        if (!empty_ && (FactorialStep() || UnarySignStep() || ExponentStep())) return;
        if (AssignmentStep(is_assignment, variable_index)) return;
        if (!empty_ && OperatorStep()) return;
        output_.WriteStandardOutput(kFunctionErrorOutput);
        throw ExpressionError(kStatmentError);
    }

    bool BracketStep() {
        if (open_ == kNone || close_ == kNone || empty_) return false;
        const Id operand = tokens_.Next(open_);
        if (tokens_.Next(operand) != close_ || !tokens_.IsOperand(operand)) return false;
        const Id name = tokens_.Prev(open_);
        if (name != kNone && tokens_.Type(name) == ftLetters && !tokens_.IsExponentLetter(name)) {
            const std::string name_text(tokens_.Text(name, scratch_));
            std::string argument_scratch;
            const CalcValue result =
                ApplyFunction(name_text, tokens_.Text(operand, argument_scratch),
                              tokens_.Type(operand), table_, angle_mode_);
            Rewrite(name, result);
            tokens_.Remove(open_);
            tokens_.Remove(operand);
            tokens_.Remove(close_);
            tokens_.Refresh(name);
        } else {
            const CalcValue value = Operand(operand);
            Rewrite(open_, value);
            tokens_.Remove(operand);
            tokens_.Remove(close_);
            tokens_.Refresh(open_);
        }
        return true;
    }

    bool FactorialStep() {
        const Id bang = tokens_.ClassSet(ftFactorial).NextFrom(low_);
        if (!InRange(bang)) return false;
        if (bang == low_) throw ExpressionError(kEquationRong);
        const Id operand = tokens_.Prev(bang);
        const std::int32_t k = TextToInt(ValueToText(Operand(operand)));
        const std::string text = ValueToText(Factorial(k));
        tokens_.SetNumber(operand, text);
        output_.AppendResultLine(kCounterPrefix + text);
        tokens_.Remove(bang);
        tokens_.Refresh(operand);
        return true;
    }

    bool UnarySignStep() {
        Id sign = kNone;
        // First in the range a sign is unary whatever precedes it.
        if (tokens_.IsSign(low_) && tokens_.IsOperand(tokens_.Next(low_))) {
            sign = low_;
        } else {
            sign = tokens_.UnaryCandidates().NextFrom(low_);
            if (!InRange(sign)) return false;
        }
        const Id operand = tokens_.Next(sign);
        CalcValue value = Operand(operand);
        if (tokens_.Type(sign) == ftMinus) value = Multiply(value, -1.0L);
        Rewrite(sign, value);
        tokens_.Remove(operand);
        tokens_.Refresh(sign);
        return true;
    }

    bool ExponentStep() {
        // Never the first token of the range: the letter needs an operand before it inside.
        const Id letter = tokens_.ExponentCandidates().NextFrom(low_ + 1);
        if (!InRange(letter)) return false;
        const Id mantissa = tokens_.Prev(letter);
        tokens_.JoinNextTwo(mantissa);
        tokens_.Refresh(mantissa);
        return true;
    }

    bool AssignmentStep(bool& is_assignment, std::int32_t& variable_index) {
        if (tokens_.Count() != 3) return false;
        const Id target = tokens_.Head();
        const Id equals = tokens_.Next(target);
        const Id source = tokens_.Next(equals);
        if (tokens_.Type(equals) != ftEquals || tokens_.Type(target) != ftVariable) return false;
        const std::int32_t index = FindVariableIndex(tokens_.Text(target, scratch_), table_);
        const CalcValue value = Operand(source);
        // The line ends here, so the snapshot would never be read again: only the index is
        // checked.
        if (static_cast<std::size_t>(index) >= table_.values.size()) {
            throw std::out_of_range("variable index");
        }
        Rewrite(target, value);
        is_assignment = true;
        variable_index = index;
        tokens_.Remove(equals);
        tokens_.Remove(source);
        tokens_.Refresh(target);
        return true;
    }

    bool OperatorStep() {
        Id op = kNone;
        for (const FuncTypes kind : kOperatorOrder) {
            op = tokens_.ClassSet(kind).NextFrom(low_);
            if (InRange(op)) break;
            op = kNone;
        }
        if (op == kNone) {
            const Id plus = tokens_.ClassSet(ftPlus).NextFrom(low_);
            const Id minus = tokens_.ClassSet(ftMinus).NextFrom(low_);
            op = plus < minus ? plus : minus;
            if (!InRange(op)) return false;
        }
        if (op == low_ || op == high_) throw ExpressionError(kEquationRong);
        const Id left = tokens_.Prev(op);
        const Id right = tokens_.Next(op);
        const CalcValue a = Operand(left);
        const CalcValue b = Operand(right);
        Rewrite(left, ApplyOperator(tokens_.Type(op), a, b));
        tokens_.Remove(op);
        tokens_.Remove(right);
        tokens_.Refresh(left);
        return true;
    }

    CalcValue Operand(Id t) {
        return OperandValue(tokens_.Text(t, scratch_), tokens_.Type(t), table_);
    }

    // Every reduction's result lives on as its 15-digit text.
    void Rewrite(Id t, CalcValue value) { tokens_.SetNumber(t, ValueToText(value)); }

    TokenList tokens_;
    const VariableTable& table_;
    AngleMode angle_mode_;
    EvaluatorOutput& output_;
    std::string scratch_;
    Id open_ = kNone;
    Id close_ = kNone;
    Id low_ = kNone;
    Id high_ = kNone;
    bool empty_ = false;
};

}  // namespace

CalcValue ReduceExpression(std::string_view expression, bool& is_assignment,
                           std::int32_t& variable_index, const VariableTable& table,
                           AngleMode angle_mode, EvaluatorOutput& output) {
    Reducer reducer(expression, table, angle_mode, output);
    return reducer.Run(is_assignment, variable_index);
}

CalcValue EvaluateExpression(std::string_view expression, bool& is_assignment,
                             std::int32_t& variable_index, const VariableTable& table,
                             AngleMode angle_mode, EvaluatorOutput& output) {
    if (const auto value =
            EvaluatePlainArithmetic(expression, table, angle_mode, is_assignment, variable_index)) {
        return *value;
    }
    return ReduceExpression(expression, is_assignment, variable_index, table, angle_mode, output);
}

}  // namespace brisalto
