// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The 43 named functions of the calculator: one table of name, code, implementation and hint,
// read by the evaluator, the pad's function keys, the hints and completion; and their application.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "engine/angle_mode.h"
#include "engine/calc_value.h"
#include "engine/func_types.h"
#include "engine/variable_table.h"

namespace brisalto {

inline constexpr int kFunctionCount = 43;
// The pad lists the first 42 entries (its Tag is the index); the first 30 have keys and hints.
inline constexpr int kPadFunctionCount = 42;
inline constexpr int kFunctionKeyCount = 30;

// How a function reads and gives angles: the circular functions read their operand as an angle
// of the AngleMode, the inverse circular functions give one.
enum class AngleUse { kNone, kAngleIn, kAngleOut };

struct FunctionArgument {
    CalcValue x;      // the operand
    CalcValue theta;  // the operand in radians, for kAngleIn
    const VariableTable& table;
};

struct FunctionInfo {
    std::string_view name;
    int code;
    AngleUse angle;
    CalcValue (*apply)(const FunctionArgument& argument);
    std::string_view hint;  // empty for the functions without a key
    // "name(x): what it gives"; "%1" stands for what it reads now: the angle mode, or N.
    std::string_view help;
};

// All 43 functions, in pad order, "hex" last.
std::span<const FunctionInfo> FunctionTable();

// The function of an exactly matching name, or null.
const FunctionInfo* FindFunctionInfo(std::string_view name);
// The same; throws ExpressionError "Function Rong" for a name of none.
const FunctionInfo& FindFunction(std::string_view name);
// Code 0..42 of an exactly matching name; throws ExpressionError "Function Rong".
int FunctionCode(std::string_view name);

CalcValue ApplyFunction(std::string_view name, std::string_view argument, FuncTypes argument_type,
                        const VariableTable& table, AngleMode angle_mode);
// The same for an argument already read: x is what the argument's text stands for.
CalcValue ApplyFunctionToValue(std::string_view name, CalcValue x, const VariableTable& table,
                               AngleMode angle_mode);
CalcValue ApplyFunctionToValue(const FunctionInfo& function, CalcValue x,
                               const VariableTable& table, AngleMode angle_mode);

// v narrowed to double and rounded to twelve decimals; a value too large for twelve decimals in a
// 64-bit integer comes back unchanged, at full precision.
CalcValue RoundTo12(CalcValue v);

}  // namespace brisalto
