// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Evaluation of one expression line by the token-list rewriting reducer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/angle_mode.h"
#include "engine/calc_value.h"
#include "engine/error_place.h"
#include "engine/variable_table.h"

namespace brisalto {

// Where the evaluator's side outputs go: the "Counter = " lines of factorials (results window)
// and the text it writes to standard output before a "Statment Error".
class EvaluatorOutput {
  public:
    virtual ~EvaluatorOutput() = default;
    virtual void AppendResultLine(const std::string& line) = 0;
    virtual void WriteStandardOutput(const std::string& text) = 0;
    // Just before a failure leaves the evaluator: the token it stopped at, when it can tell.
    virtual void ReportErrorPlace(const ErrorPlace& /*place*/) {}
};

// The caller sets is_assignment to false and variable_index to 0; only an assignment changes
// them. The caller's table is never changed: an assignment only reports its index and value.
// Plain arithmetic takes the one-pass road; everything else, and every failing line, the
// reducer.
CalcValue EvaluateExpression(std::string_view expression, bool& is_assignment,
                             std::int32_t& variable_index, const VariableTable& table,
                             AngleMode angle_mode, EvaluatorOutput& output);

// The reducer alone: the reference the one-pass road must agree with.
CalcValue ReduceExpression(std::string_view expression, bool& is_assignment,
                           std::int32_t& variable_index, const VariableTable& table,
                           AngleMode angle_mode, EvaluatorOutput& output);

// 1 x 2 x ... x n in CalcValue arithmetic; 1 for n = 0. A negative n has no factorial: the
// invalid-operation FloatError.
CalcValue Factorial(std::int32_t n);

}  // namespace brisalto
