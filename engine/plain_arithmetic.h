// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// A one-pass evaluator for lines made only of numbers, variables, signs, the binary operators,
// brackets and functions, with an optional "X=" in front: the shape of nearly every typed line. It
// gives the reducer's value bit for bit (each result and each bracket passes through its 15-digit
// text, as in the reducer) without building a token list, and declines everything else, including
// any line that fails, so that the reducer reports the error with its own text and side output.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/angle_mode.h"
#include "engine/calc_value.h"
#include "engine/variable_table.h"

namespace brisalto {

// On success, is_assignment and variable_index are set as the reducer sets them.
std::optional<CalcValue> EvaluatePlainArithmetic(std::string_view expression,
                                                 const VariableTable& table, AngleMode angle_mode,
                                                 bool& is_assignment, std::int32_t& variable_index);

// The value a reduction leaves behind: value read back from its 15-digit text.
CalcValue ThroughFifteenDigitText(CalcValue value);

}  // namespace brisalto
