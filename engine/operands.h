// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Operand values and variable lookup on a VariableTable snapshot.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/calc_value.h"
#include "engine/func_types.h"
#include "engine/variable_table.h"

namespace brisalto {

// Throws LookupError "Unable to find Value of " + text.
std::int32_t FindVariableIndex(std::string_view text, const VariableTable& table);

// ftNumber: TextToValue; ftVariable: the variable's value; otherwise ExpressionError "Function
// Rong".
CalcValue OperandValue(std::string_view text, FuncTypes type, const VariableTable& table);

}  // namespace brisalto
