// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "engine/evaluator.h"

#include <exception>
#include <stdexcept>
#include <string>

#include "engine/calc_arith.h"
#include "engine/error_place.h"
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
        : tokens_(expression),
          expression_(expression),
          table_(table),
          angle_mode_(angle_mode),
          output_(output) {}

    CalcValue Run(bool& is_assignment, std::int32_t& variable_index) {
        try {
            while (tokens_.Count() > 1) Pass(is_assignment, variable_index);
            acting_ = naming_ = whole_ = kNone;
            return Operand(tokens_.Head());
        } catch (...) {
            ReportPlace(std::current_exception());
            throw;
        }
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
        blame_ = {};
        acting_ = naming_ = whole_ = kNone;
        Locate();
        if (BracketStep()) return;
        if (!empty_ && (FactorialStep() || UnarySignStep() || ExponentStep())) return;
        if (AssignmentStep(is_assignment, variable_index)) return;
        if (!empty_ && OperatorStep()) return;
        output_.WriteStandardOutput(kFunctionErrorOutput);
        blame_ = StatementBlame();
        throw ExpressionError(kStatmentError);
    }

    bool BracketStep() {
        if (open_ == kNone || close_ == kNone || empty_) return false;
        const Id operand = tokens_.Next(open_);
        if (tokens_.Next(operand) != close_ || !tokens_.IsOperand(operand)) return false;
        const Id name = tokens_.Prev(open_);
        if (name != kNone && tokens_.Type(name) == ftLetters && !tokens_.IsExponentLetter(name)) {
            const std::string name_text(tokens_.Text(name, scratch_));
            // Name, operand, then the function itself: the order its errors are met in.
            naming_ = name;
            const FunctionInfo& function = FindFunction(name_text);
            const CalcValue x = Operand(operand);
            acting_ = name;
            const CalcValue result = ApplyFunctionToValue(function, x, table_, angle_mode_);
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
        if (bang == low_) {
            blame_ = {bang, Expected::kOperandBefore};
            throw ExpressionError(kEquationRong);
        }
        const Id operand = tokens_.Prev(bang);
        const CalcValue x = Operand(operand);
        whole_ = operand;
        const std::int32_t k = TextToInt(ValueToText(x));
        acting_ = bang;
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
        acting_ = sign;
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
        reading_ = target;
        const std::int32_t index = FindVariableIndex(tokens_.Text(target, scratch_), table_);
        reading_ = kNone;
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
        if (op == low_ || op == high_) {
            blame_ = {op, op == low_ ? Expected::kOperandBefore : Expected::kOperandAfter};
            throw ExpressionError(kEquationRong);
        }
        const Id left = tokens_.Prev(op);
        const Id right = tokens_.Next(op);
        const CalcValue a = Operand(left);
        const CalcValue b = Operand(right);
        acting_ = op;
        Rewrite(left, ApplyOperator(tokens_.Type(op), a, b));
        tokens_.Remove(op);
        tokens_.Remove(right);
        tokens_.Refresh(left);
        return true;
    }

    CalcValue Operand(Id t) {
        reading_ = t;
        const CalcValue value = OperandValue(tokens_.Text(t, scratch_), tokens_.Type(t), table_);
        reading_ = kNone;
        return value;
    }

    // A token the failure is put down to, and what belonged there.
    struct Blame {
        Id token = kNone;
        Expected expected = Expected::kOperandAfter;
    };

    bool IsFunctionName(Id t) { return FindFunctionInfo(tokens_.Text(t, scratch_)) != nullptr; }

    // A token read as an operand that is none: a name, an operator, an "=".
    Blame NotAnOperand(Id t) {
        if (tokens_.Type(t) == ftNone) return {};
        if (tokens_.Type(t) == ftLetters && !tokens_.IsExponentLetter(t) && IsFunctionName(t)) {
            return {t, Expected::kBracketAfterName};
        }
        return {t, Expected::kOperandInstead};
    }

    // No step applies: the first token, from the left, that cannot stand where it is.
    Blame StatementBlame() {
        const PositionSet& opens = tokens_.ClassSet(ftOpen);
        if (tokens_.ClassSet(ftClose).First() == kNone && opens.Last() != kNone) {
            return {opens.Last(), Expected::kClosingBracket};
        }
        for (Id t = tokens_.Head(); t != kNone; t = tokens_.Next(t)) {
            const Id before = tokens_.Prev(t);
            const Id after = tokens_.Next(t);
            const FuncTypes type = tokens_.Type(t);
            const FuncTypes next = after == kNone ? ftNone : tokens_.Type(after);
            if (type == ftClose && opens.PrevBefore(t) == kNone) {
                return {t, Expected::kOpeningBracket};
            }
            if (type == ftOpen && next == ftClose) return {after, Expected::kSomethingInside};
            if (tokens_.IsExponentLetter(t)) {
                if (!tokens_.IsOperand(after) && !tokens_.IsSign(after)) {
                    return {t, Expected::kOperandAfter};
                }
                if (!tokens_.IsOperand(before)) return {t, Expected::kOperandBefore};
                continue;
            }
            if (type == ftLetters && next != ftOpen) {
                return {
                    t, IsFunctionName(t) ? Expected::kBracketAfterName : Expected::kOperandInstead};
            }
            if (tokens_.IsOperand(t) && (tokens_.IsOperand(after) || next == ftOpen ||
                                         (next == ftLetters && !tokens_.IsExponentLetter(after)))) {
                return {after, Expected::kOperatorBefore};
            }
            if (type == ftEquals) {
                if (before == kNone || tokens_.Type(before) != ftVariable) {
                    return {t, Expected::kVariableBefore};
                }
                if (after == kNone) return {t, Expected::kOperandAfter};
            }
            if (type == ftFactorial && !tokens_.IsOperand(before) && next != ftClose) {
                return {t, Expected::kOperandBefore};
            }
            if (type != ftNumber && type != ftVariable && type != ftClose && type != ftFactorial &&
                after == kNone) {
                return {t, Expected::kOperandAfter};
            }
        }
        return {};
    }

    // The failure in flight, put down to a token of the line; nothing when none can be named.
    void ReportPlace(const std::exception_ptr& error) noexcept {
        try {
            Blame blame;
            try {
                std::rethrow_exception(error);
            } catch (const FloatError& e) {
                const bool divides = acting_ != kNone && (tokens_.Type(acting_) == ftDivide ||
                                                          tokens_.Type(acting_) == ftPercent);
                blame = {acting_, e.fault() == FloatFault::kOverflow ? Expected::kSmallerValues
                                  : e.fault() == FloatFault::kDivideByZero && divides
                                      ? Expected::kNonZeroDivisor
                                      : Expected::kValuesItTakes};
            } catch (const ConvertError&) {
                if (reading_ != kNone) {
                    blame = {reading_, Expected::kValidNumber};
                } else if (whole_ != kNone) {
                    blame = {whole_, Expected::kWholeNumber};
                }
            } catch (const LookupError&) {
                blame = {reading_, Expected::kKnownVariable};
            } catch (const ExpressionError& e) {
                const std::string_view text = e.what();
                if (blame_.token != kNone) {
                    blame = blame_;
                } else if (reading_ != kNone && text == kFunctionRong) {
                    blame = NotAnOperand(reading_);
                } else if (naming_ != kNone && text == kFunctionRong) {
                    blame = {naming_, Expected::kKnownFunction};
                } else if (naming_ != kNone && text == kFunctionError) {
                    blame = {naming_, Expected::kWorkingFunction};
                }
            } catch (...) {
            }
            if (blame.token == kNone) return;
            const TokenList::Span span = tokens_.SourceSpan(expression_, blame.token);
            if (span.end <= span.begin) return;
            ErrorPlace place;
            place.begin = span.begin;
            place.end = span.end;
            place.expected = blame.expected;
            place.token = std::string(expression_.substr(span.begin, span.end - span.begin));
            output_.ReportErrorPlace(place);
        } catch (...) {
            // Only a hint is lost; the error itself goes on.
        }
    }

    // Every reduction's result lives on as its 15-digit text.
    void Rewrite(Id t, CalcValue value) { tokens_.SetNumber(t, ValueToText(value)); }

    TokenList tokens_;
    std::string_view expression_;
    const VariableTable& table_;
    AngleMode angle_mode_;
    EvaluatorOutput& output_;
    std::string scratch_;
    Id open_ = kNone;
    Id close_ = kNone;
    Id low_ = kNone;
    Id high_ = kNone;
    bool empty_ = false;
    // What the pass is busy with, for naming the place of a failure: the token read as an
    // operand, the operator, sign or function applied, the name looked up, the factorial's operand.
    Id reading_ = kNone;
    Id acting_ = kNone;
    Id naming_ = kNone;
    Id whole_ = kNone;
    Blame blame_;
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
