// The 43 named functions of the calculator and their application to one operand.
#pragma once

#include <string_view>
#include <vector>

#include "engine/angle_mode.h"
#include "engine/calc_value.h"
#include "engine/func_types.h"
#include "engine/variable_table.h"

namespace brisalto {

// The 43 names, by length, then in the order of their lookup tables.
std::vector<std::string_view> FunctionNames();

// Code 0..42 of an exactly matching name; throws ExpressionError "Function Rong".
int FunctionCode(std::string_view name);

CalcValue ApplyFunction(std::string_view name, std::string_view argument, FuncTypes argument_type,
                        const VariableTable& table, AngleMode angle_mode);

// v narrowed to double and rounded to twelve decimals; a value too large for twelve decimals in a
// 64-bit integer comes back unchanged, at full precision.
CalcValue RoundTo12(CalcValue v);

}  // namespace brisalto
