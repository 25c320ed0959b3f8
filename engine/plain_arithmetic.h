// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// A one-pass evaluator for lines made only of numbers, the binary operators and brackets: the
// shape of nearly every typed sum. It gives the reducer's value bit for bit (each result and
// each bracket passes through its 15-digit text, as in the reducer) without building a token
// list, and declines everything else, including any line that fails, so that the reducer
// reports the error with its own text and side output.
#pragma once

#include <optional>
#include <string_view>

#include "engine/calc_value.h"

namespace brisalto {

std::optional<CalcValue> EvaluatePlainArithmetic(std::string_view expression);

// The value a reduction leaves behind: value read back from its 15-digit text.
CalcValue ThroughFifteenDigitText(CalcValue value);

}  // namespace brisalto
