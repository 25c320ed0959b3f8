// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// What one evaluation did, recorded for comparison in tests: the value or the error, the
// factorial lines, the standard-output text and the assignment flags.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/angle_mode.h"
#include "engine/evaluator.h"
#include "engine/variable_table.h"

namespace brisalto::testing {

struct Outcome {
    // "value", or the error kind: "expression", "lookup", "convert", "divide", "overflow",
    // "invalid", "other".
    std::string kind;
    // The value's 15-digit text and, to catch differences below it, its exact bits; or the
    // error's message.
    std::string text;
    std::string bits;
    std::vector<std::string> lines;
    std::string standard_output;
    bool is_assignment = false;
    std::int32_t variable_index = 0;

    bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Outcome& outcome);

using Evaluator = std::function<CalcValue(std::string_view, bool&, std::int32_t&, VariableTable,
                                          AngleMode, EvaluatorOutput&)>;

Outcome RunEvaluator(const Evaluator& evaluator, std::string_view expression,
                     AngleMode mode = kDegrees,
                     const VariableTable& table = MakeStartVariableTable());

// The indexed reducer of the engine.
Outcome Evaluate(std::string_view expression, AngleMode mode = kDegrees,
                 const VariableTable& table = MakeStartVariableTable());

}  // namespace brisalto::testing
