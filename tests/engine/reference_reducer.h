// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// A plain, quadratic transcription of the reducer's passes over a vector of tokens: the oracle
// that the indexed reducer is compared against.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/angle_mode.h"
#include "engine/calc_value.h"
#include "engine/evaluator.h"
#include "engine/variable_table.h"

namespace brisalto::testing {

CalcValue ReferenceEvaluate(std::string_view expression, bool& is_assignment,
                            std::int32_t& variable_index, VariableTable table, AngleMode angle_mode,
                            EvaluatorOutput& output);

}  // namespace brisalto::testing
